#pragma once

#include "CoreMinimal.h"
#include "Templates/SubclassOf.h"
#include "BlueprintActionDatabase.h"

class UEdGraphNode;
class UField;
class UFunction;

/** What a node class's GetMenuActions registers its action-menu entries with. */
class BLUEPRINTGRAPH_API FBlueprintActionDatabaseRegistrar
{
public:
	/** Makes the entry for one factory function; null for none. */
	DECLARE_DELEGATE_RetVal_OneParam(UBlueprintNodeSpawner*, FMakeFuncSpawnerDelegate, const UFunction*);

	/** Registers the spawner under the class being asked (the node class). */
	bool AddBlueprintAction(UBlueprintNodeSpawner* NodeSpawner);
	/** Registers the spawner under ClassOwner; false when the database is not refreshing that key. */
	bool AddBlueprintAction(UClass const* ClassOwner, UBlueprintNodeSpawner* NodeSpawner);
	/** Registers the spawner under the class that owns the field (a function's class). */
	bool AddBlueprintAction(UField const* FieldOwner, UBlueprintNodeSpawner* NodeSpawner);

	/**
	 * Offers MakeActionCallback every factory function of T: a static function of a loaded class
	 * that returns an object of T or a subclass, whose class is neither abstract nor replaced and
	 * that is not deprecated. Each entry it makes is registered under the function's class.
	 * @return the number of entries registered
	 */
	template <class T>
	int32 RegisterClassFactoryActions(const FMakeFuncSpawnerDelegate& MakeActionCallback)
	{
		return RegisterClassFactoryActions(T::StaticClass(), MakeActionCallback);
	}
	/** False when the database is refreshing the entries of another key only. */
	bool IsOpenForRegistration(UObject const* OwnerKey);
	UObject const* GetActionKeyFilter() const { return ActionKeyFilter; }

private:
	friend class FBlueprintActionDatabase;

	FBlueprintActionDatabaseRegistrar(FBlueprintActionDatabase::FActionRegistry& Database, TSubclassOf<UEdGraphNode> DefaultKey = nullptr);

	int32 RegisterClassFactoryActions(const UClass* TargetType, const FMakeFuncSpawnerDelegate& MakeActionCallback);
	bool AddActionToDatabase(UObject const* ActionKey, UBlueprintNodeSpawner* NodeSpawner);

	FBlueprintActionDatabase::FActionRegistry& ActionDatabase;
	TSubclassOf<UEdGraphNode> GeneratingClass;
	UObject const* ActionKeyFilter = nullptr;
};
