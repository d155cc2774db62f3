#pragma once

#include "CoreMinimal.h"
#include "K2Node_AddPinInterface.h"
#include "K2Node_CallFunction.h"
#include "K2Node_CommutativeAssociativeBinaryOperator.generated.h"

/**
 * A call of a pure two-input function that the author may give more inputs (C, D...), each of the
 * type of A: the compile chains one call per extra input, ((A op B) op C) op D.
 */
UCLASS(MinimalAPI)
class UK2Node_CommutativeAssociativeBinaryOperator : public UK2Node_CallFunction, public IK2Node_AddPinInterface
{
	GENERATED_UCLASS_BODY()

	/** How many inputs the node has beyond A and B. */
	UPROPERTY()
	int32 NumAdditionalInputs;

public:
	/** The first output pin. */
	BLUEPRINTGRAPH_API UEdGraphPin* FindOutPin() const;
	/** The target pin "self". */
	BLUEPRINTGRAPH_API UEdGraphPin* FindSelfPin() const;
	/** The input at InputPinIndex, counting neither the output nor "self". */
	BLUEPRINTGRAPH_API UEdGraphPin* GetInputPin(int32 InputPinIndex);

	//~ Begin UEdGraphNode Interface
	/** The function's pins, then one input per additional input, named from "C" on. */
	virtual void AllocateDefaultPins() override;
	/** The function must be pure, with one output and inputs of one type. */
	virtual void ValidateNodeDuringCompilation(class FCompilerResultsLog& MessageLog) const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual void ExpandNode(class FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph) override;
	//~ End UK2Node Interface

	//~ Begin IK2Node_AddPinInterface Interface
	BLUEPRINTGRAPH_API virtual void AddInputPin() override;
	virtual bool CanAddPin() const override;
	//~ End IK2Node_AddPinInterface Interface

private:
	static const int32 BinaryOperatorInputsNum = 2;

	/** The type of the first pin that is not "self": the type every input has. */
	FEdGraphPinType GetType() const;
	void AddInputPinInner(int32 AdditionalPinIndex);
};
