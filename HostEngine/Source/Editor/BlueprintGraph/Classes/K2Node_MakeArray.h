#pragma once

#include "CoreMinimal.h"
#include "K2Node_MakeContainer.h"
#include "K2Node_MakeArray.generated.h"

/** Builds an array from its inputs "[0]", "[1]", ... on the output "Array". */
UCLASS(MinimalAPI)
class UK2Node_MakeArray : public UK2Node_MakeContainer
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_MakeArray(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	BLUEPRINTGRAPH_API virtual FText GetTooltipText() const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node_MakeContainer Interface
	BLUEPRINTGRAPH_API virtual FName GetOutputPinName() const override;
	//~ End UK2Node_MakeContainer Interface
};
