#pragma once

#include "Math/Color.h"
#include "Styling/SlateColor.h"

/**
 * What a widget's parent hands it when it paints: the foreground colour that text and glyphs
 * coloured "use foreground" take. The engine also carries opacity tints; the host paints opaque.
 */
class FWidgetStyle
{
public:
	explicit FWidgetStyle(const FLinearColor& InForegroundColor)
		: ForegroundColor(InForegroundColor)
	{
	}

	const FLinearColor& GetForegroundColor() const { return ForegroundColor; }

	/** The colour as drawn: the specified one, or this foreground. */
	FLinearColor GetColor(const FSlateColor& Color) const
	{
		return Color.IsColorSpecified() ? Color.GetSpecifiedColor() : ForegroundColor;
	}

	/** Two colours as drawn, multiplied: a brush's tint by the colour a widget gives it. */
	FLinearColor GetColor(const FSlateColor& First, const FSlateColor& Second) const
	{
		const FLinearColor A = GetColor(First);
		const FLinearColor B = GetColor(Second);
		return FLinearColor(A.R * B.R, A.G * B.G, A.B * B.B, A.A * B.A);
	}

private:
	FLinearColor ForegroundColor;
};
