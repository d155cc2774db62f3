#pragma once

#include "CoreMinimal.h"
#include "Engine/MemberReference.h"
#include "K2Node.h"
#include "K2Node_CallFunction.generated.h"

class UFunction;

/** A call of a reflected function: one pin per parameter, "ReturnValue" for the result. */
UCLASS(MinimalAPI)
class UK2Node_CallFunction : public UK2Node
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_CallFunction(const FObjectInitializer& ObjectInitializer);

	/** The function called, found by name in its class when needed. */
	UPROPERTY()
	FMemberReference FunctionReference;

	//~ Begin UEdGraphNode Interface
	/**
	 * Creates, for the function found: execution pins unless it is pure, the target pin "self"
	 * (hidden for static functions, whose target is the class default object), one pin per
	 * parameter named as the parameter (non-const references are outputs) and "ReturnValue".
	 */
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	/** The function's tooltip with its target class (ObjectTools::GetDefaultTooltipForFunction), or what is missing. */
	BLUEPRINTGRAPH_API virtual FText GetTooltipText() const override;
	BLUEPRINTGRAPH_API virtual void ValidateNodeDuringCompilation(FCompilerResultsLog& MessageLog) const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	BLUEPRINTGRAPH_API virtual bool IsNodePure() const override;
	BLUEPRINTGRAPH_API virtual FText GetMenuCategory() const override;
	//~ End UK2Node Interface

	/** The function's action-menu category: its Category metadata, after BaseCategory and "|" when both are set. */
	static BLUEPRINTGRAPH_API FText GetDefaultCategoryForFunction(const UFunction* Function, const FText& BaseCategory);

	/** Points the node at the function (a member of its own class); creates no pins. */
	BLUEPRINTGRAPH_API virtual void SetFromFunction(const UFunction* Function);
	/** The function FunctionReference names, or null when it does not exist. */
	BLUEPRINTGRAPH_API UFunction* GetTargetFunction() const;
	/** The "ReturnValue" output, or null for a function without a result. */
	BLUEPRINTGRAPH_API UEdGraphPin* GetReturnValuePin() const;
};
