#pragma once

#include "Layout/Margin.h"
#include "Styling/SlateBrush.h"

/** A brush that stretches an image over its area, keeping the image's margins unstretched. */
struct FSlateBoxBrush : public FSlateBrush
{
	/** @param InMargin - the unstretched margins, as fractions of the image */
	FSlateBoxBrush(const FName InImageName, const FMargin& InMargin, const FLinearColor& InTint = FLinearColor::White)
		: Margin(InMargin)
	{
		ResourceName = InImageName;
		DrawAs = ESlateBrushDrawType::Box;
		TintColor = InTint;
	}

	FMargin Margin;
};
