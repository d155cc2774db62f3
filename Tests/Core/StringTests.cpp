#include "CoreMinimal.h"
#include "ExactText.h"

#include <gtest/gtest.h>

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
		{-0.0, u"0"},
		{-2.5, u"-2.5"},
		{1.2345678901234567e19, u"12345678901234567168"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Value);
		EXPECT_EQ(ExactText(FString::SanitizeFloat(Case.Value)), Case.Expected);
	}
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
