#pragma once

#include "Styling/SlateBrush.h"

/** A brush that draws nothing. */
struct FSlateNoResource : public FSlateBrush
{
	FSlateNoResource()
	{
		DrawAs = ESlateBrushDrawType::NoDrawType;
	}
};
