#pragma once

#include "CoreMinimal.h"
#include "K2Node_MakeContainer.h"
#include "K2Node_MakeMap.generated.h"

/** Builds a map from pairs of inputs "Key 0"/"Value 0", "Key 1"/"Value 1", ... on the output "Map". */
UCLASS(MinimalAPI)
class UK2Node_MakeMap : public UK2Node_MakeContainer
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_MakeMap(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	BLUEPRINTGRAPH_API virtual FText GetTooltipText() const override;
	//~ End UEdGraphNode Interface

	//~ Begin IK2Node_AddPinInterface Interface
	/** Adds the next pair: a key pin typed like the output's keys, a value pin like its values. */
	BLUEPRINTGRAPH_API virtual void AddInputPin() override;
	//~ End IK2Node_AddPinInterface Interface

	//~ Begin UK2Node_MakeContainer Interface
	BLUEPRINTGRAPH_API virtual FName GetOutputPinName() const override;
	/** Inputs alternate: key, value, key, value... */
	BLUEPRINTGRAPH_API virtual void GetKeyAndValuePins(TArray<UEdGraphPin*>& KeyPins, TArray<UEdGraphPin*>& ValuePins) const override;
	//~ End UK2Node_MakeContainer Interface

	BLUEPRINTGRAPH_API FName GetKeyPinName(int32 PinIndex) const;
	BLUEPRINTGRAPH_API FName GetValuePinName(int32 PinIndex) const;
};
