#pragma once

#include "CoreMinimal.h"
#include "BlueprintNodeSpawner.h"
#include "BlueprintFunctionNodeSpawner.generated.h"

class UFunction;

/** An action-menu entry that places a call of one function. */
UCLASS(Transient)
class BLUEPRINTGRAPH_API UBlueprintFunctionNodeSpawner : public UBlueprintNodeSpawner
{
	GENERATED_BODY()

public:
	UBlueprintFunctionNodeSpawner(const FObjectInitializer& ObjectInitializer);

	/** Makes a spawner of call nodes for the function. */
	static UBlueprintFunctionNodeSpawner* Create(UFunction const* const Function, UObject* Outer = nullptr);

	//~ Begin UBlueprintNodeSpawner Interface
	virtual UEdGraphNode* Invoke(UEdGraph* ParentGraph, FBindingSet const& Bindings, FVector2D const Location) const override;
	//~ End UBlueprintNodeSpawner Interface

	UFunction const* GetFunction() const { return Function; }

private:
	UFunction const* Function = nullptr;
};
