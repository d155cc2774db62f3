#include "ReflectionTestTypes.h"

#include "CoreUObject.h"

#include <gtest/gtest.h>

class FGarbageCollectionTest : public testing::Test
{
protected:
	UTestReflected* MakeObject(UObject* Outer = nullptr)
	{
		return Outer ? NewObject<UTestReflected>(Outer) : NewObject<UTestReflected>();
	}
};

TEST_F(FGarbageCollectionTest, RootSetIsAFlagAndUnrootedObjectsAreCollected)
{
	UTestReflected* Object = MakeObject();
	const TWeakObjectPtr<UTestReflected> Weak(Object);
	Object->AddToRoot();
	Object->AddToRoot();
	CollectGarbage();
	EXPECT_EQ(Weak.Get(), Object);

	Object->RemoveFromRoot();
	EXPECT_FALSE(Object->IsRooted());
	CollectGarbage();
	EXPECT_EQ(Weak.Get(), nullptr);
	EXPECT_TRUE(Weak.IsStale());
}

TEST_F(FGarbageCollectionTest, ReflectedReferencesAndOutersKeepObjectsAlive)
{
	UTestReflected* Root = MakeObject();
	Root->AddToRoot();
	UTestReflected* ByPointer = MakeObject();
	UTestReflected* ByArray = MakeObject();
	UTestReflected* ByStruct = MakeObject();
	UTestReflected* Inner = MakeObject(ByPointer);
	UTestReflected* Orphan = MakeObject();
	Root->Other = ByPointer;
	Root->Children.Add(ByArray);
	Root->Children.Add(Inner);
	Root->Pair.Target = ByStruct;

	const TWeakObjectPtr<UTestReflected> Weak[] = {ByPointer, ByArray, ByStruct, Orphan};
	CollectGarbage();
	EXPECT_TRUE(Weak[0].IsValid());
	EXPECT_TRUE(Weak[1].IsValid());
	EXPECT_TRUE(Weak[2].IsValid());
	EXPECT_FALSE(Weak[3].IsValid());

	// An inner does not keep its outer's references, but a referenced inner keeps its outer.
	Root->Other = Inner;
	Root->Children.Empty();
	CollectGarbage();
	EXPECT_TRUE(Weak[0].IsValid());
	EXPECT_FALSE(Weak[1].IsValid());
	Root->RemoveFromRoot();
	CollectGarbage();
	EXPECT_FALSE(Weak[0].IsValid());
	EXPECT_FALSE(Weak[2].IsValid());
}

TEST_F(FGarbageCollectionTest, ClassesAndTheirDefaultObjectsSurvive)
{
	CollectGarbage();
	UObject* Defaults = UTestReflected::StaticClass()->GetDefaultObject(false);
	ASSERT_NE(Defaults, nullptr);
	EXPECT_TRUE(Defaults->IsValidLowLevel());
	EXPECT_NE(UTestReflected::StaticClass()->FindFunctionByName(TEXT("JoinTwo")), nullptr);
}
