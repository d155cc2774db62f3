#pragma once

#include "CoreMinimal.h"

class UBlueprintNodeSpawner;
class UClass;
class UObject;

/**
 * Every entry of the Blueprint action menu, keyed by the object that owns it (a node class, or the
 * class whose function an entry calls). Filled the way the editor fills it: each node class's
 * default object registers its own entries, and each function that Blueprints may call gets one.
 */
class BLUEPRINTGRAPH_API FBlueprintActionDatabase
{
public:
	typedef TArray<UBlueprintNodeSpawner*> FActionList;
	/** The engine keys by FObjectKey; the host keys by the owner, a class that lives while its module is loaded. */
	typedef TMap<const UObject*, FActionList> FActionRegistry;

	static FBlueprintActionDatabase& Get();

	/** Drops every entry and asks every loaded class again. */
	void RefreshAll();
	/** Asks one class again for the entries it owns. */
	void RefreshClassActions(UClass* const Class);
	/** Every entry; refreshed first when classes were loaded since the last refresh. */
	FActionRegistry const& GetAllActions();

private:
	FBlueprintActionDatabase() = default;

	void RegisterClassActions(UClass* Class, const UObject* KeyFilter);
	void ReleaseActions(FActionList& Actions);

	FActionRegistry ActionRegistry;
	int32 NumClassesAtRefresh = INDEX_NONE;
};
