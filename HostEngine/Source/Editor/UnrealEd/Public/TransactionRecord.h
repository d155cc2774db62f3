#pragma once

// Host engine only, no engine twin. The editor keeps undo history in its transaction buffer, which
// saves each object that calls Modify() inside a transaction. The host keeps what tests need of
// that: which objects each transaction recorded, in order, and the state each had when it was
// recorded, so a test can tell whether an edit called Modify() before it changed anything.

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtr.h"
#include "UObject/WeakObjectPtrTemplates.h"

/** One object recorded by a transaction: the first Modify() of it inside the transaction. */
struct FTransactionRecordedObject
{
	TWeakObjectPtr<UObject> Object;
	/** The object as text (ExportObjectToText) at the moment it was recorded. */
	FString StateBefore;
};

/** A transaction opened by FScopedTransaction, with the objects it recorded. */
class UNREALED_API FTransactionRecord
{
public:
	explicit FTransactionRecord(const FText& InTitle);

	const FText& GetTitle() const { return Title; }
	const TArray<FTransactionRecordedObject>& GetRecordedObjects() const { return RecordedObjects; }

	/** Records the object unless this transaction has recorded it already. */
	void RecordObject(UObject* Object);

	/** The outermost transaction that is open now, or null. */
	static const FTransactionRecord* GetOpenTransaction();
	/** The transactions closed so far, oldest first. */
	static const TArray<FTransactionRecord>& GetHistory();
	static void ClearHistory();

private:
	FText Title;
	TArray<FTransactionRecordedObject> RecordedObjects;
};
