#pragma once

#include "CoreMinimal.h"
#include "UObject/WeakObjectPtrTemplates.h"

class UObject;

/** Something that can bind the nodes it spawns to objects (a variable, a component). */
class IBlueprintNodeBinder
{
public:
	/** The objects to bind. The engine uses a set; the host Core has no TSet. */
	typedef TArray<TWeakObjectPtr<UObject>> FBindingSet;

	virtual ~IBlueprintNodeBinder() = default;
};
