#include "BlueprintActionDatabaseRegistrar.h"

#include "BlueprintNodeSpawner.h"
#include "EdGraph/EdGraphNode.h"

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
