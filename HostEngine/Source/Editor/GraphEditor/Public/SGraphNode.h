#pragma once

#include "CoreMinimal.h"
#include "Input/Reply.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class SGraphPin;
class SVerticalBox;
class UEdGraphNode;
class UEdGraphPin;
class UGraphEditorSettings;

/**
 * The widget of a graph node: the title above a body with the input pins in a left column and the
 * output pins in a right column. Node widgets add their own controls under a column through the
 * add-button hooks. The engine derives this from the node panel's node widget, which places and
 * drags nodes; the host shows nodes one at a time, so it derives from SCompoundWidget.
 */
class GRAPHEDITOR_API SGraphNode : public SCompoundWidget
{
public:
	/** Rebuilds the whole widget from the node: title, pin columns, one pin widget per visible pin, then the add-button hooks. */
	virtual void UpdateGraphNode();

	/** Adds the pin widget at the bottom of its column (inputs left, outputs right). */
	virtual void AddPin(const TSharedRef<SGraphPin>& PinToAdd);

protected:
	SGraphNode();

	/** Makes a pin widget for every pin of the node that is not hidden, in pin order. */
	virtual void CreatePinWidgets();

	/** Hook for extra controls under the input pins; nothing by default. */
	virtual void CreateInputSideAddButton(TSharedPtr<SVerticalBox> InputBox) {}
	/** Hook for extra controls under the output pins; nothing by default. */
	virtual void CreateOutputSideAddButton(TSharedPtr<SVerticalBox> OutputBox) {}

	/** Handler for an add-pin button; does nothing by default. */
	virtual FReply OnAddPin() { return FReply::Handled(); }

	/** The node shown; a derived widget sets it in Construct before calling UpdateGraphNode. */
	UEdGraphNode* GraphNode = nullptr;

	TSharedPtr<SVerticalBox> LeftNodeBox;
	TSharedPtr<SVerticalBox> RightNodeBox;

	const UGraphEditorSettings* Settings;
};
