#include "CoreMinimal.h"
#include "ExactText.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{
	class FStringTest : public ::testing::Test
	{
	};
}

TEST_F(FStringTest, EqualityOperatorsIgnoreCaseButEqualsDoesNot)
{
	const FString Lower(TEXT("launcherpath"));
	const FString Mixed(TEXT("LauncherPath"));
	EXPECT_TRUE(Lower == Mixed);
	EXPECT_FALSE(Lower != Mixed);
	EXPECT_TRUE(Lower == TEXT("LAUNCHERPATH"));
	EXPECT_TRUE(TEXT("LAUNCHERPATH") == Lower);
	EXPECT_EQ(GetTypeHash(Lower), GetTypeHash(Mixed));

	EXPECT_FALSE(Lower.Equals(Mixed));
	EXPECT_TRUE(Lower.Equals(Mixed, ESearchCase::IgnoreCase));
	EXPECT_FALSE(Lower == FString(TEXT("launcher")));
}

TEST_F(FStringTest, SearchingAndReplacingIgnoreCaseUnlessAsked)
{
	const FString Text(TEXT("Key=VALUE;key=value"));
	EXPECT_EQ(Text.Find(TEXT("value")), 4);
	EXPECT_EQ(Text.Find(TEXT("value"), ESearchCase::CaseSensitive), 14);
	EXPECT_EQ(Text.Find(TEXT("absent")), INDEX_NONE);
	EXPECT_TRUE(Text.Contains(TEXT("KEY=value")));
	EXPECT_TRUE(Text.StartsWith(TEXT("KEY")));
	EXPECT_FALSE(Text.StartsWith(TEXT("KEY"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(Text.EndsWith(TEXT("VALUE")));

	EXPECT_EQ(ExactText(Text.Replace(TEXT("key"), TEXT("k"))), u"k=VALUE;k=value");
	EXPECT_EQ(ExactText(Text.Replace(TEXT("key"), TEXT("k"), ESearchCase::CaseSensitive)), u"Key=VALUE;k=value");

	FString Inline = Text;
	EXPECT_EQ(Inline.ReplaceInline(TEXT("VALUE"), TEXT("v")), 2);
	EXPECT_EQ(ExactText(Inline), u"Key=v;key=v");
	EXPECT_EQ(Inline.ReplaceInline(TEXT("v"), TEXT("v"), ESearchCase::CaseSensitive), 0) << "the same text, case-sensitively, counts nothing";
	EXPECT_EQ(Inline.ReplaceInline(TEXT("V"), TEXT("V")), 2);
	EXPECT_EQ(ExactText(Text.Replace(TEXT(""), TEXT("x"))), ExactText(Text));
}

// UE 5.4 and 5.8, Core/Private/Containers/String.cpp.inl; UE 5.x Core/Private/String/ParseTokens.cpp
TEST_F(FStringTest, SubstringsSplitsAndTokensTakeTheEnginesEdges)
{
	const FString Text(TEXT("abcdef"));
	EXPECT_EQ(ExactText(Text.Mid(-2, 5)), u"abc") << "the end counts from the start asked for";
	EXPECT_EQ(ExactText(Text.Mid(4, 100)), u"ef");
	EXPECT_EQ(ExactText(Text.Mid(2, -1)), u"");
	EXPECT_EQ(ExactText(Text.Mid(9, 2)), u"");
	EXPECT_EQ(ExactText(Text.Mid(1, 0x7fffffff)), u"bcdef");
	EXPECT_EQ(ExactText(Text.Left(-3)), u"");
	EXPECT_EQ(ExactText(Text.Left(99)), u"abcdef");
	EXPECT_EQ(ExactText(Text.Right(-1)), u"");
	EXPECT_EQ(ExactText(Text.Right(2)), u"ef");
	EXPECT_EQ(ExactText(Text.LeftChop(99)), u"");
	EXPECT_EQ(ExactText(Text.RightChop(-5)), u"abcdef");

	const FString Repeated(TEXT("abcabc"));
	EXPECT_EQ(Repeated.Find(TEXT("c"), ESearchCase::IgnoreCase, ESearchDir::FromStart, 99), 5) << "a start past the end is pulled back onto the last character";
	EXPECT_EQ(Repeated.Find(TEXT("a"), ESearchCase::IgnoreCase, ESearchDir::FromStart, -4), 0);
	EXPECT_EQ(Repeated.Find(TEXT("B"), ESearchCase::IgnoreCase, ESearchDir::FromEnd), 4);
	EXPECT_EQ(Repeated.Find(TEXT("b"), ESearchCase::IgnoreCase, ESearchDir::FromEnd, 4), 1);
	EXPECT_EQ(Repeated.Find(TEXT(""), ESearchCase::IgnoreCase, ESearchDir::FromStart, 3), 3);
	EXPECT_EQ(Repeated.Find(TEXT(""), ESearchCase::IgnoreCase, ESearchDir::FromEnd), 5) << "backwards steps at least one character";
	EXPECT_EQ(FString().Find(TEXT(""), ESearchCase::IgnoreCase, ESearchDir::FromEnd), INDEX_NONE);
	EXPECT_FALSE(Repeated.StartsWith(TEXT("")));
	EXPECT_FALSE(Repeated.EndsWith(TEXT("")));
	EXPECT_FALSE(FString(TEXT("bc")).EndsWith(TEXT("abc")));

	FString Left(TEXT("kept"));
	FString Right(TEXT("kept"));
	EXPECT_FALSE(Repeated.Split(TEXT("x"), &Left, &Right));
	EXPECT_EQ(ExactText(Left + Right), u"keptkept") << "a failed split leaves the outputs alone";
	EXPECT_TRUE(Repeated.Split(TEXT("B"), &Left, &Right, ESearchCase::IgnoreCase, ESearchDir::FromEnd));
	EXPECT_EQ(ExactText(Left + TEXT("|") + Right), u"abca|c");

	struct FTokenCase
	{
		const TCHAR* Text;
		const TCHAR* Delimiter;
		bool bCullEmpty;
		const TCHAR* Expected;
	};
	const FTokenCase Tokens[] = {
		{TEXT("a,,b,"), TEXT(","), false, TEXT("[a][][b][]")},
		{TEXT("a,,b,"), TEXT(","), true, TEXT("[a][b]")},
		{TEXT("oneANDtwoandthree"), TEXT("and"), true, TEXT("[one][two][three]")},
		{TEXT("a b"), TEXT(""), false, TEXT("")},
		{TEXT(""), TEXT(","), false, TEXT("[]")},
		{TEXT(""), TEXT(","), true, TEXT("")},
	};
	for (const FTokenCase& Case : Tokens)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*FString::Printf(TEXT("'%s' by '%s'"), Case.Text, Case.Delimiter)));
		TArray<FString> Pieces;
		const int32 Count = FString(Case.Text).ParseIntoArray(Pieces, Case.Delimiter, Case.bCullEmpty);
		FString Joined;
		for (const FString& Piece : Pieces)
		{
			Joined += TEXT("[") + Piece + TEXT("]");
		}
		EXPECT_EQ(ExactText(Joined), ExactText(FString(Case.Expected)));
		EXPECT_EQ(Count, Pieces.Num());
	}
}

