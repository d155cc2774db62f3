#include "CoreMinimal.h"
#include "ExactText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
	class FContainerTest : public ::testing::Test
	{
	protected:
		static std::vector<std::u16string> KeysOf(const TMap<FString, int32>& Map)
		{
			std::vector<std::u16string> Keys;
			for (const TPair<FString, int32>& Pair : Map)
			{
				Keys.push_back(ExactText(Pair.Key));
			}
			return Keys;
		}
	};
}

// UE5, Core/Public/Containers/UnrealString.h
TEST_F(FContainerTest, StringArraySearchIgnoresCaseAndRemoveTakesEveryMatch)
{
	TArray<FString> Names = {TEXT("Alpha"), TEXT("beta"), TEXT("ALPHA"), TEXT("Gamma"), TEXT("alpha")};
	EXPECT_EQ(Names.Find(TEXT("alpha")), 0);
	EXPECT_EQ(Names.Find(TEXT("GAMMA")), 3);
	EXPECT_EQ(Names.Find(TEXT("delta")), INDEX_NONE);
	EXPECT_TRUE(Names.Contains(TEXT("BETA")));

	EXPECT_EQ(Names.Remove(TEXT("aLpHa")), 3);
	ASSERT_EQ(Names.Num(), 2);
	EXPECT_EQ(ExactText(Names[0]), u"beta");
	EXPECT_EQ(ExactText(Names[1]), u"Gamma");
	EXPECT_EQ(Names.Remove(TEXT("alpha")), 0);
}

TEST_F(FContainerTest, MapKeepsInsertionOrderAndReplacesInPlace)
{
	TMap<FString, int32> Map;
	Map.Add(TEXT("One"), 1);
	Map.Add(TEXT("Two"), 2);
	Map.Add(TEXT("Three"), 3);
	EXPECT_EQ(KeysOf(Map), (std::vector<std::u16string>{u"One", u"Two", u"Three"}));

	// A key that compares equal replaces the whole pair, spelling included, in its old slot.
	Map.Add(TEXT("TWO"), 20);
	EXPECT_EQ(Map.Num(), 3);
	EXPECT_EQ(KeysOf(Map), (std::vector<std::u16string>{u"One", u"TWO", u"Three"}));
	ASSERT_NE(Map.Find(TEXT("two")), nullptr);
	EXPECT_EQ(*Map.Find(TEXT("two")), 20);
}

// UE5, Core/Public/Containers/UnrealString.h
TEST_F(FContainerTest, MapStringKeysIgnoreCase)
{
	TMap<FString, int32> Map;
	Map.Add(TEXT("EnglishName"), 7);
	EXPECT_TRUE(Map.Contains(TEXT("englishname")));
	ASSERT_NE(Map.Find(TEXT("ENGLISHNAME")), nullptr);
	EXPECT_EQ(*Map.Find(TEXT("ENGLISHNAME")), 7);
	EXPECT_EQ(Map.Find(TEXT("EnglishNames")), nullptr);
	EXPECT_EQ(Map.Remove(TEXT("ENGLISHname")), 1);
	EXPECT_TRUE(Map.IsEmpty());
}

TEST_F(FContainerTest, MapLookupsHoldWhileGrowingPastAndShrinkingBelowItsIndex)
{
	// Small maps search in order and larger ones through a hash index: cross the boundary both ways.
	TMap<FString, int32> Map;
	for (int32 Count = 1; Count <= 40; ++Count)
	{
		Map.Add(FString::Printf(TEXT("Key%d"), Count), Count);
		for (int32 Probe = 1; Probe <= Count; ++Probe)
		{
			const int32* Found = Map.Find(FString::Printf(TEXT("KEY%d"), Probe));
			ASSERT_NE(Found, nullptr) << "after " << Count << " adds, key " << Probe;
			EXPECT_EQ(*Found, Probe);
		}
		EXPECT_FALSE(Map.Contains(TEXT("Key0")));
	}
	for (int32 Count = 40; Count >= 1; --Count)
	{
		EXPECT_EQ(Map.Remove(FString::Printf(TEXT("key%d"), Count)), 1);
		EXPECT_EQ(Map.Num(), Count - 1);
		if (Count > 1)
		{
			EXPECT_EQ(Map.FindRef(TEXT("Key1")), 1);
		}
	}
	Map.Add(TEXT("again"), 7);
	EXPECT_EQ(Map.FindChecked(TEXT("AGAIN")), 7);
}
