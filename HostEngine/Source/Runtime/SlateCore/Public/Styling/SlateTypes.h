#pragma once

#include "HAL/Platform.h"
#include "Styling/SlateWidgetStyle.h"

/** The look of an SButton. */
struct SLATECORE_API FButtonStyle : public FSlateWidgetStyle
{
	static const FName TypeName;

	virtual const FName GetTypeName() const override { return TypeName; }

	/** The style a widget falls back to when a style set has none of the requested name. */
	static const FButtonStyle& GetDefault();
};
