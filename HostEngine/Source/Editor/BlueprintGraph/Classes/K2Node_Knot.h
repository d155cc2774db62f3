#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "K2Node_Knot.generated.h"

/**
 * A reroute node: one wildcard input "InputPin" and one output "OutputPin", typed by what they are
 * linked to. The compiler joins the links on both sides and drops the node, so a value passes
 * through it unchanged.
 */
UCLASS(MinimalAPI)
class UK2Node_Knot : public UK2Node
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_Knot(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	BLUEPRINTGRAPH_API virtual FText GetTooltipText() const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	/** Links every pin feeding the input to every pin the output feeds (or gives them the input's value) and unlinks the knot. */
	BLUEPRINTGRAPH_API virtual void ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph) override;
	BLUEPRINTGRAPH_API virtual void NotifyPinConnectionListChanged(UEdGraphPin* Pin) override;
	BLUEPRINTGRAPH_API virtual void PostReconstructNode() override;
	//~ End UK2Node Interface

	UEdGraphPin* GetInputPin() const { return Pins[0]; }
	UEdGraphPin* GetOutputPin() const { return Pins[1]; }

private:
	/**
	 * Types the knot, and the knots chained to it, from the first typed pin linked on the input side,
	 * else on the output side; a knot linked to nothing goes back to wildcard.
	 */
	void PropagatePinType();
	/** Types the chain of knots from its end on the input side (or the output side) and tells the other nodes it reaches. */
	void PropagatePinTypeFromDirection(bool bFromInput);
};
