#include "CoreMinimal.h"
#include "ExactText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
	class FStringFromBufferTest : public ::testing::Test
	{
	protected:
		/** "a", NUL, "bc": a buffer with a zero inside. */
		static FString WithZeroInside()
		{
			static const TCHAR Buffer[] = {TEXT('a'), 0, TEXT('b'), TEXT('c')};
			return FString::ConstructFromPtrSize(Buffer, UE_ARRAY_COUNT(Buffer));
		}
	};
}

// UE 5.4 and 5.8, Core/Private/Containers/String.cpp.inl (ConstructFromPtrSize converts exactly Size characters)
TEST_F(FStringFromBufferTest, EveryCharacterOfTheBufferIsKeptZerosIncluded)
{
	const TCHAR Buffer[] = {0, TEXT('x'), 0, TEXT('y'), TEXT('z')};
	EXPECT_EQ(ExactText(FString::ConstructFromPtrSize(Buffer, 5)), std::u16string(u"\0x\0yz", 5)) << "a leading zero does not empty the string";
	EXPECT_EQ(ExactText(FString::ConstructFromPtrSize(Buffer + 1, 2)), std::u16string(u"x\0", 2));
	EXPECT_EQ(ExactText(FString::ConstructFromPtrSize(TEXT("xyz"), 2)), u"xy");
	EXPECT_TRUE(FString::ConstructFromPtrSize(Buffer, 0).IsEmpty());
	EXPECT_TRUE(FString::ConstructFromPtrSize(static_cast<const TCHAR*>(nullptr), 0).IsEmpty());
}

// UE 5.4, Core/Public/Containers/UnrealString.h.inl (ConstructFromPtrSize for UTF8CHAR keeps zeros)
TEST_F(FStringFromBufferTest, UtfEightBuffersConvertAsTheConverterDoesZerosIncluded)
{
	const std::string Cases[] = {
		std::string("\0x\0y", 4),
		"plain ascii",
		"\xE4\xBD\xA0\xE5\xA5\xBD \xF0\x9F\x98\x80 wide",
		"broken \xC3 and \xE4\xBD and \xFF tail",
		std::string(5000, '\xE5') + "end",
		std::string(3000, 'a') + "\xF0\x9F\x98\x80",
	};
	for (const std::string& Bytes : Cases)
	{
		SCOPED_TRACE(Bytes.substr(0, 40));
		const UTF8CHAR* const Ptr = reinterpret_cast<const UTF8CHAR*>(Bytes.data());
		const FUTF8ToTCHAR Converted(Ptr, (int32)Bytes.size());
		const FString Text = FString::ConstructFromPtrSize(Ptr, (int32)Bytes.size());
		EXPECT_EQ(ExactText(Text), std::u16string(Converted.Get(), Converted.Length()));
		EXPECT_EQ(Text.GetCharArray().Num(), Converted.Length() + 1) << "one terminator, nothing after it";
	}
	EXPECT_TRUE(FString::ConstructFromPtrSize(static_cast<const UTF8CHAR*>(nullptr), 0).IsEmpty());
}

TEST_F(FStringFromBufferTest, ANullBufferOrANegativeSizeAsserts)
{
	EXPECT_DEATH((void)FString::ConstructFromPtrSize(static_cast<const TCHAR*>(nullptr), 1), "null buffer");
	EXPECT_DEATH((void)FString::ConstructFromPtrSize(static_cast<const UTF8CHAR*>(nullptr), 1), "null buffer");
	EXPECT_DEATH((void)FString::ConstructFromPtrSize(TEXT("xyz"), -1), "-1 characters");
}

// UE 5.4 and 5.8, Core/Public/Containers/UnrealString.h.inl (Left) and Core/Private/Containers/String.cpp.inl (RightChop, Mid)
TEST_F(FStringFromBufferTest, PiecesByCountKeepZerosButRightStopsAtOne)
{
	const FString Text = WithZeroInside();
	ASSERT_EQ(Text.Len(), 4);
	EXPECT_EQ(ExactText(Text.Left(3)), std::u16string(u"a\0b", 3));
	EXPECT_EQ(ExactText(Text.LeftChop(1)), std::u16string(u"a\0b", 3));
	EXPECT_EQ(ExactText(Text.RightChop(1)), std::u16string(u"\0bc", 3));
	EXPECT_EQ(ExactText(Text.Mid(1, 2)), std::u16string(u"\0b", 2));
	// Right reads its piece as a C string, so it ends at the zero.
	EXPECT_EQ(ExactText(Text.Right(2)), u"bc");
	EXPECT_EQ(ExactText(Text.Right(3)), u"");
}
