#pragma once

#include "CoreMinimal.h"
#include "Engine/MemberReference.h"
#include "K2Node_EditablePinBase.h"
#include "K2Node_FunctionTerminator.generated.h"

/** The entry or the return node of a function graph. */
UCLASS(Abstract, MinimalAPI)
class UK2Node_FunctionTerminator : public UK2Node_EditablePinBase
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_FunctionTerminator(const FObjectInitializer& ObjectInitializer);

	/** The function the node belongs to; for a function of the Blueprint's own it names only the function. */
	UPROPERTY()
	FMemberReference FunctionReference;

	//~ Begin UEdGraphNode Interface
	/**
	 * The name with a number appended (1, 2, ...) until no pin has it. The engine also avoids the
	 * names of the function's other parameters, which the host reads from the pins alone.
	 */
	BLUEPRINTGRAPH_API virtual FName CreateUniquePinName(FName SourcePinName) const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node_EditablePinBase Interface
	/** Only an editable node takes user pins, and no execution pins. */
	BLUEPRINTGRAPH_API virtual bool CanCreateUserDefinedPin(const FEdGraphPinType& InPinType, EEdGraphPinDirection InDesiredDirection, FText& OutErrorMessage) override;
	//~ End UK2Node_EditablePinBase Interface
};
