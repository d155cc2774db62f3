#include "Editor/TransBuffer.h"
#include "Editor/Transactor.h"
#include "UObject/TextExportImport.h"
#include "UObject/UObjectGlobals.h"

namespace UE::CoreUObject::Private
{
	COREUOBJECT_API void SetModifyHook(void (*Hook)(UObject*));
}

namespace
{
	/** The transaction that Modify() records into while one is open, as the engine's GUndo. */
	FTransaction* GUndo = nullptr;

	void SaveToTransaction(UObject* Object)
	{
		check(GUndo);
		GUndo->SaveObject(Object);
	}

	FString SaveObjectState(const UObject* Object)
	{
		FString State;
		ExportObjectStateToText(Object, State);
		return State;
	}
}

/////////////////////////////////////////////////////
// FTransaction

FTransaction::FTransaction(const FText& InTitle)
	: Title(InTitle)
{
}

void FTransaction::GetTransactionObjects(TArray<UObject*>& Objects) const
{
	Objects.Reset();
	for (const FObjectRecord& Record : Records)
	{
		Objects.Add(Record.Object);
	}
}

bool FTransaction::ContainsObject(const UObject* Object) const
{
	return Records.ContainsByPredicate([Object](const FObjectRecord& Record) { return Record.Object == Object; });
}

void FTransaction::SaveObject(UObject* Object)
{
	check(Object);
	if (!ContainsObject(Object))
	{
		FObjectRecord& Record = Records.AddDefaulted_GetRef();
		Record.Object = Object;
		Record.SerializedObject = SaveObjectState(Object);
	}
}

void FTransaction::Finalize()
{
	for (FObjectRecord& Record : Records)
	{
		Record.bHasChanges = SaveObjectState(Record.Object) != Record.SerializedObject;
	}
}

bool FTransaction::IsTransient() const
{
	return !Records.ContainsByPredicate([](const FObjectRecord& Record) { return Record.bHasChanges; });
}

void FTransaction::Apply()
{
	const int32 Start = Inc == 1 ? 0 : Records.Num() - 1;
	const int32 End = Inc == 1 ? Records.Num() : -1;

	for (int32 Index = Start; Index != End; Index += Inc)
	{
		Records[Index].Object->PreEditUndo();
	}
	// Every object is saved before any is restored: restoring one (its pins) may touch another.
	TArray<FString> CurrentStates;
	CurrentStates.SetNum(Records.Num());
	for (int32 Index = Start; Index != End; Index += Inc)
	{
		CurrentStates[Index] = SaveObjectState(Records[Index].Object);
	}
	for (int32 Index = Start; Index != End; Index += Inc)
	{
		FObjectRecord& Record = Records[Index];
		verify(ImportObjectStateFromText(Record.Object, *Record.SerializedObject));
		Record.SerializedObject = MoveTemp(CurrentStates[Index]);
	}
	for (int32 Index = Start; Index != End; Index += Inc)
	{
		Records[Index].Object->PostEditUndo();
	}
	Inc = -Inc;
}

void FTransaction::AddReferencedObjects(FReferenceCollector& Collector)
{
	for (FObjectRecord& Record : Records)
	{
		Collector.AddReferencedObject(Record.Object);
	}
}

/////////////////////////////////////////////////////
// UTransBuffer

int32 UTransBuffer::Begin(const TCHAR* SessionContext, const FText& Description)
{
	check(!bIsTransacting);
	const int32 Result = ActiveCount++;
	if (Result == 0)
	{
		check(!GUndo);
		// Held aside, not dropped: an edit that changes nothing gives them back to redo.
		PreviousUndoCount = UndoCount;
		RemovedTransactions.Reset();
		for (int32 Index = UndoBuffer.Num() - UndoCount; Index < UndoBuffer.Num(); ++Index)
		{
			RemovedTransactions.Add(UndoBuffer[Index]);
		}
		UndoBuffer.RemoveAt(UndoBuffer.Num() - UndoCount, UndoCount);
		UndoCount = 0;

		GUndo = &UndoBuffer.Add_GetRef(MakeShared<FTransaction>(Description)).Get();
		UE::CoreUObject::Private::SetModifyHook(&SaveToTransaction);
	}
	return Result;
}

int32 UTransBuffer::End()
{
	check(ActiveCount > 0);
	const int32 Result = ActiveCount;
	if (--ActiveCount == 0)
	{
		UE::CoreUObject::Private::SetModifyHook(nullptr);
		GUndo->Finalize();
		if (GUndo->IsTransient())
		{
			UndoBuffer.Pop();
			UndoBuffer.Append(RemovedTransactions);
			UndoCount = PreviousUndoCount;
		}
		GUndo = nullptr;
		RemovedTransactions.Reset();
		PreviousUndoCount = INDEX_NONE;
	}
	return Result;
}

void UTransBuffer::Reset(const FText& Reason)
{
	check(ActiveCount == 0 && !bIsTransacting);
	UndoBuffer.Reset();
	UndoCount = 0;
}

bool UTransBuffer::CanUndo()
{
	return ActiveCount == 0 && !bIsTransacting && UndoCount < UndoBuffer.Num();
}

bool UTransBuffer::CanRedo()
{
	return ActiveCount == 0 && !bIsTransacting && UndoCount > 0;
}

bool UTransBuffer::Undo(bool bCanRedo)
{
	if (!CanUndo())
	{
		return false;
	}
	bIsTransacting = true;
	GIsTransacting = true;
	UndoBuffer[UndoBuffer.Num() - ++UndoCount]->Apply();
	bIsTransacting = false;
	GIsTransacting = false;
	if (!bCanRedo)
	{
		UndoBuffer.RemoveAt(UndoBuffer.Num() - UndoCount, UndoCount);
		UndoCount = 0;
	}
	return true;
}

bool UTransBuffer::Redo()
{
	if (!CanRedo())
	{
		return false;
	}
	bIsTransacting = true;
	GIsTransacting = true;
	UndoBuffer[UndoBuffer.Num() - UndoCount--]->Apply();
	bIsTransacting = false;
	GIsTransacting = false;
	return true;
}

const FTransaction* UTransBuffer::GetTransaction(int32 QueueIndex) const
{
	return UndoBuffer.IsValidIndex(QueueIndex) ? &UndoBuffer[QueueIndex].Get() : nullptr;
}

void UTransBuffer::AddReferencedObjects(UObject* InThis, FReferenceCollector& Collector)
{
	UTransBuffer* const This = static_cast<UTransBuffer*>(InThis);
	for (const TSharedRef<FTransaction>& Transaction : This->UndoBuffer)
	{
		Transaction->AddReferencedObjects(Collector);
	}
	for (const TSharedRef<FTransaction>& Transaction : This->RemovedTransactions)
	{
		Transaction->AddReferencedObjects(Collector);
	}
	Super::AddReferencedObjects(InThis, Collector);
}
