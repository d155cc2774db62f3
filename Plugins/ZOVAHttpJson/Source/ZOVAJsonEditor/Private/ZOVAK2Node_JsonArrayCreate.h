// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "ZOVAK2Node_JsonArrayCreate.generated.h"

/**
 * 
 */
UCLASS(MinimalAPI)
class UZOVAK2Node_JsonArrayCreate : public UK2Node
{
	GENERATED_BODY()

public:
	UZOVAK2Node_JsonArrayCreate(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	virtual void AllocateDefaultPins() override;
	virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	virtual FText GetTooltipText() const override;
	virtual TSharedPtr<SGraphNode> CreateVisualWidget() override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	virtual void GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const override;
	virtual FText GetMenuCategory() const override;
	virtual void ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph) override;
	//~ End UK2Node Interface

	/** Appends the next input "[NumInputs]"; always true. */
	ZOVAJSONEDITOR_API bool AddInputPin();
	/** Removes the last input and its links; false, changing nothing, when only one is left. */
	ZOVAJSONEDITOR_API bool RemoveInputPin();

	/** True when the array text was made. */
	ZOVAJSONEDITOR_API UEdGraphPin* GetSuccessPin() const;
	/** The JSON array text. */
	ZOVAJSONEDITOR_API UEdGraphPin* GetOutJsonPin() const;

private:
	/** The name of input Index: "[0]", "[1]", ... */
	static FName GetInputPinName(int32 Index);

	/** Marks the Blueprint changed and refreshes the graph's editors. */
	void NotifyInputsChanged();

	// 输出数量
	UPROPERTY()
	int32 NumInputs;
};
