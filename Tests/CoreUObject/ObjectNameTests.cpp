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

TEST_F(FObjectNameTest, InnersStayInCreationOrderAsOthersLeaveInAnyOrder)
{
	UPackage* const Elsewhere = CreatePackage(TEXT("/Temp/ObjectNameTestsElsewhere"));
	TArray<UTestReflected*> Kept;
	TArray<UTestReflected*> Moved;
	for (int32 Index = 0; Index < 40; ++Index)
	{
		UTestReflected* const Object = NewObject<UTestReflected>(Outer, FName(*FString::Printf(TEXT("Inner_%d"), Index)));
		(Index % 3 == 1 ? Kept : Moved).Add(Object);
	}
	// Leaving from the back, the front and the middle, so that the list closes up on the way.
	for (int32 Index = 0; Index < Moved.Num(); ++Index)
	{
		const int32 Pick = Index % 2 == 0 ? Moved.Num() - 1 - Index / 2 : Index / 2;
		ASSERT_TRUE(Moved[Pick]->Rename(nullptr, Elsewhere));
	}
	UTestReflected* const Late = NewObject<UTestReflected>(Outer, FName(TEXT("Late")));
	Kept.Add(Late);

	TArray<UObject*> Inners;
	GetObjectsWithOuter(Outer, Inners, false);
	ASSERT_EQ(Inners.Num(), Kept.Num());
	for (int32 Index = 0; Index < Kept.Num(); ++Index)
	{
		EXPECT_EQ(Inners[Index], Kept[Index]) << Index;
		EXPECT_EQ(StaticFindObjectFast(nullptr, Outer, Kept[Index]->GetFName()), Kept[Index]);
	}
	TArray<UObject*> Left;
	GetObjectsWithOuter(Elsewhere, Left, false);
	EXPECT_EQ(Left.Num(), Moved.Num());
}

// Public 5.x clipboard texts ("/Game/Maps/BP_Test.BP_Test:EventGraph.K2Node_MakeMap_3"): ':' between an
// asset and the objects inside it, '.' after the package and deeper down.
TEST_F(FObjectNameTest, PathNamesPutAColonBetweenAnAssetAndItsSubobjects)
{
	UTestReflected* const Asset = NewObject<UTestReflected>(Outer, FName(TEXT("BP_Test")));
	UTestReflected* const Graph = NewObject<UTestReflected>(Asset, FName(TEXT("EventGraph")));
	UTestReflected* const Node = NewObject<UTestReflected>(Graph, FName(TEXT("K2Node_MakeMap_3")));
	EXPECT_EQ(Asset->GetPathName(), TEXT("/Temp/ObjectNameTests.BP_Test"));
	EXPECT_EQ(Graph->GetPathName(), TEXT("/Temp/ObjectNameTests.BP_Test:EventGraph"));
	EXPECT_EQ(Node->GetPathName(), TEXT("/Temp/ObjectNameTests.BP_Test:EventGraph.K2Node_MakeMap_3"));
}
