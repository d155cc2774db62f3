#pragma once

#include "CoreMinimal.h"
#include "K2Node_CallFunction.h"
#include "K2Node_CallArrayFunction.generated.h"

/**
 * A call of a function that takes an array of any type (the ArrayParm of UKismetArrayLibrary's
 * functions): the array pin and the pins of its element type (ArrayTypeDependentParams) are wildcards
 * that take the type of what they are linked to.
 */
UCLASS(MinimalAPI)
class UK2Node_CallArrayFunction : public UK2Node_CallFunction
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_CallArrayFunction(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	/** The function's pins, the array pin a wildcard array passed by reference. */
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	/** Every linked pin is told again of its links, so the wildcards take their types back. */
	BLUEPRINTGRAPH_API virtual void PostReconstructNode() override;
	/** A linked wildcard takes its link's type and gives it to the others; when none is linked, all go back to wildcard. */
	BLUEPRINTGRAPH_API virtual void NotifyPinConnectionListChanged(UEdGraphPin* Pin) override;
	//~ End UK2Node Interface

	/** The pin of the first array the function's ArrayParm names. */
	BLUEPRINTGRAPH_API UEdGraphPin* GetTargetArrayPin() const;
	/** The pins the function's ArrayTypeDependentParams name: they take the array's element type. */
	BLUEPRINTGRAPH_API void GetArrayTypeDependentPins(TArray<UEdGraphPin*>& OutPins) const;
	/** Gives the element type of SourcePin (category, sub-category, object) to the array pin and the dependent pins. */
	BLUEPRINTGRAPH_API void PropagateArrayTypeInfo(const UEdGraphPin* SourcePin);
};
