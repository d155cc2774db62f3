#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "K2Node_AddPinInterface.h"
#include "K2Node_MakeContainer.generated.h"

/**
 * Builds a container from its inputs. All pins start as wildcards; the first link to a typed pin
 * gives the output its type, and the inputs follow.
 */
UCLASS(Abstract, MinimalAPI)
class UK2Node_MakeContainer : public UK2Node, public IK2Node_AddPinInterface
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_MakeContainer(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	/** The output pin first, then NumInputs element pins. */
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	BLUEPRINTGRAPH_API virtual void NotifyPinConnectionListChanged(UEdGraphPin* Pin) override;
	BLUEPRINTGRAPH_API virtual void PostReconstructNode() override;
	//~ End UK2Node Interface

	//~ Begin IK2Node_AddPinInterface Interface
	/** Adds the next element pin, typed like the output's elements. */
	BLUEPRINTGRAPH_API virtual void AddInputPin() override;
	//~ End IK2Node_AddPinInterface Interface

	BLUEPRINTGRAPH_API UEdGraphPin* GetOutputPin() const;
	virtual FName GetOutputPinName() const { return NAME_None; }
	/** The name of element pin PinIndex: "[0]", "[1]", ... */
	BLUEPRINTGRAPH_API virtual FName GetPinName(int32 PinIndex) const;

protected:
	/** Gives the output the type that a link to Pin implies, if the output is still a wildcard. */
	BLUEPRINTGRAPH_API virtual void TakeTypeFromLink(const UEdGraphPin* Pin);
	/** Retypes the input pins from the output pin. */
	BLUEPRINTGRAPH_API virtual void PropagatePinType();
	/** Gives Pin the type, resetting its default when the type changed. */
	void SetInputPinType(UEdGraphPin* Pin, const FEdGraphPinType& NewType) const;
	/** Marks the Blueprint structurally modified, unless the compiler made the change. */
	void MarkBlueprintForNewPins() const;

	/** Number of elements (pairs, for maps). */
	UPROPERTY()
	int32 NumInputs = 1;

	EPinContainerType ContainerType = EPinContainerType::None;
};
