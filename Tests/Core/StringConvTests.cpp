#include "CoreMinimal.h"
#include "ExactText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
	class FStringConvTest : public ::testing::Test
	{
	protected:
		static std::string ToUtf8Bytes(const TCHAR* Text)
		{
			const FTCHARToUTF8 Converted(Text);
			return std::string(Converted.Get(), Converted.Length());
		}
	};
}

TEST_F(FStringConvTest, RoundTripsChineseAndCharactersBeyondTheBasicPlane)
{
	struct FCase
	{
		const TCHAR* Text;
		const char* Utf8;
	};
	const FCase Cases[] = {
		{TEXT("plain"), "plain"},
		{TEXT("\u542f\u52a8\u5668"), "\xE5\x90\xAF\xE5\x8A\xA8\xE5\x99\xA8"},
		{TEXT("\u00e9"), "\xC3\xA9"},
		{TEXT("a\U0001F600b"), "a\xF0\x9F\x98\x80" "b"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Utf8);
		EXPECT_EQ(ToUtf8Bytes(Case.Text), Case.Utf8);
		EXPECT_EQ(ExactText(FString(UTF8_TO_TCHAR(Case.Utf8))), ExactText(Case.Text));
		EXPECT_EQ(std::string(TCHAR_TO_UTF8(Case.Text)), Case.Utf8);
	}
}

TEST_F(FStringConvTest, LoneSurrogatesBecomeQuestionMarks)
{
	const TCHAR LoneHigh[] = {u'x', char16_t(0xD83D), u'y', 0};
	const TCHAR LoneLow[] = {char16_t(0xDE00), u'z', 0};
	const TCHAR Swapped[] = {char16_t(0xDE00), char16_t(0xD83D), 0};
	EXPECT_EQ(ToUtf8Bytes(LoneHigh), "x?y");
	EXPECT_EQ(ToUtf8Bytes(LoneLow), "?z");
	EXPECT_EQ(ToUtf8Bytes(Swapped), "??");
}

TEST_F(FStringConvTest, LengthsCountUnitsOfTheTargetEncoding)
{
	const FTCHARToUTF8 ToUtf8(TEXT("\u6c49a\U0001F600"));
	EXPECT_EQ(ToUtf8.Length(), 3 + 1 + 4);
	const FUTF8ToTCHAR FromUtf8("\xE6\xB1\x89" "a\xF0\x9F\x98\x80");
	EXPECT_EQ(FromUtf8.Length(), 1 + 1 + 2);
	const FTCHARToUTF8 Prefix(TEXT("abcdef"), 3);
	EXPECT_EQ(std::string(Prefix.Get()), "abc");
}
