#include "CoreMinimal.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
	class FNameTest : public ::testing::Test
	{
	};

	struct FSplitCase
	{
		const TCHAR* Text;
		const TCHAR* Plain;
		int32 Number;
	};

	/** Text of exactly Length characters, unique to the caller's Prefix so names from other tests don't interfere. */
	FString MakeText(const TCHAR* Prefix, int32 Length)
	{
		FString Text(Prefix);
		return Text + FString::ChrN(Length - Text.Len(), TEXT('x'));
	}
}

TEST_F(FNameTest, ComparisonAndHashIgnoreCase)
{
	const FName PinName(TEXT("OutputPin"));
	EXPECT_EQ(PinName, FName(TEXT("outputpin")));
	EXPECT_EQ(PinName, FName("OUTPUTPIN"));
	EXPECT_EQ(PinName, FName(FString(TEXT("OutputPIN"))));
	EXPECT_NE(PinName, FName(TEXT("OutputPins")));
	EXPECT_EQ(GetTypeHash(PinName), GetTypeHash(FName(TEXT("outputPIN"))));

	TMap<FName, int32> ByName;
	ByName.Add(PinName, 1);
	ASSERT_NE(ByName.Find(FName(TEXT("OUTPUTpin"))), nullptr);
}

TEST_F(FNameTest, FindReturnsNoneForNamesNeverCreated)
{
	EXPECT_TRUE(FName(TEXT("CoreTests_NeverCreatedName"), FNAME_Find).IsNone());

	const FName Created(TEXT("CoreTests_CreatedName"));
	const FName Found(TEXT("COREtests_createdNAME"), FNAME_Find);
	EXPECT_FALSE(Found.IsNone());
	EXPECT_EQ(Found, Created);
}

// UE 5.4 and 5.8, Core/Private/UObject/UnrealNames.cpp (the number split) and Core/Public/UObject/NameTypes.h
TEST_F(FNameTest, TrailingNumberIsSplitOffAsTheEngineDoes)
{
	const FSplitCase Cases[] = {
		{TEXT("Key_1"), TEXT("Key"), NAME_EXTERNAL_TO_INTERNAL(1)},
		{TEXT("Key_0"), TEXT("Key"), NAME_EXTERNAL_TO_INTERNAL(0)},
		{TEXT("Key_10"), TEXT("Key"), NAME_EXTERNAL_TO_INTERNAL(10)},
		{TEXT("Text_1_0"), TEXT("Text_1"), NAME_EXTERNAL_TO_INTERNAL(0)},
		{TEXT("Key__7"), TEXT("Key_"), NAME_EXTERNAL_TO_INTERNAL(7)},
		{TEXT("Key_2147483646"), TEXT("Key"), NAME_EXTERNAL_TO_INTERNAL(2147483646)},
		// A leading zero, a number that does not fit, more than ten digits or no underscore keep the text whole.
		{TEXT("Key_01"), TEXT("Key_01"), NAME_NO_NUMBER_INTERNAL},
		{TEXT("Key_00"), TEXT("Key_00"), NAME_NO_NUMBER_INTERNAL},
		{TEXT("Key_2147483647"), TEXT("Key_2147483647"), NAME_NO_NUMBER_INTERNAL},
		{TEXT("Key_12345678901"), TEXT("Key_12345678901"), NAME_NO_NUMBER_INTERNAL},
		{TEXT("Key_-1"), TEXT("Key_-1"), NAME_NO_NUMBER_INTERNAL},
		{TEXT("Key_"), TEXT("Key_"), NAME_NO_NUMBER_INTERNAL},
		{TEXT("Key1"), TEXT("Key1"), NAME_NO_NUMBER_INTERNAL},
		{TEXT("Key_1x"), TEXT("Key_1x"), NAME_NO_NUMBER_INTERNAL},
	};
	for (const FSplitCase& Case : Cases)
	{
		SCOPED_TRACE(testing::Message() << TCHAR_TO_UTF8(Case.Text));
		const FName Name(Case.Text);
		EXPECT_TRUE(Name.GetPlainNameString().Equals(Case.Plain));
		EXPECT_EQ(Name.GetNumber(), Case.Number);
		// Whatever was split, the text comes back exactly as written.
		EXPECT_TRUE(Name.ToString().Equals(Case.Text));
		EXPECT_EQ(Name, FName(Case.Text, FNAME_Find));
		EXPECT_TRUE(Name == Case.Text);
	}
}

