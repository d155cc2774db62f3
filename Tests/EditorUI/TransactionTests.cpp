#include "CoreMinimal.h"
#include "EditorUITestTypes.h"
#include "ScopedTestEditor.h"
#include "ScopedTransaction.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/WeakObjectPtrTemplates.h"

#include <gtest/gtest.h>

namespace
{
	class TransactionTest : public testing::Test
	{
	protected:
		void SetUp() override
		{
			First = MakeTarget(RF_Transactional);
			Second = MakeTarget(RF_Transactional);
		}

		void TearDown() override
		{
			for (UTestEditTarget* Target : Targets)
			{
				Target->RemoveFromRoot();
			}
			CollectGarbage();
		}

		UTestEditTarget* MakeTarget(EObjectFlags Flags)
		{
			UTestEditTarget* const Target = NewObject<UTestEditTarget>(GetTransientPackage(), NAME_None, Flags);
			Target->AddToRoot();
			Targets.Add(Target);
			return Target;
		}

		/** An edit as editor code makes one: open a transaction, Modify() each object, then change it. */
		static void Edit(const TCHAR* Title, const TArray<UTestEditTarget*>& Objects, const FString& Key)
		{
			FScopedTransaction Transaction(FText::FromString(Title));
			for (UTestEditTarget* Object : Objects)
			{
				Object->Modify();
				Object->Keys.Add(Key);
			}
		}

		static TArray<UObject*> RecordedObjectsOf(const FTransaction& Transaction)
		{
			TArray<UObject*> Objects;
			Transaction.GetTransactionObjects(Objects);
			return Objects;
		}

		UTransBuffer& Trans() const { return Editor.GetTrans(); }

		FScopedTestEditor Editor;
		UTestEditTarget* First = nullptr;
		UTestEditTarget* Second = nullptr;
		TArray<UTestEditTarget*> Targets;
	};
}

TEST_F(TransactionTest, EachTransactionalObjectIsRecordedOnceInFirstModifyOrder)
{
	UTestEditTarget* const Plain = MakeTarget(RF_NoFlags);
	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Edit Keys")));
		EXPECT_TRUE(Transaction.IsOutstanding());
		EXPECT_TRUE(Trans().IsActive());
		for (UTestEditTarget* Object : {Second, Plain, First, Second})
		{
			Object->Modify();
			Object->Keys.Add(TEXT("k"));
		}
	}

	EXPECT_FALSE(Trans().IsActive());
	ASSERT_EQ(Trans().GetQueueLength(), 1);
	const FTransaction& Transaction = *Trans().GetTransaction(0);
	EXPECT_EQ(Transaction.GetTitle().ToString(), FString(TEXT("Edit Keys")));
	EXPECT_EQ(RecordedObjectsOf(Transaction), TArray<UObject*>({Second, First}));
}

TEST_F(TransactionTest, NothingIsKeptWithoutATransactionOrWhenTheEditChangedNothing)
{
	First->Modify();
	First->Keys.Add(TEXT("outside"));
	{
		FScopedTransaction Ignored(FText::FromString(TEXT("Not recorded")), false);
		EXPECT_FALSE(Ignored.IsOutstanding());
		First->Modify();
		First->Keys.Add(TEXT("not recorded"));
	}
	// UE 5.2 and 5.8, Editor/UnrealEd/Private/EditorTransaction.cpp: a transaction with no change is transient and dropped.
	Edit(TEXT("Touch"), {}, FString());
	{
		FScopedTransaction Touch(FText::FromString(TEXT("Modify only")));
		Second->Modify();
	}
	EXPECT_EQ(Trans().GetQueueLength(), 0);
	EXPECT_FALSE(GEditor->UndoTransaction());
	EXPECT_EQ(First->Keys, TArray<FString>({TEXT("outside"), TEXT("not recorded")}));
}

TEST_F(TransactionTest, WithoutAnEditorATransactionRecordsNothing)
{
	UEditorEngine* const Editor = GEditor;
	GEditor = nullptr;
	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Program")));
		EXPECT_FALSE(Transaction.IsOutstanding());
		First->Modify();
		First->Keys.Add(TEXT("k"));
	}
	GEditor = Editor;
	EXPECT_EQ(Trans().GetQueueLength(), 0);
}

