#pragma once

#include "HAL/Platform.h"
#include "UObject/NameTypes.h"

/** Base of the per-widget style structures that a style set stores by name. */
struct FSlateWidgetStyle
{
	virtual ~FSlateWidgetStyle() = default;

	/** The style structure's type, so a style set can refuse a name that holds another type. */
	virtual const FName GetTypeName() const = 0;
};