// UE 5.4 and 5.8, Core/Public/UObject/NameTypes.h (operator== and Compare use the number)
TEST_F(FNameTest, NumberedNamesCompareByTextThenNumber)
{
	const FName KeyOne(TEXT("CoreTests_Key_1"));
	EXPECT_EQ(KeyOne, FName(TEXT("coretests_KEY_1")));
	EXPECT_EQ(GetTypeHash(KeyOne), GetTypeHash(FName(TEXT("CORETESTS_key_1"))));
	EXPECT_NE(KeyOne, FName(TEXT("CoreTests_Key_2")));
	EXPECT_NE(KeyOne, FName(TEXT("CoreTests_Key_01")));
	EXPECT_NE(KeyOne, FName(TEXT("CoreTests_Key")));
	EXPECT_FALSE(KeyOne == TEXT("CoreTests_Key_01"));
	EXPECT_FALSE(KeyOne == TEXT("CoreTests_Key"));

	TMap<FName, int32> ByName;
	ByName.Add(KeyOne, 1);
	ByName.Add(FName(TEXT("CoreTests_Key_2")), 2);
	EXPECT_EQ(ByName.Num(), 2);

	// The same text orders by number, not by the digits' characters.
	EXPECT_TRUE(FName(TEXT("CoreTests_Key_2")).LexicalLess(FName(TEXT("CoreTests_Key_10"))));
	EXPECT_TRUE(FName(TEXT("CoreTests_Key_10")).LexicalLess(FName(TEXT("CoreTests_Keys"))));
}

// UE 5.4 and 5.8, Core/Private/UObject/UnrealNames.cpp ("_<n>" alone and "None" in any case are None)
TEST_F(FNameTest, NoneSpellingsAreNone)
{
	const TCHAR* const NoneTexts[] = {TEXT(""), TEXT("None"), TEXT("none"), TEXT("NONE"), TEXT("_1"), TEXT("_0"), TEXT("_25"), TEXT("_2147483646")};
	for (const TCHAR* const Text : NoneTexts)
	{
		SCOPED_TRACE(testing::Message() << '"' << TCHAR_TO_UTF8(Text) << '"');
		EXPECT_TRUE(FName(Text).IsNone());
		EXPECT_EQ(FName(Text), NAME_None);
		EXPECT_TRUE(FName() == Text);
	}
	EXPECT_TRUE(FName(static_cast<const TCHAR*>(nullptr)).IsNone());
	EXPECT_TRUE(FName("_3").IsNone());

	// "None_<n>" keeps its number, so it is a name of its own; "_01" and "_" are no number at all.
	const TCHAR* const NamedTexts[] = {TEXT("None_0"), TEXT("none_1"), TEXT("_01"), TEXT("_"), TEXT("_2147483647"), TEXT("Nonexistent")};
	for (const TCHAR* const Text : NamedTexts)
	{
		SCOPED_TRACE(testing::Message() << '"' << TCHAR_TO_UTF8(Text) << '"');
		EXPECT_FALSE(FName(Text).IsNone());
		EXPECT_NE(FName(Text), FName());
		EXPECT_FALSE(FName() == Text);
		EXPECT_TRUE(FName(Text).ToString().Equals(Text));
	}
	EXPECT_NE(FName(TEXT("None_0")), FName(TEXT("None_1")));
}

