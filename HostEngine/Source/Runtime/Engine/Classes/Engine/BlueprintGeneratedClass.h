#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "BlueprintGeneratedClass.generated.h"

/**
 * The class the Blueprint compiler makes from a Blueprint: a child of the Blueprint's parent class
 * whose functions are the Blueprint's function graphs.
 */
UCLASS(MinimalAPI)
class UBlueprintGeneratedClass : public UClass
{
	GENERATED_BODY()

public:
	ENGINE_API UBlueprintGeneratedClass(const FObjectInitializer& ObjectInitializer);
};
