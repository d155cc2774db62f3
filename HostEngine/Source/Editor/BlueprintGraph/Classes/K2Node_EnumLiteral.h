#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "K2Node_EnumLiteral.generated.h"

class UEnum;

/**
 * "Literal enum <Enum>": the entry chosen on the input "Enum" (a byte of the enum) given on
 * "ReturnValue". The compiler turns it into a call of UKismetSystemLibrary::MakeLiteralByte holding
 * the entry's value, whose byte an unchecked Byte to Enum cast gives the enum's type.
 */
UCLASS(MinimalAPI)
class UK2Node_EnumLiteral : public UK2Node
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_EnumLiteral(const FObjectInitializer& ObjectInitializer);

	UPROPERTY()
	TObjectPtr<UEnum> Enum;

	static BLUEPRINTGRAPH_API const FName GetEnumInputPinName();

	//~ Begin UEdGraphNode Interface
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	BLUEPRINTGRAPH_API virtual FText GetTooltipText() const override;
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	/** A node without an enum is refused. */
	BLUEPRINTGRAPH_API virtual void ValidateNodeDuringCompilation(FCompilerResultsLog& MessageLog) const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	/** Places the MakeLiteralByte call with the chosen entry's value and the cast, which takes the output's links. */
	BLUEPRINTGRAPH_API virtual void ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph) override;
	//~ End UK2Node Interface

	UEnum* GetEnum() const { return Enum; }
};