// UE 5.4 and 5.8, Core/Private/UObject/UnrealNames.cpp (FNamePool::Store keeps each spelling for display)
TEST_F(FNameTest, NoneShowsTheSpellingItWasMadeFrom)
{
	EXPECT_TRUE(FName().ToString().Equals(TEXT("None")));
	EXPECT_TRUE(FName(TEXT("nONe")).ToString().Equals(TEXT("nONe")));
	EXPECT_TRUE(FName(TEXT("nONe_3")).ToString().Equals(TEXT("nONe_3")));
	EXPECT_EQ(FName(TEXT("nONe")), FName(TEXT("None")));
}

// UE 5.4 and 5.8, Core/Private/UObject/UnrealNames.cpp (FNAME_Find looks up the text only)
TEST_F(FNameTest, FindKeepsTheNumberOfTextItDidNotFind)
{
	const FName Missing(TEXT("CoreTests_NeverMade_3"), FNAME_Find);
	EXPECT_FALSE(Missing.IsNone());
	EXPECT_EQ(Missing.GetNumber(), NAME_EXTERNAL_TO_INTERNAL(3));
	EXPECT_TRUE(Missing.ToString().Equals(TEXT("None_3")));
	EXPECT_TRUE(FName(TEXT("CoreTests_NeverMade"), FNAME_Find).IsNone());

	const FName Made(TEXT("CoreTests_Made_1"));
	EXPECT_EQ(FName(TEXT("COREtests_MADE_1"), FNAME_Find), Made);
	EXPECT_TRUE(FName(TEXT("CoreTests_Made_2"), FNAME_Find).GetPlainNameString().Equals(Made.GetPlainNameString()));
}

TEST_F(FNameTest, LengthConstructorReadsOnlyItsLength)
{
	EXPECT_EQ(FName(4, TEXT("UsedUnused")), FName(TEXT("Used")));
	EXPECT_EQ(FName(6, TEXT("Used_01")), FName(TEXT("Used_0")));
	EXPECT_EQ(FName(8, TEXT("Used_123_456")), FName(TEXT("Used_123")));
	EXPECT_TRUE(FName(0, TEXT("Unused")).IsNone());
	EXPECT_TRUE(FName(2, TEXT("_7x")).IsNone());
}

// UE 5.4 and 5.8, Core/Public/UObject/NameTypes.h (NAME_SIZE) and Core/Private/UObject/UnrealNames.cpp (checkf)
TEST_F(FNameTest, TextUpToTheLimitIsKept)
{
	const FString Longest = MakeText(TEXT("CoreTests_Longest"), NAME_SIZE - 1);
	EXPECT_TRUE(FName(*Longest).ToString().Equals(Longest));

	// The number does not count towards the limit.
	const FString LongestNumbered = Longest + TEXT("_2000000000");
	const FName Numbered(*LongestNumbered);
	EXPECT_TRUE(Numbered.GetPlainNameString().Equals(Longest));
	EXPECT_TRUE(Numbered.ToString().Equals(LongestNumbered));

	// Looking up longer text finds nothing and asserts nothing.
	const FString TooLong = MakeText(TEXT("CoreTests_TooLong"), NAME_SIZE);
	EXPECT_TRUE(FName(*TooLong, FNAME_Find).IsNone());
	EXPECT_EQ(FName(*(TooLong + TEXT("_4")), FNAME_Find).GetNumber(), NAME_EXTERNAL_TO_INTERNAL(4));
}

TEST_F(FNameTest, AddingLongerTextAsserts)
{
	const FString TooLong = MakeText(TEXT("CoreTests_TooLong"), NAME_SIZE);
	EXPECT_DEATH((void)FName(*TooLong), "at most 1023 characters");
	EXPECT_DEATH((void)FName(TooLong), "at most 1023 characters");
	EXPECT_DEATH((void)FName(TooLong.Len(), *TooLong), "at most 1023 characters");
	EXPECT_DEATH((void)FName(TCHAR_TO_UTF8(*TooLong)), "at most 1023 characters");
	// "_01" is no number, so it stays part of the text.
	EXPECT_DEATH((void)FName(*(MakeText(TEXT("CoreTests_Padded"), NAME_SIZE - 1) + TEXT("_01"))), "has 1026");
}

