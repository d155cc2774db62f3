#pragma once

#include "CoreMinimal.h"

/**
 * An undoable edit for as long as the object lives: the objects that call Modify() meanwhile are
 * recorded with their state before the change, and the editor's Undo gives it back. Transactions
 * opened inside another one merge into it, so an edit made of smaller edits undoes in one step.
 * Without an editor (GEditor null, as in programs) nothing is recorded.
 */
class UNREALED_API FScopedTransaction
{
public:
	FScopedTransaction(const FText& SessionName, const bool bShouldActuallyTransact = true);
	~FScopedTransaction();

	FScopedTransaction(const FScopedTransaction&) = delete;
	FScopedTransaction& operator=(const FScopedTransaction&) = delete;

	/** Whether this object opened a transaction that it will close. */
	bool IsOutstanding() const { return Index >= 0; }

private:
	int32 Index = INDEX_NONE;
};
