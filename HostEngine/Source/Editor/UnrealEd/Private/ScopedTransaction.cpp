#include "ScopedTransaction.h"
#include "Editor.h"

FScopedTransaction::FScopedTransaction(const FText& SessionName, const bool bShouldActuallyTransact)
	: Index(bShouldActuallyTransact && GEditor ? GEditor->BeginTransaction(SessionName) : INDEX_NONE)
{
}

FScopedTransaction::~FScopedTransaction()
{
	if (IsOutstanding())
	{
		GEditor->EndTransaction();
	}
}
