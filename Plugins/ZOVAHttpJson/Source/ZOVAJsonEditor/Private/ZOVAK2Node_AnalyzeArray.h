// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "ZOVAK2Node_AnalyzeArray.generated.h"

/**
 * 
 */
UCLASS(MinimalAPI)
class UZOVAK2Node_AnalyzeArray : public UK2Node
{
	GENERATED_BODY()

public:
	UZOVAK2Node_AnalyzeArray(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	virtual void AllocateDefaultPins() override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	virtual void ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph) override;
	//~ End UK2Node Interface

	/** Appends the next output "[NumInputs]". */
	virtual void AddOutputPin();

	/** The string array to split. */
	UEdGraphPin* GetInputArrayPin() const;
	/** The output that gives element Index of the array. */
	UEdGraphPin* GetOutputPin(int32 Index) const;
	/** The name of output Index: "[0]", "[1]", ... */
	FName GetOutputPinName(int32 Index) const;

private:
	// 输出数量
	UPROPERTY()
	int32 NumInputs;
};
