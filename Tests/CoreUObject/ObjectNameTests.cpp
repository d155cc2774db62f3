#include "ReflectionTestTypes.h"

#include "CoreUObject.h"

#include <gtest/gtest.h>

class FObjectNameTest : public testing::Test
{
protected:
	void SetUp() override
	{
		Outer = CreatePackage(TEXT("/Temp/ObjectNameTests"));
		Outer->AddToRoot();
	}

	void TearDown() override
	{
		Outer->RemoveFromRoot();
		CollectGarbage();
	}

	UPackage* Outer = nullptr;
};

TEST_F(FObjectNameTest, NamesThatDifferOnlyInTheirNumberNameDifferentObjects)
{
	UTestReflected* const First = NewObject<UTestReflected>(Outer, FName(TEXT("Item_1")));
	UTestReflected* const Second = NewObject<UTestReflected>(Outer, FName(TEXT("Item_2")));
	UTestReflected* const Plain = NewObject<UTestReflected>(Outer, FName(TEXT("Item")));
	EXPECT_EQ(StaticFindObjectFast(nullptr, Outer, FName(TEXT("item_1"))), First);
	EXPECT_EQ(StaticFindObjectFast(nullptr, Outer, FName(TEXT("Item_2"))), Second);
	EXPECT_EQ(StaticFindObjectFast(nullptr, Outer, FName(TEXT("Item"))), Plain);
	EXPECT_EQ(StaticFindObjectFast(nullptr, Outer, FName(TEXT("Item_3"))), nullptr);
	EXPECT_EQ(StaticFindObjectFast(nullptr, Outer, FName(TEXT("Item_01"))), nullptr);

	// Unnamed objects get numbered names of their class, each found on its own.
	UTestReflected* const Unnamed = NewObject<UTestReflected>(Outer);
	UTestReflected* const NextUnnamed = NewObject<UTestReflected>(Outer);
	EXPECT_NE(Unnamed->GetFName(), NextUnnamed->GetFName());
	EXPECT_TRUE(Unnamed->GetFName().GetPlainNameString().Equals(NextUnnamed->GetFName().GetPlainNameString()));
	EXPECT_EQ(StaticFindObjectFast(nullptr, Outer, Unnamed->GetFName()), Unnamed);
	EXPECT_EQ(StaticFindObjectFast(nullptr, Outer, NextUnnamed->GetFName()), NextUnnamed);
}
