#pragma once

#include "HAL/Platform.h"
#include "UObject/NameTypes.h"

/**
 * A font to draw text with: a typeface of the default font ("Regular", "Bold", ...) at a size in
 * points. The engine also names the composite font and outline settings; the host has one font.
 */
struct FSlateFontInfo
{
	FSlateFontInfo() = default;

	FSlateFontInfo(const FName InTypefaceFontName, float InSize)
		: TypefaceFontName(InTypefaceFontName)
		, Size(InSize)
	{
	}

	bool operator==(const FSlateFontInfo& Other) const
	{
		return TypefaceFontName == Other.TypefaceFontName && Size == Other.Size;
	}

	FName TypefaceFontName;
	float Size = 0.0f;
};