// UE 5.8, Core/Private/GenericPlatform/GenericWidePlatformString.cpp: strtol of the UTF-8 text
TEST_F(FStringTest, AtoiReadsAsStrtolDoesOnLinux)
{
	struct FCase
	{
		const TCHAR* Text;
		int64 Expected;
	};
	const FCase Cases[] = {
		{TEXT("12abc"), 12},
		{TEXT(" \t7"), 7},
		{TEXT("-"), 0},
		{TEXT("+5"), 5},
		{TEXT("0x1A"), 0},
		{TEXT("2147483648"), -2147483648LL},
		{TEXT("4294967297"), 1},
		{TEXT("abc"), 0},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Text));
		EXPECT_EQ(FCString::Atoi(Case.Text), Case.Expected);
	}
	EXPECT_EQ(FCString::Atoi64(TEXT("9223372036854775808")), std::numeric_limits<int64>::max()) << "strtoll saturates";
	EXPECT_EQ(FCString::Atoi64(TEXT("-12x")), -12);
	EXPECT_DOUBLE_EQ(FCString::Atod(TEXT("2.5e3xyz")), 2500.0);
}

TEST_F(FStringTest, ReverseSwapsCodeUnitsEvenInsideSurrogatePairs)
{
	// U+1F600 is the pair D83D DE00; reversal leaves it low half first.
	const FString Text(TEXT("ab\U0001F600c"));
	ASSERT_EQ(Text.Len(), 5);
	const std::u16string Expected = {u'c', char16_t(0xDE00), char16_t(0xD83D), u'b', u'a'};

	EXPECT_EQ(ExactText(Text.Reverse()), Expected);
	EXPECT_EQ(ExactText(FString(Text).Reverse()), Expected);
	FString InPlace = Text;
	InPlace.ReverseString();
	EXPECT_EQ(ExactText(InPlace), Expected);
	EXPECT_EQ(ExactText(InPlace.Reverse()), ExactText(Text));
	EXPECT_TRUE(FString().Reverse().IsEmpty());
}