TEST_F(TransactionTest, InnerTransactionsMergeIntoTheOutermost)
{
	{
		FScopedTransaction Outer(FText::FromString(TEXT("Outer")));
		First->Modify();
		First->Keys.Add(TEXT("outer"));
		Edit(TEXT("Inner"), {Second}, TEXT("inner"));
		EXPECT_EQ(Trans().GetQueueLength(), 1);
		EXPECT_FALSE(GEditor->UndoTransaction()) << "no undo while a transaction is open";
	}

	ASSERT_EQ(Trans().GetQueueLength(), 1);
	const FTransaction& Transaction = *Trans().GetTransaction(0);
	EXPECT_EQ(Transaction.GetTitle().ToString(), FString(TEXT("Outer")));
	EXPECT_EQ(RecordedObjectsOf(Transaction), TArray<UObject*>({First, Second}));
	ASSERT_TRUE(GEditor->UndoTransaction());
	EXPECT_TRUE(First->Keys.IsEmpty() && Second->Keys.IsEmpty()) << "one undo takes back both";
}

TEST_F(TransactionTest, UndoGivesBackTheStateOfTheFirstModifyAndRedoTheStateAtTheEnd)
{
	First->Keys = {TEXT("kept")};
	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Add Keys")));
		First->Modify();
		First->Keys.Add(TEXT("added"));
		First->Modify();
		First->Keys.Add(TEXT("again"));
	}
	const TArray<FString> Edited = First->Keys;

	ASSERT_TRUE(GEditor->UndoTransaction());
	EXPECT_EQ(First->Keys, TArray<FString>({TEXT("kept")}));
	EXPECT_FALSE(GEditor->UndoTransaction());
	ASSERT_TRUE(GEditor->RedoTransaction());
	EXPECT_EQ(First->Keys, Edited);
	EXPECT_FALSE(GEditor->RedoTransaction());
}

TEST_F(TransactionTest, UndoAndRedoWalkTheEditsStepByStep)
{
	Edit(TEXT("One"), {First}, TEXT("1"));
	Edit(TEXT("Two"), {First, Second}, TEXT("2"));
	Edit(TEXT("Three"), {Second}, TEXT("3"));
	const TArray<TArray<FString>> FirstAfter = {{}, {TEXT("1")}, {TEXT("1"), TEXT("2")}, {TEXT("1"), TEXT("2")}};
	const TArray<TArray<FString>> SecondAfter = {{}, {}, {TEXT("2")}, {TEXT("2"), TEXT("3")}};

	for (int32 Step = 2; Step >= 0; --Step)
	{
		SCOPED_TRACE(testing::Message() << "undone down to " << Step << " edits");
		ASSERT_TRUE(GEditor->UndoTransaction());
		EXPECT_EQ(First->Keys, FirstAfter[Step]);
		EXPECT_EQ(Second->Keys, SecondAfter[Step]);
		EXPECT_EQ(Trans().GetUndoCount(), 3 - Step);
	}
	for (int32 Step = 1; Step <= 2; ++Step)
	{
		SCOPED_TRACE(testing::Message() << "redone up to " << Step << " edits");
		ASSERT_TRUE(GEditor->RedoTransaction());
		EXPECT_EQ(First->Keys, FirstAfter[Step]);
		EXPECT_EQ(Second->Keys, SecondAfter[Step]);
	}
}

TEST_F(TransactionTest, AnEditAfterUndoDropsWhatCouldBeRedoneUnlessItChangedNothing)
{
	Edit(TEXT("One"), {First}, TEXT("1"));
	Edit(TEXT("Two"), {First}, TEXT("2"));
	ASSERT_TRUE(GEditor->UndoTransaction());

	{
		FScopedTransaction Touch(FText::FromString(TEXT("Modify only")));
		First->Modify();
	}
	EXPECT_EQ(Trans().GetUndoCount(), 1) << "an edit that changed nothing leaves the redo";

	Edit(TEXT("Three"), {First}, TEXT("3"));
	EXPECT_EQ(Trans().GetUndoCount(), 0);
	ASSERT_EQ(Trans().GetQueueLength(), 2);
	EXPECT_EQ(Trans().GetTransaction(1)->GetTitle().ToString(), FString(TEXT("Three")));
	EXPECT_FALSE(GEditor->RedoTransaction());
	EXPECT_EQ(First->Keys, TArray<FString>({TEXT("1"), TEXT("3")}));
}

TEST_F(TransactionTest, TheBufferKeepsRecordedObjectsAliveUntilItIsReset)
{
	UTestEditTarget* const Unrooted = NewObject<UTestEditTarget>(GetTransientPackage(), NAME_None, RF_Transactional);
	const TWeakObjectPtr<UTestEditTarget> Weak(Unrooted);
	Edit(TEXT("Edit"), {Unrooted}, TEXT("k"));

	CollectGarbage();
	ASSERT_TRUE(Weak.IsValid());
	ASSERT_TRUE(GEditor->UndoTransaction());
	EXPECT_TRUE(Unrooted->Keys.IsEmpty());

	GEditor->ResetTransaction(FText::FromString(TEXT("Test")));
	CollectGarbage();
	EXPECT_FALSE(Weak.IsValid());
}
