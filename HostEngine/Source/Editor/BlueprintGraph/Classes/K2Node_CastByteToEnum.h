#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "K2Node_CastByteToEnum.generated.h"

class UEnum;

/**
 * "Byte to Enum <Enum>": the byte on "Byte" given on "ReturnValue" as the enum. Unchecked, it
 * compiles to no statement: the output is the input's byte. The checked form (bSafe) the editor's
 * menu places compiles to a call the host does not have, so the host runs only the unchecked form.
 */
UCLASS(MinimalAPI)
class UK2Node_CastByteToEnum : public UK2Node
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_CastByteToEnum(const FObjectInitializer& ObjectInitializer);

	UPROPERTY()
	TObjectPtr<UEnum> Enum;

	/* if true, the node returns always a valid value */
	UPROPERTY()
	bool bSafe;

	static BLUEPRINTGRAPH_API const FName ByteInputPinName;

	//~ Begin UEdGraphNode Interface
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	BLUEPRINTGRAPH_API virtual FText GetTooltipText() const override;
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	/** A node without an enum is refused. */
	BLUEPRINTGRAPH_API virtual void ValidateNodeDuringCompilation(FCompilerResultsLog& MessageLog) const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	//~ End UK2Node Interface
};