// UE5, Core/Private/Misc/StringFormatter.cpp
TEST_F(FStringTest, PrintfAndFormatWriteIntegersWithoutGrouping)
{
	EXPECT_EQ(ExactText(FString::Printf(TEXT("[%d]"), 3)), u"[3]");
	EXPECT_EQ(ExactText(FString::Printf(TEXT("%s=%d"), TEXT("Count"), 1234567)), u"Count=1234567");
	const FString Name(TEXT("\u6c49\u5b57"));
	EXPECT_EQ(ExactText(FString::Printf(TEXT("<%s>"), *Name)), u"<\u6c49\u5b57>");

	EXPECT_EQ(ExactText(FString::Format(TEXT("[{0}]"), {1000})), u"[1000]");
	EXPECT_EQ(ExactText(FString::Format(TEXT("{1}-{0}-{1}"), {(int64)-1234567890123, TEXT("x")})), u"x--1234567890123-x");
	EXPECT_EQ(ExactText(FString::FromInt(-1000000)), u"-1000000");
}

// UE5, Core/Private/Containers/String.cpp
TEST_F(FStringTest, SanitizeFloatTrimsTrailingZeros)
{
	struct FCase
	{
		double Value;
		const char16_t* Expected;
	};
	const FCase Cases[] = {
		{1.0, u"1"},
		{0.1, u"0.1"},
		{3.14159265, u"3.141593"},
		{1e-7, u"0"},
		{-1e-7, u"-0"},
		{-0.0, u"0"},
		{1e20, u"100000000000000000000"},
		{-2.5, u"-2.5"},
		{1.2345678901234567e19, u"12345678901234567168"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Value);
		EXPECT_EQ(ExactText(FString::SanitizeFloat(Case.Value)), Case.Expected);
	}
	EXPECT_EQ(ExactText(FString::SanitizeFloat(1.5, 8)), u"1.50000000") << "padded past the six digits printed";
	EXPECT_EQ(ExactText(FString::SanitizeFloat(2.0, 1)), u"2.0");
	EXPECT_EQ(ExactText(FString::SanitizeFloat(std::numeric_limits<double>::infinity())), u"inf");
}

// UE 5.x, Core/Private/Misc/CString.cpp
TEST_F(FStringTest, ToBoolAcceptsWordsInAnyCaseThenNumbers)
{
	struct FCase
	{
		const TCHAR* Text;
		bool bExpected;
	};
	const FCase Cases[] = {
		{TEXT("True"), true},
		{TEXT("yes"), true},
		{TEXT("ON"), true},
		{TEXT("false"), false},
		{TEXT("No"), false},
		{TEXT("oFF"), false},
		{TEXT("1"), true},
		{TEXT("42"), true},
		{TEXT("0"), false},
		{TEXT("enabled"), false},
		{TEXT(""), false},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Text));
		EXPECT_EQ(FString(Case.Text).ToBool(), Case.bExpected);
	}
}
