#include "BlueprintActionDatabase.h"

#include "BlueprintActionDatabaseRegistrar.h"
#include "BlueprintFunctionNodeSpawner.h"
#include "EdGraphSchema_K2.h"
#include "K2Node.h"
#include "UObject/UnrealType.h"

namespace
{
	int32 CountLoadedClasses(TArray<UObject*>* OutClasses = nullptr)
	{
		TArray<UObject*> Classes;
		GetObjectsOfClass(UClass::StaticClass(), Classes, true);
		const int32 Count = Classes.Num();
		if (OutClasses)
		{
			*OutClasses = MoveTemp(Classes);
		}
		return Count;
	}
}

FBlueprintActionDatabase& FBlueprintActionDatabase::Get()
{
	// Never destroyed: the spawners it holds are objects, which outlive static destruction.
	static FBlueprintActionDatabase* const Database = new FBlueprintActionDatabase();
	return *Database;
}

void FBlueprintActionDatabase::RefreshAll()
{
	for (TPair<const UObject*, FActionList>& Entry : ActionRegistry)
	{
		ReleaseActions(Entry.Value);
	}
	ActionRegistry.Empty();
	TArray<UObject*> Classes;
	NumClassesAtRefresh = CountLoadedClasses(&Classes);
	for (UObject* Class : Classes)
	{
		RegisterClassActions(static_cast<UClass*>(Class), nullptr);
	}
}

void FBlueprintActionDatabase::RefreshClassActions(UClass* const Class)
{
	if (FActionList* const Actions = ActionRegistry.Find(Class))
	{
		ReleaseActions(*Actions);
		ActionRegistry.Remove(Class);
	}
	RegisterClassActions(Class, Class);
}

FBlueprintActionDatabase::FActionRegistry const& FBlueprintActionDatabase::GetAllActions()
{
	if (NumClassesAtRefresh != CountLoadedClasses())
	{
		RefreshAll();
	}
	return ActionRegistry;
}

void FBlueprintActionDatabase::RegisterClassActions(UClass* Class, const UObject* KeyFilter)
{
	if (Class->HasAnyClassFlags(CLASS_Deprecated | CLASS_NewerVersionExists))
	{
		return;
	}
	FBlueprintActionDatabaseRegistrar Registrar(ActionRegistry, Class->IsChildOf<UEdGraphNode>() ? Class : nullptr);
	Registrar.ActionKeyFilter = KeyFilter;

	for (TFieldIterator<UFunction> It(Class, EFieldIteratorFlags::ExcludeSuper); It; ++It)
	{
		if (UEdGraphSchema_K2::CanUserKismetCallFunction(*It))
		{
			Registrar.AddBlueprintAction(Class, UBlueprintFunctionNodeSpawner::Create(*It));
		}
	}

	if (Class->IsChildOf<UK2Node>() && !Class->HasAnyClassFlags(CLASS_Abstract))
	{
		Class->GetDefaultObject<UK2Node>()->GetMenuActions(Registrar);
	}
}

void FBlueprintActionDatabase::ReleaseActions(FActionList& Actions)
{
	for (UBlueprintNodeSpawner* Spawner : Actions)
	{
		Spawner->RemoveFromRoot();
	}
	Actions.Reset();
}
