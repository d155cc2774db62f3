#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphPin.h"
#include "K2Node.h"
#include "K2Node_FormatText.generated.h"

/**
 * "Format Text": the "Format" text with each "{Name}" replaced by the argument pin of that name, on
 * "Result". One wildcard input per argument, in PinNames order; an argument pin takes the type of
 * its link and is a wildcard again when unlinked.
 */
UCLASS(MinimalAPI)
class UK2Node_FormatText : public UK2Node
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_FormatText(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	BLUEPRINTGRAPH_API virtual FText GetTooltipText() const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	/** Every argument pin takes the type of its link again. */
	BLUEPRINTGRAPH_API virtual void PostReconstructNode() override;
	/** An argument pin takes the type of its link, or is a wildcard again without one. */
	BLUEPRINTGRAPH_API virtual void NotifyPinConnectionListChanged(UEdGraphPin* Pin) override;
	//~ End UK2Node Interface

	int32 GetArgumentCount() const { return PinNames.Num(); }
	BLUEPRINTGRAPH_API FText GetArgumentName(int32 InIndex) const;

	BLUEPRINTGRAPH_API UEdGraphPin* GetFormatPin() const;
	BLUEPRINTGRAPH_API UEdGraphPin* GetResultPin() const;
	/** The input of that name other than "Format"; the name's letter case counts. */
	BLUEPRINTGRAPH_API UEdGraphPin* FindArgumentPin(const FName InPinName) const;

private:
	void SynchronizeArgumentPinType(UEdGraphPin* Pin);

	/** The argument names, one input pin each, made when the pins are. */
	UPROPERTY()
	TArray<FName> PinNames;
};
