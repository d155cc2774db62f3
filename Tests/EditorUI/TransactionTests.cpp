#include "CoreMinimal.h"
#include "EditorUITestTypes.h"
#include "ScopedTransaction.h"
#include "TransactionRecord.h"
#include "UObject/TextExportImport.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

#include <gtest/gtest.h>

namespace
{
	class TransactionTest : public testing::Test
	{
	protected:
		void SetUp() override
		{
			FTransactionRecord::ClearHistory();
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
			FTransactionRecord::ClearHistory();
		}

		UTestEditTarget* MakeTarget(EObjectFlags Flags)
		{
			UTestEditTarget* const Target = NewObject<UTestEditTarget>(GetTransientPackage(), NAME_None, Flags);
			Target->AddToRoot();
			Targets.Add(Target);
			return Target;
		}

		static TArray<UObject*> RecordedObjectsOf(const FTransactionRecord& Record)
		{
			TArray<UObject*> Objects;
			for (const FTransactionRecordedObject& Recorded : Record.GetRecordedObjects())
			{
				Objects.Add(Recorded.Object.Get());
			}
			return Objects;
		}

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
		ASSERT_NE(FTransactionRecord::GetOpenTransaction(), nullptr);
		Second->Modify();
		Plain->Modify();
		First->Modify();
		Second->Modify();
	}

	EXPECT_EQ(FTransactionRecord::GetOpenTransaction(), nullptr);
	ASSERT_EQ(FTransactionRecord::GetHistory().Num(), 1);
	const FTransactionRecord& Record = FTransactionRecord::GetHistory()[0];
	EXPECT_EQ(Record.GetTitle().ToString(), FString(TEXT("Edit Keys")));
	EXPECT_EQ(RecordedObjectsOf(Record), TArray<UObject*>({Second, First}));
}

TEST_F(TransactionTest, ModifyOutsideATransactionRecordsNothing)
{
	First->Modify();
	{
		FScopedTransaction Ignored(FText::FromString(TEXT("Not recorded")), false);
		EXPECT_EQ(FTransactionRecord::GetOpenTransaction(), nullptr);
		First->Modify();
	}
	EXPECT_TRUE(FTransactionRecord::GetHistory().IsEmpty());

	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Later")));
	}
	ASSERT_EQ(FTransactionRecord::GetHistory().Num(), 1);
	EXPECT_TRUE(FTransactionRecord::GetHistory()[0].GetRecordedObjects().IsEmpty());
}

TEST_F(TransactionTest, InnerTransactionsMergeIntoTheOutermost)
{
	{
		FScopedTransaction Outer(FText::FromString(TEXT("Outer")));
		First->Modify();
		{
			FScopedTransaction Inner(FText::FromString(TEXT("Inner")));
			Second->Modify();
		}
		EXPECT_TRUE(FTransactionRecord::GetHistory().IsEmpty());
	}

	ASSERT_EQ(FTransactionRecord::GetHistory().Num(), 1);
	const FTransactionRecord& Record = FTransactionRecord::GetHistory()[0];
	EXPECT_EQ(Record.GetTitle().ToString(), FString(TEXT("Outer")));
	EXPECT_EQ(RecordedObjectsOf(Record), TArray<UObject*>({First, Second}));
}

TEST_F(TransactionTest, TheRecordedStateIsTheOneBeforeTheFirstModify)
{
	First->Keys = {TEXT("kept")};
	FString StateBeforeEdit;
	ExportObjectToText(First, StateBeforeEdit);
	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Add Key")));
		First->Modify();
		First->Keys.Add(TEXT("added"));
		First->Modify();
	}

	const FString& Recorded = FTransactionRecord::GetHistory()[0].GetRecordedObjects()[0].StateBefore;
	EXPECT_EQ(Recorded, StateBeforeEdit);
	EXPECT_TRUE(Recorded.Contains(TEXT("kept")));
	EXPECT_FALSE(Recorded.Contains(TEXT("added")));
}
