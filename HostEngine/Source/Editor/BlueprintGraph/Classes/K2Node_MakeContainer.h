#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "K2Node_AddPinInterface.h"
#include "K2Node_MakeContainer.generated.h"

/**
 * Builds a container from its inputs. All pins start as wildcards; the first link to a typed pin
 * gives the output its type, and the inputs follow. An input that holds a value of its own keeps
 * the type when the links go, and gives it back when the node is reconstructed (after a paste).
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
	/**
	 * Types the node again from what it kept: a linked output gives the type of the pin it feeds;
	 * otherwise the first input (for maps, the first key and the first value) that is linked or holds
	 * a value of its own gives the type, and a side with none of them becomes a wildcard.
	 */
	BLUEPRINTGRAPH_API virtual void PostReconstructNode() override;
	/**
	 * The first link of the output, or the first linked input of a side, types a wildcard side. When a
	 * link goes and the output is unlinked, a side whose inputs are all unlinked and hold nothing of
	 * their own goes back to wildcard, and its inputs lose their values.
	 */
	BLUEPRINTGRAPH_API virtual void NotifyPinConnectionListChanged(UEdGraphPin* Pin) override;
	/** New pins are wildcards: a wildcard output takes the old output's type (pasted or loaded nodes keep theirs). */
	BLUEPRINTGRAPH_API virtual void ReallocatePinsDuringReconstruction(TArray<UEdGraphPin*>& OldPins) override;
	//~ End UK2Node Interface

	//~ Begin IK2Node_AddPinInterface Interface
	/** Adds the next element pin, typed like the output's elements. */
	BLUEPRINTGRAPH_API virtual void AddInputPin() override;
	//~ End IK2Node_AddPinInterface Interface

	BLUEPRINTGRAPH_API UEdGraphPin* GetOutputPin() const;
	virtual FName GetOutputPinName() const { return NAME_None; }
	/** The name of element pin PinIndex: "[0]", "[1]", ... */
	BLUEPRINTGRAPH_API virtual FName GetPinName(int32 PinIndex) const;
	/** The inputs typed by the output's type (all of them here), and those typed by a map's value type. */
	BLUEPRINTGRAPH_API virtual void GetKeyAndValuePins(TArray<UEdGraphPin*>& KeyPins, TArray<UEdGraphPin*>& ValuePins) const;

protected:
	/**
	 * Gives the inputs the output's type (a map's value pins its value type), keeping the values of
	 * typed inputs that hold one; a wildcard or empty input gets its type's default. Links the new
	 * types no longer allow are broken.
	 */
	BLUEPRINTGRAPH_API void PropagatePinType();
	/** Marks the Blueprint structurally modified, unless the compiler made the change. */
	void MarkBlueprintForNewPins() const;

	/** Number of elements (pairs, for maps). */
	UPROPERTY()
	int32 NumInputs = 1;

	EPinContainerType ContainerType = EPinContainerType::None;
};
