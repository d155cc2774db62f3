#pragma once

#include "CoreMinimal.h"
#include "K2Node_BaseAsyncTask.h"
#include "K2Node_AsyncAction.generated.h"

class FBlueprintActionDatabaseRegistrar;

/**
 * The latent node of a UBlueprintAsyncActionBase subclass: one action-menu entry per static factory
 * that returns such an action, unless the class carries "HasDedicatedAsyncNode" metadata. The proxy
 * is activated with Activate once its delegates are bound.
 */
UCLASS(MinimalAPI)
class UK2Node_AsyncAction : public UK2Node_BaseAsyncTask
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_AsyncAction(const FObjectInitializer& ObjectInitializer);

	//~ Begin UK2Node Interface
	BLUEPRINTGRAPH_API virtual void GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const override;
	//~ End UK2Node Interface
};
