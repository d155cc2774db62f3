#pragma once

#include "CoreMinimal.h"
#include "Editor/Transactor.h"
#include "UObject/Object.h"
#include "TransBuffer.generated.h"

/**
 * The editor's undo buffer: the closed transactions, oldest first, and how many of the newest have
 * been undone and can be redone. The engine derives this from the abstract UTransactor; the host
 * has this one transactor and no base.
 */
UCLASS(Transient)
class UNREALED_API UTransBuffer : public UObject
{
	GENERATED_BODY()

public:
	/**
	 * Opens a transaction, or merges into the one already open. Transactions that were undone are
	 * dropped once the new one changes something; an edit that changes nothing leaves them to redo.
	 * @return the number of transactions open before this one
	 */
	virtual int32 Begin(const TCHAR* SessionContext, const FText& Description);
	/** Closes the innermost open transaction; the outermost is kept unless it changed nothing. */
	virtual int32 End();
	/** Forgets every transaction. */
	virtual void Reset(const FText& Reason);
	/** False while a transaction is open or applied, or when there is nothing left to undo. */
	virtual bool CanUndo();
	virtual bool CanRedo();
	/** Undoes the newest transaction not undone yet; without bCanRedo the undone ones are dropped. */
	virtual bool Undo(bool bCanRedo = true);
	/** Redoes the oldest undone transaction. */
	virtual bool Redo();
	virtual int32 GetQueueLength() const { return UndoBuffer.Num(); }
	/** How many of the newest transactions are undone and can be redone. */
	virtual int32 GetUndoCount() const { return UndoCount; }
	virtual const FTransaction* GetTransaction(int32 QueueIndex) const;
	virtual bool IsActive() { return ActiveCount > 0; }

	static void AddReferencedObjects(UObject* InThis, FReferenceCollector& Collector);

private:
	TArray<TSharedRef<FTransaction>> UndoBuffer;
	int32 UndoCount = 0;
	int32 ActiveCount = 0;
	/** The undone transactions that the open one replaces, kept until it turns out to change something. */
	TArray<TSharedRef<FTransaction>> RemovedTransactions;
	int32 PreviousUndoCount = INDEX_NONE;
	/** Set while an undo or redo applies a transaction; no transaction opens meanwhile. */
	bool bIsTransacting = false;

	friend class UEditorEngine;
};
