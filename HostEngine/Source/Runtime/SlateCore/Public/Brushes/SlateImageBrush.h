#pragma once

#include "Styling/SlateBrush.h"

/** A brush that draws an image at its size. */
struct FSlateImageBrush : public FSlateBrush
{
	FSlateImageBrush(const FName InImageName, const FVector2D& InImageSize, const FLinearColor& InTint = FLinearColor::White)
	{
		ResourceName = InImageName;
		ImageSize = InImageSize;
		TintColor = InTint;
	}
};
