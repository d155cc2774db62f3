#pragma once

#include "CoreMinimal.h"

class SGraphNode;
class UEdGraphNode;

/** The widget the graph panel shows for a node; the commands edit the node through it, as an author does. */
class FZovaNodeWidget
{
public:
	explicit FZovaNodeWidget(UEdGraphNode* InNode);

	/**
	 * Pastes the key over the key box's text and clicks "Add Json Key". Empty when the node added
	 * the key; otherwise the reason it gave, as the key box shows it.
	 */
	FText AddKey(const FString& Key);

	/** Clicks the button labelled Label; the widget must have one. */
	void Click(const TCHAR* Label);

	TSharedRef<SGraphNode> GetWidget() const { return Widget.ToSharedRef(); }

private:
	UEdGraphNode* Node;
	TSharedPtr<SGraphNode> Widget;
};
