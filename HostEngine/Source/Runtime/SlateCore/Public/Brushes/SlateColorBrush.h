#pragma once

#include "Styling/SlateBrush.h"

/** A brush that fills its area with one colour. */
struct FSlateColorBrush : public FSlateBrush
{
	explicit FSlateColorBrush(const FLinearColor& InColor)
	{
		TintColor = InColor;
	}
};
