#pragma once

#include "CoreMinimal.h"
#include "Templates/SubclassOf.h"
#include "BlueprintActionDatabase.h"

class UEdGraphNode;

/** What a node class's GetMenuActions registers its action-menu entries with. */
class BLUEPRINTGRAPH_API FBlueprintActionDatabaseRegistrar
{
public:
	/** Registers the spawner under the class being asked (the node class). */
	bool AddBlueprintAction(UBlueprintNodeSpawner* NodeSpawner);
	/** Registers the spawner under ClassOwner; false when the database is not refreshing that key. */
	bool AddBlueprintAction(UClass const* ClassOwner, UBlueprintNodeSpawner* NodeSpawner);
	/** False when the database is refreshing the entries of another key only. */
	bool IsOpenForRegistration(UObject const* OwnerKey);
	UObject const* GetActionKeyFilter() const { return ActionKeyFilter; }

private:
	friend class FBlueprintActionDatabase;

	FBlueprintActionDatabaseRegistrar(FBlueprintActionDatabase::FActionRegistry& Database, TSubclassOf<UEdGraphNode> DefaultKey = nullptr);

	bool AddActionToDatabase(UObject const* ActionKey, UBlueprintNodeSpawner* NodeSpawner);

	FBlueprintActionDatabase::FActionRegistry& ActionDatabase;
	TSubclassOf<UEdGraphNode> GeneratingClass;
	UObject const* ActionKeyFilter = nullptr;
};