// UE 5.4 and 5.8, Core/Private/UObject/UnrealNames.cpp (FName::NameToDisplayString, the same in both)
TEST_F(FNameTest, DisplayStringSpacesNamesAsTheEditorShowsThem)
{
	struct FDisplayCase
	{
		const TCHAR* Name;
		bool bIsBool;
		const TCHAR* Shown;
	};
	const FDisplayCase Cases[] = {
		{TEXT("OnSuccess"), false, TEXT("On Success")},
		{TEXT("OnFail"), false, TEXT("On Fail")},
		{TEXT("AppKey"), false, TEXT("App Key")},
		{TEXT("launcherPath"), false, TEXT("Launcher Path")},
		// A bool's "b" goes only when a capital follows it, and only for a bool.
		{TEXT("bIsValid"), true, TEXT("Is Valid")},
		{TEXT("bIsValid"), false, TEXT("B Is Valid")},
		{TEXT("bool"), true, TEXT("Bool")},
		{TEXT("b"), true, TEXT("B")},
		// Capitals and digits in a row stay one word, so only a capital after lower case starts a word.
		{TEXT("HTTPRequest"), false, TEXT("HTTPRequest")},
		{TEXT("ZOVAHttpRequest"), false, TEXT("ZOVAHttp Request")},
		{TEXT("APIPort"), false, TEXT("APIPort")},
		{TEXT("DrawScale3D"), false, TEXT("Draw Scale 3D")},
		{TEXT("Player2Name"), false, TEXT("Player 2Name")},
		{TEXT("A1B2"), false, TEXT("A1B2")},
		// A number keeps its sign and point; a bracket is no parenthesis.
		{TEXT("Speed1.5x"), false, TEXT("Speed 1.5x")},
		{TEXT("Value-1"), false, TEXT("Value-1")},
		{TEXT("Key (2)"), false, TEXT("Key (2)")},
		{TEXT("[0]"), false, TEXT("[ 0]")},
		{TEXT("(abc)"), false, TEXT("(Abc)")},
		// An underscore is a space, also a leading one; each word starts with a capital.
		{TEXT("K2_GetActorLocation"), false, TEXT("K2 Get Actor Location")},
		{TEXT("my_var_name"), false, TEXT("My Var Name")},
		{TEXT("_Private"), false, TEXT(" Private")},
		{TEXT("Version1_2"), false, TEXT("Version 1 2")},
		{TEXT("already spaced"), false, TEXT("Already Spaced")},
		// Short words stay lower case inside the name, not first, not last, not as the start of a longer word.
		{TEXT("IntToString"), false, TEXT("Int to String")},
		{TEXT("WaitForTheEnd"), false, TEXT("Wait for the End")},
		{TEXT("SwitchOnInt"), false, TEXT("Switch on Int")},
		{TEXT("SwitchOn"), false, TEXT("Switch On")},
		{TEXT("InJson"), false, TEXT("In Json")},
		{TEXT("GoOnce"), false, TEXT("Go Once")},
		// Letters without case (Chinese) neither start nor end a run.
		{TEXT("ZOVA启动器API"), false, TEXT("ZOVA启动器API")},
		{TEXT("中文Name"), false, TEXT("中文 Name")},
		{TEXT(""), false, TEXT("")},
	};
	for (const FDisplayCase& Case : Cases)
	{
		SCOPED_TRACE(testing::Message() << '"' << TCHAR_TO_UTF8(Case.Name) << (Case.bIsBool ? "\" as a bool" : "\""));
		EXPECT_EQ(std::string(TCHAR_TO_UTF8(*FName::NameToDisplayString(Case.Name, Case.bIsBool))), std::string(TCHAR_TO_UTF8(Case.Shown)));
	}
}
