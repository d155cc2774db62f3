#include "CoreMinimal.h"
#include "ExactText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

		static std::u16string FromUtf8Bytes(const std::string& Bytes)
		{
			const FUTF8ToTCHAR Converted(Bytes.data(), (int32)Bytes.size());
			return std::u16string(Converted.Get(), Converted.Length());
		}
	};

	struct FDecodingCase
	{
		const char* Name;
		std::string Bytes;
		std::u16string Expected;
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
	EXPECT_EQ(std::string(Prefix.Get(), Prefix.Length()), "abc");
}

// UE 5.4 and 5.8, Core/Public/Containers/StringConv.h (TStringConversion) and Core/Private/GenericPlatform/GenericPlatformString.cpp
TEST_F(FStringConvTest, Utf8WithALengthDecodesEveryByteAndInvalidSequencesBecomeQuestionMarks)
{
	using namespace std::string_literals;
	const FDecodingCase Cases[] = {
		{"ZeroInside", "before\0after"s, u"before\0after"s},
		{"ZeroFirst", "\0abc"s, u"\0abc"s},
		{"LastZeroIsTheTerminator", "abc\0"s, u"abc"},
		{"OnlyTheLastZeroIsTheTerminator", "a\0\0"s, u"a\0"s},
		{"FourBytesGiveASurrogatePair", "\xF0\x9F\x98\x80", u"\U0001F600"},
		{"LargestCodePoint", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
		{"ReplacementCharacterItself", "\xEF\xBF\xBD", u"\uFFFD"},
		{"LoneContinuationByte", "a\x80" "b", u"a?b"},
		{"TwoContinuationBytes", "\xBF\x80", u"??"},
		{"OverlongTwoBytes", "\xC0\xAF" "x", u"?x"},
		{"OverlongThreeBytes", "\xE0\x80\xAF" "x", u"?x"},
		{"OverlongFourBytes", "\xF0\x80\x80\xAF" "x", u"?x"},
		{"EncodedHighSurrogate", "\xED\xA0\x80" "x", u"?x"},
		{"EncodedLowSurrogate", "\xED\xBF\xBF" "x", u"?x"},
		{"NonCharacterFFFE", "\xEF\xBF\xBE", u"?"},
		{"NonCharacterFFFF", "\xEF\xBF\xBF", u"?"},
		{"AboveTheLastCodePoint", "\xF4\x90\x80\x80" "x", u"?x"},
		{"LeadF5", "\xF5\x80\x80\x80" "x", u"?x"},
		{"FiveByteForm", "\xF8\x88\x80\x80\x80" "x", u"?x"},
		{"SixByteForm", "\xFC\x84\x80\x80\x80\x80" "x", u"?x"},
		{"LeadFEAlone", "\xFE", u"?"},
		{"TruncatedAtTheEnd", "ab\xE2\x82", u"ab?"},
		{"TruncatedPairAtTheEnd", "\xF0\x9F\x98", u"?"},
		// UE 5.4 uses up the byte that breaks a sequence; 5.8 reads it again ("?A").
		{"BrokenByAnAsciiByte", "\xC3" "AB", u"?B"},
		{"BrokenAfterTwoBytes", "\xE2\x82" "AB", u"?B"},
		{"BrokenByALeadByte", "\xC3\xC3\xA9", u"??"},
		{"BrokenByAZero", "\xC3\0x"s, u"?x"},
	};
	for (const FDecodingCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		EXPECT_EQ(FromUtf8Bytes(Case.Bytes), Case.Expected);

		// The converter the engine sizes its buffers with agrees, the last zero included.
		const UTF8CHAR* const Bytes = reinterpret_cast<const UTF8CHAR*>(Case.Bytes.data());
		const int32 Length = FUTF8ToTCHAR_Convert::ConvertedLength(Bytes, (int32)Case.Bytes.size());
		std::u16string Converted(Length, u'#');
		FUTF8ToTCHAR_Convert::Convert(Converted.data(), Length, Bytes, (int32)Case.Bytes.size());
		const bool bEndsWithZero = !Case.Bytes.empty() && Case.Bytes.back() == '\0';
		EXPECT_EQ(Converted, bEndsWithZero ? Case.Expected + u'\0' : Case.Expected);
	}
}

TEST_F(FStringConvTest, OnlyTheFormWithoutALengthStopsAtAZeroAndNullStaysNull)
{
	const FUTF8ToTCHAR Terminated("ab\0cd");
	EXPECT_EQ(std::u16string(Terminated.Get(), Terminated.Length()), u"ab");
	EXPECT_EQ(std::u16string(UTF8_TO_TCHAR("ab\0cd")), u"ab");

	// UE 5.4 and 5.8, Core/Public/Containers/StringConv.h
	const FUTF8ToTCHAR FromNull((const ANSICHAR*)nullptr);
	EXPECT_EQ(FromNull.Get(), nullptr);
	EXPECT_EQ(FromNull.Length(), 0);
	const FTCHARToUTF8 FromNullWithLength((const TCHAR*)nullptr, 4);
	EXPECT_EQ(FromNullWithLength.Get(), nullptr);
	EXPECT_EQ(FromNullWithLength.Length(), 0);
	EXPECT_EQ(UTF8_TO_TCHAR(nullptr), nullptr);
	EXPECT_EQ(TCHAR_TO_UTF8(nullptr), nullptr);
}

// UE 5.4 and 5.8, Core/Private/GenericPlatform/GenericPlatformString.cpp (ConvertToUTF8)
TEST_F(FStringConvTest, Utf16WithALengthEncodesEveryUnitAndWhatUtf8CannotHoldBecomesAQuestionMark)
{
	struct FCase
	{
		const char* Name;
		std::u16string Text;
		std::string Expected;
	};
	using namespace std::string_literals;
	const FCase Cases[] = {
		{"ZeroInside", u"a\0b"s, "a\0b"s},
		{"LastZeroIsTheTerminator", u"ab\0"s, "ab"},
		{"NonCharacters", u"\uFFFE\uFFFF\uFFFD", "??\xEF\xBF\xBD"},
		{"HighHalfAtTheEnd", {u'a', char16_t(0xD800)}, "a?"},
		{"HighHalfBeforeAnotherHighHalf", {char16_t(0xD83D), char16_t(0xD83D), char16_t(0xDE00)}, "?\xF0\x9F\x98\x80"},
		{"EdgesOfTheEncodings", u"\u007F\u0080\u07FF\u0800\U00010000", "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xF0\x90\x80\x80"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const FTCHARToUTF8 Converted(Case.Text.data(), (int32)Case.Text.size());
		EXPECT_EQ(std::string(Converted.Get(), Converted.Length()), Case.Expected);
	}

	// The raw converter, which request bodies go through, keeps a last zero.
	const std::u16string WithZero = u"ab\0"s;
	const int32 Length = FTCHARToUTF8_Convert::ConvertedLength(WithZero.data(), 3);
	std::string Bytes(Length, '#');
	EXPECT_EQ(FTCHARToUTF8_Convert::Convert(Bytes.data(), Length, WithZero.data(), 3), 3);
	EXPECT_EQ(Bytes, "ab\0"s);
	EXPECT_EQ(FTCHARToUTF8_Convert::Convert(Bytes.data(), 2, WithZero.data(), 3), -1);
}

// UE 5.4 and 5.8, Core/Public/GenericPlatform/GenericPlatformString.h (Convert between fixed-width types)
TEST_F(FStringConvTest, AnsiIsNotUtf8)
{
	EXPECT_EQ(std::string(TCHAR_TO_ANSI(TEXT("\u00e9\u6c49a"))), "??a");
	const auto ToAnsi = StringCast<ANSICHAR>(TEXT("ab\0"), 3);
	EXPECT_EQ(std::string(ToAnsi.Get(), ToAnsi.Length()), "ab");

	// A byte widens as the signed char it is: 0xE9 gives U+FFE9, not U+00E9.
	EXPECT_EQ(std::u16string(ANSI_TO_TCHAR("\xE9" "a")), u"\uFFE9a");
	EXPECT_EQ(ExactText(FString("\xE9" "a")), u"\uFFE9a");

	const auto ToUtf8 = StringCast<UTF8CHAR>(TEXT("\u00e9"));
	EXPECT_EQ(std::string(reinterpret_cast<const char*>(ToUtf8.Get()), ToUtf8.Length()), "\xC3\xA9");
	const auto FromUtf8 = StringCast<TCHAR>(u8"\u00e9\xC3");
	EXPECT_EQ(std::u16string(FromUtf8.Get(), FromUtf8.Length()), u"\u00e9?");
	const TCHAR* const Source = TEXT("xy\0");
	const auto Same = StringCast<TCHAR>(Source, 3);
	EXPECT_EQ(Same.Get(), Source);
	EXPECT_EQ(Same.Length(), 2);
}

// UE 5.4 and 5.8, Core/Private/Containers/String.cpp.inl (ConstructFromPtrSize: StringFromBufferTests.cpp)
TEST_F(FStringConvTest, TheCountConstructorGivesNothingForALeadingZero)
{
	using namespace std::string_literals;
	const std::u16string Zeros = u"\0a\0b"s;
	PRAGMA_DISABLE_DEPRECATION_WARNINGS
	EXPECT_EQ(ExactText(FString(4, Zeros.data())), u"");
	EXPECT_EQ(ExactText(FString(3, Zeros.data() + 1)), u"a\0b"s);
	EXPECT_EQ(ExactText(FString(3, (const TCHAR*)nullptr)), u"");
	EXPECT_EQ(ExactText(FString(2, "\0a")), u"");
	PRAGMA_ENABLE_DEPRECATION_WARNINGS
}
