#include "Fonts/FontMeasure.h"

namespace
{
	/** Slate sizes fonts in points at 96 dots per inch. */
	constexpr double PixelsPerPoint = 96.0 / 72.0;
	constexpr double LineHeightEms = 1.2;

	/**
	 * The advances of the printable ASCII characters, space to tilde, in 2048ths of an em: those of
	 * Roboto, the editor's font, in its regular and bold faces.
	 */
	constexpr int32 UnitsPerEm = 2048;
	constexpr TCHAR FirstTableCharacter = TEXT(' ');
	constexpr TCHAR LastTableCharacter = TEXT('~');
	constexpr uint16 RegularAdvances[] = {
		508, 528, 656, 1261, 1151, 1500, 1274, 358, 701, 713, 882, 1162, 403, 566, 540, 845,
		1151, 1151, 1151, 1151, 1151, 1151, 1151, 1151, 1151, 1151, 496, 433, 1041, 1124, 1071, 968,
		1839, 1336, 1276, 1333, 1344, 1164, 1132, 1395, 1461, 557, 1130, 1285, 1103, 1788, 1461, 1409,
		1292, 1409, 1262, 1216, 1222, 1328, 1304, 1817, 1284, 1230, 1227, 543, 841, 543, 856, 924,
		633, 1114, 1150, 1072, 1155, 1086, 712, 1150, 1128, 498, 490, 1038, 498, 1796, 1131, 1168,
		1150, 1164, 694, 1057, 670, 1129, 992, 1539, 1016, 969, 1016, 693, 500, 693, 1393,
	};
	constexpr uint16 BoldAdvances[] = {
		510, 557, 657, 1221, 1175, 1512, 1344, 332, 719, 722, 929, 1118, 501, 795, 596, 766,
		1175, 1175, 1175, 1175, 1175, 1175, 1175, 1175, 1175, 1175, 578, 537, 1043, 1172, 1058, 1020,
		1833, 1379, 1307, 1341, 1332, 1152, 1123, 1395, 1448, 598, 1144, 1301, 1109, 1794, 1447, 1414,
		1322, 1414, 1307, 1259, 1267, 1348, 1339, 1792, 1302, 1267, 1242, 570, 865, 570, 896, 915,
		678, 1098, 1153, 1069, 1155, 1107, 734, 1170, 1147, 543, 533, 1094, 543, 1773, 1147, 1158,
		1153, 1157, 748, 1054, 692, 1147, 1036, 1505, 1043, 1029, 1043, 677, 519, 677, 1329,
	};
	static_assert(UE_ARRAY_COUNT(RegularAdvances) == LastTableCharacter - FirstTableCharacter + 1);
	static_assert(UE_ARRAY_COUNT(BoldAdvances) == LastTableCharacter - FirstTableCharacter + 1);

	/** Any other character: half an em, and a wide one twice that, the em of a CJK font. */
	constexpr double OtherAdvanceEms = 0.5;

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

	double GetAdvanceEms(TCHAR Character, bool bBold)
	{
		if (Character >= FirstTableCharacter && Character <= LastTableCharacter)
		{
			const uint16* const Advances = bBold ? BoldAdvances : RegularAdvances;
			return double(Advances[Character - FirstTableCharacter]) / UnitsPerEm;
		}
		return IsWide(uint32(Character)) ? 2.0 * OtherAdvanceEms : OtherAdvanceEms;
	}
}

const FSlateFontMeasure& FSlateFontMeasure::Get()
{
	static const FSlateFontMeasure Measure;
	return Measure;
}

FVector2D FSlateFontMeasure::Measure(const FString& Text, const FSlateFontInfo& InFontInfo) const
{
	const bool bBold = InFontInfo.TypefaceFontName == TEXT("Bold");
	double Ems = 0.0;
	for (int32 Index = 0; Index < Text.Len(); ++Index)
	{
		const TCHAR Character = Text[Index];
		// A character beyond the basic plane is a surrogate pair: one glyph, counted at its first unit.
		if (!IsLowSurrogate(uint32(Character)))
		{
			Ems += GetAdvanceEms(Character, bBold);
		}
	}
	return FVector2D(Ems * InFontInfo.Size * PixelsPerPoint, GetMaxCharacterHeight(InFontInfo));
}

float FSlateFontMeasure::GetMaxCharacterHeight(const FSlateFontInfo& InFontInfo) const
{
	return float(InFontInfo.Size * PixelsPerPoint * LineHeightEms);
}
