#pragma once

#include "CoreMinimal.h"
#include "SGraphNode.h"

/**
 * The widget of a Blueprint node. The engine gives operator-like nodes a compact layout here; no
 * host node is compact, so every Blueprint node keeps SGraphNode's standard layout.
 */
class GRAPHEDITOR_API SGraphNodeK2Base : public SGraphNode
{
public:
	/**
	 * The node's corner icon, centred on its top-right corner and a little inside it. The engine also
	 * shows breakpoints, the instruction pointer and a timeline's play and loop marks, which a node
	 * that is not being debugged and is no timeline does not show.
	 */
	virtual void GetOverlayBrushes(bool bSelected, const FVector2D WidgetSize, TArray<FOverlayBrushInfo>& Brushes) const override;
};
