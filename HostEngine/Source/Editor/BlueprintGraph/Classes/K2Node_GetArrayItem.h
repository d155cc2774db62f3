#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "K2Node_GetArrayItem.generated.h"

/**
 * "Get (a ref)" and "Get (a copy)": the item of the wildcard array "Array" at the index "Dimension 1",
 * on "Output". In the engine the copy expands into a call of UKismetArrayLibrary::Array_Get and the
 * reference is read by the virtual machine itself; the host's graph evaluator reads both itself (the
 * host compiler cannot be reached from this module), with the same values.
 */
UCLASS(MinimalAPI)
class UK2Node_GetArrayItem : public UK2Node
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_GetArrayItem(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	BLUEPRINTGRAPH_API virtual FText GetTooltipText() const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	/** The array's linked type types the node, else the output's. */
	BLUEPRINTGRAPH_API virtual void PostReconstructNode() override;
	/** A first typed link types a wildcard node; when the last link of both sides goes, the node is a wildcard again. */
	BLUEPRINTGRAPH_API virtual void NotifyPinConnectionListChanged(UEdGraphPin* Pin) override;
	//~ End UK2Node Interface

	UEdGraphPin* GetTargetArrayPin() const { return Pins[0]; }
	UEdGraphPin* GetIndexPin() const { return Pins[1]; }
	UEdGraphPin* GetResultPin() const { return Pins[2]; }

	/** Whether the node returns the item itself rather than a copy: as desired, unless the items are objects or classes. */
	BLUEPRINTGRAPH_API bool IsSetToReturnRef() const;

private:
	/** The array pin takes the type as an array, the output as one item, by reference when it returns one. */
	void PropagatePinType(const FEdGraphPinType& InType);

	UPROPERTY()
	bool bReturnByRefDesired = true;
};
