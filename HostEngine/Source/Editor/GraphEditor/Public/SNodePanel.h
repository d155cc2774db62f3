#pragma once

// The engine's header also holds the node panel and its node widget, which place, select and drag
// nodes; the host shows nodes one at a time and keeps only what a node widget draws with.

#include "CoreMinimal.h"
#include "Math/Vector2D.h"

struct FSlateBrush;

/** An image drawn over a node widget, at an offset from the widget's top-left corner. */
struct FOverlayBrushInfo
{
	FOverlayBrushInfo() = default;

	explicit FOverlayBrushInfo(const FSlateBrush* InBrush)
		: Brush(InBrush)
	{
	}

	const FSlateBrush* Brush = nullptr;
	/** May be negative or past the widget's size: the image may stand out of the node. */
	FVector2D OverlayOffset = FVector2D(0.0, 0.0);
};
