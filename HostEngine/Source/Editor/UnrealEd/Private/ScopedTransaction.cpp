#include "ScopedTransaction.h"
#include "TransactionRecord.h"
#include "UObject/Object.h"
#include "UObject/TextExportImport.h"

namespace UE::CoreUObject::Private
{
	COREUOBJECT_API void SetModifyHook(void (*Hook)(UObject*));
}

namespace
{
	/** Open transactions; only the outermost records, the inner ones merge into it. */
	int32 GTransactionDepth = 0;
	TOptional<FTransactionRecord> GOpenTransaction;
	TArray<FTransactionRecord> GTransactionHistory;

	void RecordModifiedObject(UObject* Object)
	{
		check(GOpenTransaction.IsSet());
		GOpenTransaction->RecordObject(Object);
	}
}

FTransactionRecord::FTransactionRecord(const FText& InTitle)
	: Title(InTitle)
{
}

void FTransactionRecord::RecordObject(UObject* Object)
{
	check(Object);
	const bool bAlreadyRecorded = RecordedObjects.ContainsByPredicate([Object](const FTransactionRecordedObject& Recorded) { return Recorded.Object.Get() == Object; });
	if (!bAlreadyRecorded)
	{
		FTransactionRecordedObject& Recorded = RecordedObjects.AddDefaulted_GetRef();
		Recorded.Object = Object;
		ExportObjectToText(Object, Recorded.StateBefore);
	}
}

const FTransactionRecord* FTransactionRecord::GetOpenTransaction()
{
	return GOpenTransaction.IsSet() ? &GOpenTransaction.GetValue() : nullptr;
}

const TArray<FTransactionRecord>& FTransactionRecord::GetHistory()
{
	return GTransactionHistory;
}

void FTransactionRecord::ClearHistory()
{
	GTransactionHistory.Empty();
}

FScopedTransaction::FScopedTransaction(const FText& SessionName, const bool bShouldActuallyTransact)
	: bIsOutstanding(bShouldActuallyTransact)
{
	if (!bIsOutstanding)
	{
		return;
	}
	if (GTransactionDepth++ == 0)
	{
		GOpenTransaction.Emplace(SessionName);
		UE::CoreUObject::Private::SetModifyHook(&RecordModifiedObject);
	}
}

FScopedTransaction::~FScopedTransaction()
{
	if (!bIsOutstanding)
	{
		return;
	}
	check(GTransactionDepth > 0);
	if (--GTransactionDepth == 0)
	{
		UE::CoreUObject::Private::SetModifyHook(nullptr);
		GTransactionHistory.Add(std::move(GOpenTransaction.GetValue()));
		GOpenTransaction.Reset();
	}
}
