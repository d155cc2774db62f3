#pragma once

#include "HAL/Platform.h"
#include "Math/Color.h"

/** A colour given outright, or one that follows the foreground colour of the widget's parent. */
struct FSlateColor
{
	/** Magenta, the colour that stands out when a colour was never chosen. */
	FSlateColor()
		: SpecifiedColor(1.0f, 0.0f, 1.0f)
	{
	}

	FSlateColor(const FLinearColor& InColor)
		: SpecifiedColor(InColor)
	{
	}

	static FSlateColor UseForeground()
	{
		FSlateColor Color;
		Color.bUseForeground = true;
		return Color;
	}

	/** Whether the colour is given outright rather than taken from the parent's foreground. */
	bool IsColorSpecified() const { return !bUseForeground; }
	const FLinearColor& GetSpecifiedColor() const { return SpecifiedColor; }

	bool operator==(const FSlateColor& Other) const
	{
		return bUseForeground == Other.bUseForeground && (bUseForeground || SpecifiedColor == Other.SpecifiedColor);
	}

private:
	FLinearColor SpecifiedColor;
	bool bUseForeground = false;
};
