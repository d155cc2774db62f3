#pragma once

#include "CoreMinimal.h"

class SGraphNode;
class SGraphPin;
class UEdGraphNode;
class UEdGraphPin;

/** Makes the widgets the graph editor shows for nodes and pins. */
class GRAPHEDITOR_API FNodeFactory
{
public:
	/** The node's own widget when it makes one, else the default widget of a Blueprint node. */
	static TSharedPtr<SGraphNode> CreateNodeWidget(UEdGraphNode* InNode);

	/**
	 * An arrow pin for execution, a pin with a text box for a single text, a plain pin otherwise.
	 * The engine has a widget for each Blueprint type; the host's plug-ins' other pins are outputs,
	 * which no type gives a value widget, so the plain pin shows them as the engine does.
	 */
	static TSharedPtr<SGraphPin> CreatePinWidget(UEdGraphPin* InPin);
};
