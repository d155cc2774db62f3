#include "Fonts/FontMeasure.h"

namespace
{
	/** Slate sizes fonts in points at 96 dots per inch. */
	constexpr double PixelsPerPoint = 96.0 / 72.0;
	/** The advance of a narrow character and the line height, in ems; close to the editor's Roboto. */
	constexpr double NarrowAdvanceEms = 0.55;
	constexpr double LineHeightEms = 1.2;

	/** East Asian wide and full-width code points, as terminals count them; FString holds UTF-16 units. */
	bool IsWide(uint32 CodeUnit)
	{
		return (CodeUnit >= 0x1100 && CodeUnit <= 0x115F)
			|| (CodeUnit >= 0x2E80 && CodeUnit <= 0x303E)
			|| (CodeUnit >= 0x3041 && CodeUnit <= 0x33FF)
			|| (CodeUnit >= 0x3400 && CodeUnit <= 0x4DBF)
			|| (CodeUnit >= 0x4E00 && CodeUnit <= 0x9FFF)
			|| (CodeUnit >= 0xA000 && CodeUnit <= 0xA4CF)
			|| (CodeUnit >= 0xAC00 && CodeUnit <= 0xD7A3)
			|| (CodeUnit >= 0xF900 && CodeUnit <= 0xFAFF)
			|| (CodeUnit >= 0xFE30 && CodeUnit <= 0xFE4F)
			|| (CodeUnit >= 0xFF00 && CodeUnit <= 0xFF60)
			|| (CodeUnit >= 0xFFE0 && CodeUnit <= 0xFFE6);
	}

	bool IsLowSurrogate(uint32 CodeUnit)
	{
		return CodeUnit >= 0xDC00 && CodeUnit <= 0xDFFF;
	}
}

const FSlateFontMeasure& FSlateFontMeasure::Get()
{
	static const FSlateFontMeasure Measure;
	return Measure;
}

int32 FSlateFontMeasure::GetCharacterAdvanceUnits(TCHAR Character)
{
	return IsWide(uint32(Character)) ? 2 : 1;
}

FVector2D FSlateFontMeasure::Measure(const FString& Text, const FSlateFontInfo& InFontInfo) const
{
	int32 Units = 0;
	for (int32 Index = 0; Index < Text.Len(); ++Index)
	{
		const TCHAR Character = Text[Index];
		// A character beyond the basic plane is a surrogate pair: one glyph, counted at its first unit.
		if (!IsLowSurrogate(uint32(Character)))
		{
			Units += GetCharacterAdvanceUnits(Character);
		}
	}
	const double NarrowAdvance = NarrowAdvanceEms * InFontInfo.Size * PixelsPerPoint;
	return FVector2D(Units * NarrowAdvance, GetMaxCharacterHeight(InFontInfo));
}

float FSlateFontMeasure::GetMaxCharacterHeight(const FSlateFontInfo& InFontInfo) const
{
	return float(InFontInfo.Size * PixelsPerPoint * LineHeightEms);
}
