#pragma once

// Host engine: the engine measures text with the glyphs of the font files, through the renderer's
// font cache. The host has neither, so it measures with a fixed metric of its own: the printable
// ASCII characters take their advances in the editor's font (Roboto, regular or bold), any other
// character half an em, and a wide one (CJK ideographs, kana, hangul, the full-width forms) double
// that. Sizes follow the engine's convention of points at 96 dots per inch.

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
};
