#pragma once

#include "Styling/SlateBrush.h"

/** A brush that draws a box with rounded corners, filled with its tint, with an optional outline. */
struct FSlateRoundedBoxBrush : public FSlateBrush
{
	FSlateRoundedBoxBrush(const FLinearColor& InFillColor, float InRadius)
		: FSlateRoundedBoxBrush(InFillColor, InRadius, FLinearColor::Transparent, 0.0f)
	{
	}

	FSlateRoundedBoxBrush(const FLinearColor& InFillColor, float InRadius, const FLinearColor& InOutlineColor, float InOutlineWidth)
	{
		DrawAs = ESlateBrushDrawType::RoundedBox;
		TintColor = InFillColor;
		for (float& Radius : OutlineSettings.CornerRadii)
		{
			Radius = InRadius;
		}
		OutlineSettings.Color = InOutlineColor;
		OutlineSettings.Width = InOutlineWidth;
	}
};
