#include "JsonTextCheckCases.h"
#include "ZOVAJsonTextCheck.h"

#include <gtest/gtest.h>

// The check looks at a character's low byte first and compares the whole character only when that
// byte is one it stops at. A character that merely shares a low byte with a quote, a backslash, a
// bracket, an 'n' or the terminator is ordinary text, wherever it falls in a round of four.

using namespace JsonTextCheckCases;

namespace
{
	FString Char(TCHAR Unit)
	{
		return FString::ConstructFromPtrSize(&Unit, 1);
	}

	/** Text with the character in it that the check lets through, and refuses when the stop itself stands there instead. */
	struct FLookAlike
	{
		const char* Name;
		TCHAR Stop;
		TCHAR LookAlike;
		FString (*MakeText)(TCHAR Unit);
	};

	FString BeforeBracketsInAString(TCHAR Unit)
	{
		return TEXT("[\"") + Char(Unit) + NestedArrays(Limit) + TEXT("\"]");
	}

	FString AloneInAString(TCHAR Unit)
	{
		return TEXT("[\"") + Char(Unit) + TEXT("\"]");
	}

	FString AsOpeners(TCHAR Unit)
	{
		return TEXT("[") + FString::ChrN(Limit, Unit) + TEXT("]");
	}

	FString AsCloser(TCHAR Unit)
	{
		return TEXT("[") + Char(Unit) + TEXT("]");
	}

	FString StartingANaN(TCHAR Unit)
	{
		return TEXT("[") + Char(Unit) + TEXT("aN]");
	}

	FString EndingANaN(TCHAR Unit)
	{
		return TEXT("[Na") + Char(Unit) + TEXT("]");
	}

	const FLookAlike LookAlikes[] = {
		{"a quote's low byte does not end a string", '"', 0x4E22, &BeforeBracketsInAString},
		{"a quote's low byte does not end a string (Latin)", '"', 0x0122, &BeforeBracketsInAString},
		{"a backslash's low byte escapes nothing", '\\', 0x4E5C, &AloneInAString},
		{"a backslash's low byte escapes nothing (Latin)", '\\', 0x015C, &AloneInAString},
		{"an opener's low byte opens no level", '[', 0x015B, &AsOpeners},
		{"an opener's low byte opens no level (curly)", '{', 0x017B, &AsOpeners},
		{"a closer's low byte closes nothing", '}', 0x017D, &AsCloser},
		{"a closer's low byte closes nothing (square)", ']', 0x015D, &AsCloser},
		{"an 'n' by its low byte starts no NaN", 'n', 0x016E, &StartingANaN},
		{"an 'N' by its low byte starts no NaN", 'N', 0x014E, &StartingANaN},
		{"an 'n' by its low byte ends no NaN", 'n', 0x016E, &EndingANaN},
	};
}

TEST(JsonTextCheckScanTest, CharactersThatShareALowByteWithAStopAreOrdinaryText)
{
	for (const FLookAlike& Case : LookAlikes)
	{
		SCOPED_TRACE(Case.Name);
		EXPECT_FALSE(ZOVAJsonTextCheck::IsRefused(Case.MakeText(Case.LookAlike)));
		EXPECT_TRUE(ZOVAJsonTextCheck::IsRefused(Case.MakeText(Case.Stop))) << "the text tells the stop from its look-alike";
	}

	// The terminator's low byte ends neither the text nor a string.
	for (const TCHAR LookAlike : {TCHAR(0x4E00), TCHAR(0x0100)})
	{
		SCOPED_TRACE(int32(LookAlike));
		EXPECT_TRUE(ZOVAJsonTextCheck::IsRefused(TEXT("[") + Char(LookAlike) + NestedArrays(Limit) + TEXT("]")));
		EXPECT_FALSE(ZOVAJsonTextCheck::IsRefused(AloneInAString(LookAlike)));
		EXPECT_TRUE(ZOVAJsonTextCheck::IsRefused(TEXT("[\"") + Char(LookAlike)));
	}
}

TEST(JsonTextCheckScanTest, StopsAreFoundAtEveryPlaceInARoundOfFour)
{
	for (int32 Lead = 0; Lead < 8; ++Lead)
	{
		SCOPED_TRACE(Lead);
		const FString Padding = FString::ChrN(Lead, 'x');
		const FString LookAlikePadding = FString::ChrN(Lead, TCHAR(0x4E22));
		EXPECT_TRUE(ZOVAJsonTextCheck::IsRefused(TEXT("[\"") + Padding + TEXT("\",") + NestedArrays(Limit) + TEXT("]")));
		EXPECT_FALSE(ZOVAJsonTextCheck::IsRefused(TEXT("[\"") + LookAlikePadding + NestedArrays(Limit) + TEXT("\"]")));
		EXPECT_FALSE(ZOVAJsonTextCheck::IsRefused(TEXT("[") + Padding + TEXT("\"") + LookAlikePadding + TEXT("\"]")));
		EXPECT_TRUE(ZOVAJsonTextCheck::IsRefused(TEXT("[") + Padding + TEXT("}")));
		EXPECT_TRUE(ZOVAJsonTextCheck::IsRefused(TEXT("[") + Padding + TEXT("nan]")));
		EXPECT_TRUE(ZOVAJsonTextCheck::IsRefused(TEXT("[\"") + Padding + TEXT("\\")));
		EXPECT_TRUE(ZOVAJsonTextCheck::IsRefused(TEXT("[\"") + LookAlikePadding));
		EXPECT_FALSE(ZOVAJsonTextCheck::IsRefused(TEXT("[") + Padding + TEXT("]")));
	}
}

TEST(JsonTextCheckScanTest, ANulInTheTextIsOrdinaryTextWhereverItIs)
{
	const TCHAR Units[] = {'[', '"', 'a', 0, '"', ',', 0, '1', ']'};
	EXPECT_FALSE(ZOVAJsonTextCheck::IsRefused(FString::ConstructFromPtrSize(Units, UE_ARRAY_COUNT(Units))));
	const TCHAR Unclosed[] = {'[', '"', 'a', 0};
	EXPECT_TRUE(ZOVAJsonTextCheck::IsRefused(FString::ConstructFromPtrSize(Unclosed, UE_ARRAY_COUNT(Unclosed)))) << "a NUL before the end does not end the string";
	const TCHAR Deep[] = {'[', 0, '['};
	EXPECT_FALSE(ZOVAJsonTextCheck::IsRefused(FString::ConstructFromPtrSize(Deep, UE_ARRAY_COUNT(Deep)) + NestedArrays(Limit - 2)));
	EXPECT_TRUE(ZOVAJsonTextCheck::IsRefused(FString::ConstructFromPtrSize(Deep, UE_ARRAY_COUNT(Deep)) + NestedArrays(Limit - 1))) << "levels go on counting after a NUL";
}
