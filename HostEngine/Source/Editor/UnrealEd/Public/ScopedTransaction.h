#pragma once

#include "CoreMinimal.h"

/**
 * An undoable edit for as long as the object lives: objects that call Modify() meanwhile are
 * recorded with their state before the change. Transactions opened inside another one merge into
 * it, so an edit made of smaller edits undoes in one step.
 */
class UNREALED_API FScopedTransaction
{
public:
	FScopedTransaction(const FText& SessionName, const bool bShouldActuallyTransact = true);
	~FScopedTransaction();

	FScopedTransaction(const FScopedTransaction&) = delete;
	FScopedTransaction& operator=(const FScopedTransaction&) = delete;

private:
	bool bIsOutstanding;
};
