// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "ZOVAK2Node_JsonBase.h"
#include "ZOVAK2Node_JsonCreate.generated.h"

/**
 * 
 */
UCLASS(MinimalAPI)
class UZOVAK2Node_JsonCreate : public UZOVAK2Node_JsonBase
{
	GENERATED_BODY()

public:
	//~ Begin UEdGraphNode Interface
	virtual void AllocateDefaultPins() override;
	virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	virtual FText GetTooltipText() const override;
	virtual TSharedPtr<SGraphNode> CreateVisualWidget() override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual void ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph) override;
	//~ End UK2Node Interface

	//~ Begin UZOVAK2Node_JsonBase Interface
	virtual bool ShouldRegisterMenuAction() const override { return true; }
	//~ End UZOVAK2Node_JsonBase Interface

	/** True when the object text was made. */
	ZOVAJSONEDITOR_API UEdGraphPin* GetSuccessPin() const;
	/** The JSON object text. */
	ZOVAJSONEDITOR_API UEdGraphPin* GetOutJsonPin() const;
	/** The input that gives the value of the key's member. */
	ZOVAJSONEDITOR_API UEdGraphPin* GetKeyPin(const FString& Key) const;
};
