#include "BlueprintActionDatabaseRegistrar.h"

#include "BlueprintNodeSpawner.h"
#include "EdGraph/EdGraphNode.h"
#include "Templates/Casts.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"

FBlueprintActionDatabaseRegistrar::FBlueprintActionDatabaseRegistrar(FBlueprintActionDatabase::FActionRegistry& Database, TSubclassOf<UEdGraphNode> DefaultKey)
	: ActionDatabase(Database)
	, GeneratingClass(DefaultKey)
{
}

bool FBlueprintActionDatabaseRegistrar::AddBlueprintAction(UBlueprintNodeSpawner* NodeSpawner)
{
	return AddActionToDatabase(GeneratingClass.Get(), NodeSpawner);
}

bool FBlueprintActionDatabaseRegistrar::AddBlueprintAction(UClass const* ClassOwner, UBlueprintNodeSpawner* NodeSpawner)
{
	return AddActionToDatabase(ClassOwner, NodeSpawner);
}

bool FBlueprintActionDatabaseRegistrar::AddBlueprintAction(UField const* FieldOwner, UBlueprintNodeSpawner* NodeSpawner)
{
	// Entries that belong to a member go under its class, which refreshes them when it changes.
	const UFunction* const Function = Cast<UFunction>(FieldOwner);
	return AddActionToDatabase(Function ? Function->GetOuterUClass() : FieldOwner, NodeSpawner);
}

int32 FBlueprintActionDatabaseRegistrar::RegisterClassFactoryActions(const UClass* TargetType, const FMakeFuncSpawnerDelegate& MakeActionCallback)
{
	const auto IsFactoryMethod = [TargetType](const UFunction* Function)
	{
		const FObjectProperty* const Return = CastField<FObjectProperty>(Function->GetReturnProperty());
		return Function->HasAnyFunctionFlags(FUNC_Static)
			&& !Function->GetOuterUClass()->HasAnyClassFlags(CLASS_Deprecated | CLASS_NewerVersionExists)
			&& !Function->HasMetaData(TEXT("DeprecatedFunction"))
			&& Return && Return->PropertyClass && Return->PropertyClass->IsChildOf(TargetType);
	};
	const auto RegisterFactoriesOf = [this, &IsFactoryMethod, &MakeActionCallback](const UClass* Class)
	{
		int32 NumRegistered = 0;
		for (TFieldIterator<UFunction> It(Class, EFieldIteratorFlags::ExcludeSuper); It; ++It)
		{
			UBlueprintNodeSpawner* const Spawner = IsFactoryMethod(*It) ? MakeActionCallback.Execute(*It) : nullptr;
			NumRegistered += (Spawner && AddBlueprintAction(*It, Spawner)) ? 1 : 0;
		}
		return NumRegistered;
	};

	// Refreshing one class key looks at that class only, and, as the engine does, only when it is
	// not itself of the target type.
	if (const UClass* const FilterClass = Cast<UClass>(ActionKeyFilter))
	{
		return (!FilterClass->HasAnyClassFlags(CLASS_Abstract) && !FilterClass->IsChildOf(TargetType)) ? RegisterFactoriesOf(FilterClass) : 0;
	}
	TArray<UObject*> Classes;
	GetObjectsOfClass(UClass::StaticClass(), Classes, true);
	int32 NumRegistered = 0;
	for (const UObject* Object : Classes)
	{
		const UClass* const Class = static_cast<const UClass*>(Object);
		if (!Class->HasAnyClassFlags(CLASS_Abstract) && Class->IsChildOf(TargetType))
		{
			NumRegistered += RegisterFactoriesOf(Class);
		}
	}
	return NumRegistered;
}

bool FBlueprintActionDatabaseRegistrar::IsOpenForRegistration(UObject const* OwnerKey)
{
	return OwnerKey && (!ActionKeyFilter || ActionKeyFilter == OwnerKey);
}

bool FBlueprintActionDatabaseRegistrar::AddActionToDatabase(UObject const* ActionKey, UBlueprintNodeSpawner* NodeSpawner)
{
	check(NodeSpawner);
	if (!IsOpenForRegistration(ActionKey))
	{
		return false;
	}
	// The database holds its spawners for as long as they are listed.
	NodeSpawner->AddToRoot();
	ActionDatabase.FindOrAdd(ActionKey).Add(NodeSpawner);
	return true;
}
