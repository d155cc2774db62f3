#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "K2Node_BaseAsyncTask.generated.h"

class UFunction;

/**
 * A latent node that calls a static factory of a proxy object. It has the execute and then pins,
 * one execution output per multicast delegate of the proxy class, the parameters of the first
 * delegate as data outputs, and the factory's inputs as data inputs; its title, tooltip and menu
 * category come from the factory. The host lists and places these nodes, but cannot compile
 * latent graphs, so it does not expand them.
 */
UCLASS(Abstract, MinimalAPI)
class UK2Node_BaseAsyncTask : public UK2Node
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_BaseAsyncTask(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	/** The factory's tooltip, then a blank line and the engine's note on latent nodes. */
	BLUEPRINTGRAPH_API virtual FText GetTooltipText() const override;
	/** The factory's display name. */
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	/** The factory's category. */
	BLUEPRINTGRAPH_API virtual FText GetMenuCategory() const override;
	/** The latent clock, as on every node that finishes later. */
	BLUEPRINTGRAPH_API virtual FName GetCornerIcon() const override;
	//~ End UK2Node Interface

protected:
	/** The factory, found by name in ProxyFactoryClass; null (with an error in the log) when either is missing. */
	BLUEPRINTGRAPH_API UFunction* GetFactoryFunction() const;

	/** The static function that makes the proxy object. */
	UPROPERTY()
	FName ProxyFactoryFunctionName;

	/** The class that declares the factory. */
	UPROPERTY()
	TObjectPtr<UClass> ProxyFactoryClass;

	/** The class of the proxy object, whose delegates become the node's outputs. */
	UPROPERTY()
	TObjectPtr<UClass> ProxyClass;

	/** The proxy's function to call once its delegates are bound; None for none. */
	UPROPERTY()
	FName ProxyActivateFunctionName;
};
