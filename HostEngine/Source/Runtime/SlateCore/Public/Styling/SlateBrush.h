#pragma once

#include "HAL/Platform.h"

/**
 * How to draw an image or a box. Widgets hold brushes by pointer into a style set, so a brush's
 * identity is the image it stands for. The host draws nothing and keeps no drawing data.
 */
struct FSlateBrush
{
	virtual ~FSlateBrush() = default;
};
