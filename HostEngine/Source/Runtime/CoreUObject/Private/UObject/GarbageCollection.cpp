#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"
#include "Templates/Casts.h"
#include "UObjectArray.h"

#include <vector>

namespace
{
	bool GIsGarbageCollecting = false;

	/** Marks what it is handed and queues it, so the walk is iterative and never deep. */
	class FMarkingCollector final : public FReferenceCollector
	{
	public:
		explicit FMarkingCollector(std::vector<UObject*>& InQueue) : Queue(InQueue) {}

		virtual void HandleObjectReference(UObject*& InObject, const UObject* InReferencingObject, const FProperty* InReferencingProperty) override
		{
			Mark(InObject);
		}

		void Mark(UObject* Object)
		{
			if (!Object)
			{
				return;
			}
			FUObjectItem* Item = FUObjectArray::Get().GetItem(Object->GetUniqueID());
			if (Item && Item->Object == Object && !Item->bReachable)
			{
				Item->bReachable = true;
				Queue.push_back(Object);
			}
		}

	private:
		std::vector<UObject*>& Queue;
	};

	void VisitReferences(UObject* Object, FMarkingCollector& Collector)
	{
		Collector.Mark(Object->GetOuter());
		UClass* Class = Object->GetClass();
		Collector.Mark(Class);
		if (UClass* AsClass = Cast<UClass>(Object))
		{
			Collector.Mark(AsClass->GetDefaultObject(false));
			Collector.Mark(AsClass->ClassGeneratedBy.Get());
		}
		// A struct keeps its functions (the first, and each the next) and what its script refers to.
		if (UStruct* AsStruct = Cast<UStruct>(Object))
		{
			Collector.Mark(AsStruct->GetSuperStruct());
			Collector.Mark(AsStruct->Children);
			for (const TObjectPtr<UObject>& Referenced : AsStruct->ScriptAndPropertyObjectReferences)
			{
				Collector.Mark(Referenced.Get());
			}
		}
		if (UField* AsField = Cast<UField>(Object))
		{
			Collector.Mark(AsField->Next);
		}
		for (TFieldIterator<FProperty> It(Class); It; ++It)
		{
			if (It->ContainsObjectReference())
			{
				It->AddReferencedObjects(It->ContainerPtrToValuePtr(Object), Collector);
			}
		}
		if (Class->ClassAddReferencedObjects)
		{
			Class->ClassAddReferencedObjects(Object, Collector);
		}
	}
}

bool IsGarbageCollecting()
{
	return GIsGarbageCollecting;
}

void CollectGarbage(EObjectFlags KeepFlags, bool bPerformFullPurge)
{
	check(!GIsGarbageCollecting);
	GIsGarbageCollecting = true;
	FUObjectArray& Array = FUObjectArray::Get();

	std::vector<UObject*> Queue;
	FMarkingCollector Collector(Queue);
	for (int32 Index = 0; Index < Array.Num(); ++Index)
	{
		FUObjectItem* Item = Array.GetItem(Index);
		Item->bReachable = false;
	}
	for (int32 Index = 0; Index < Array.Num(); ++Index)
	{
		FUObjectItem* Item = Array.GetItem(Index);
		UObject* Object = (UObject*)Item->Object;
		if (Object && (Item->bRooted || (KeepFlags != RF_NoFlags && Object->HasAnyFlags(KeepFlags))))
		{
			Collector.Mark(Object);
		}
	}
	while (!Queue.empty())
	{
		UObject* Object = Queue.back();
		Queue.pop_back();
		VisitReferences(Object, Collector);
	}

	// Every unreachable object learns of its end before any of them is freed, so destroy
	// callbacks may still look at each other.
	std::vector<UObject*> Unreachable;
	for (int32 Index = 0; Index < Array.Num(); ++Index)
	{
		FUObjectItem* Item = Array.GetItem(Index);
		if (Item->Object && !Item->bReachable)
		{
			Item->bUnreachable = true;
			Unreachable.push_back((UObject*)Item->Object);
		}
	}
	for (UObject* Object : Unreachable)
	{
		Object->BeginDestroy();
	}
	for (UObject* Object : Unreachable)
	{
		Object->FinishDestroy();
	}
	for (UObject* Object : Unreachable)
	{
		delete Object;
	}
	GIsGarbageCollecting = false;
}
