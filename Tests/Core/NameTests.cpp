#include "CoreMinimal.h"

#include <gtest/gtest.h>

namespace
{
	class FNameTest : public ::testing::Test
	{
	};
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

TEST_F(FNameTest, EmptyAndNoneTextAreNone)
{
	EXPECT_TRUE(FName(TEXT("")).IsNone());
	EXPECT_TRUE(FName(TEXT("None")).IsNone());
	EXPECT_EQ(FName(TEXT("None")), NAME_None);
	EXPECT_TRUE(FName().IsNone());
	EXPECT_FALSE(FName(TEXT("Nonexistent")).IsNone());
}
