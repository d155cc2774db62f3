#pragma once

// Host engine: the engine measures text with the glyphs of the font files, through the renderer's
// font cache. The host has neither, so it measures with a fixed metric of its own: every character
// takes the same advance of its font, and a wide character (CJK ideographs, kana, hangul, the
// full-width forms) two. Sizes follow the engine's convention of points at 96 dots per inch.

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Fonts/SlateFontInfo.h"
#include "Math/Vector2D.h"

class SLATECORE_API FSlateFontMeasure
{
public:
	/** The measure every widget uses; the engine reaches its own through the renderer. */
	static const FSlateFontMeasure& Get();

	/** The size of Text on one line: its advances across, one line of the font down, also when empty. */
	FVector2D Measure(const FString& Text, const FSlateFontInfo& InFontInfo) const;

	/** The height of one line of the font. */
	float GetMaxCharacterHeight(const FSlateFontInfo& InFontInfo) const;

	/** How many advances of a narrow character the character takes: 2 for a wide one, else 1. */
	static int32 GetCharacterAdvanceUnits(TCHAR Character);
};
