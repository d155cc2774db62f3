// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "ZOVAK2Node_JsonToArray.generated.h"

/**
 * 
 */
UCLASS(MinimalAPI)
class UZOVAK2Node_JsonToArray : public UK2Node
{
	GENERATED_BODY()

public:
	//~ Begin UEdGraphNode Interface
	virtual void AllocateDefaultPins() override;
	virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	virtual FText GetTooltipText() const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	virtual void GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const override;
	virtual FText GetMenuCategory() const override;
	virtual void ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph) override;
	//~ End UK2Node Interface

	/** The JSON array text. */
	ZOVAJSONEDITOR_API UEdGraphPin* GetInJsonPin() const;
	/** True when the text is a JSON array. */
	ZOVAJSONEDITOR_API UEdGraphPin* GetSuccessPin() const;
	/** The array's elements as strings. */
	ZOVAJSONEDITOR_API UEdGraphPin* GetStringArrayPin() const;
};
