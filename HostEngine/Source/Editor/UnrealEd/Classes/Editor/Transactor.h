#pragma once

#include "CoreMinimal.h"

class FReferenceCollector;
class UObject;

/**
 * One undoable edit: the objects that called Modify() while it was open, each with its state as it
 * was at its first Modify(). Applying the transaction gives every object its recorded state back
 * and keeps the state it had for the way back, so the same call undoes and then redoes the edit.
 * The engine serializes the objects; the host keeps each as its own text (ExportObjectStateToText).
 */
class UNREALED_API FTransaction
{
public:
	explicit FTransaction(const FText& InTitle);

	FText GetTitle() const { return Title; }
	int32 GetRecordCount() const { return Records.Num(); }
	/** The recorded objects, in the order of their first Modify(). */
	void GetTransactionObjects(TArray<UObject*>& Objects) const;
	bool ContainsObject(const UObject* Object) const;

	/** Records the object, unless it is recorded already. */
	void SaveObject(UObject* Object);
	/** Ends recording: notes, for each object, whether the edit changed it. */
	void Finalize();
	/** True when the edit changed none of its objects; the buffer keeps no such transaction. */
	bool IsTransient() const;
	/** Undoes the edit, or redoes it after an undo, telling each object before (PreEditUndo) and after (PostEditUndo). */
	void Apply();

	/** Keeps the recorded objects alive, so that an undo finds them. */
	void AddReferencedObjects(FReferenceCollector& Collector);

private:
	struct FObjectRecord
	{
		UObject* Object = nullptr;
		/** The state Apply gives the object next: before the edit, or after it once undone. */
		FString SerializedObject;
		bool bHasChanges = false;
	};

	FText Title;
	TArray<FObjectRecord> Records;
	/** -1 while the next Apply undoes (objects in reverse order), 1 while it redoes. */
	int32 Inc = -1;
};
