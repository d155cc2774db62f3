#pragma once

#include "CoreMinimal.h"
#include "K2Node_FunctionTerminator.h"
#include "K2Node_FunctionEntry.generated.h"

/** Where a function graph starts: its outputs are the function's inputs. */
UCLASS(MinimalAPI)
class UK2Node_FunctionEntry : public UK2Node_FunctionTerminator
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_FunctionEntry(const FObjectInitializer& ObjectInitializer);

	/** When set, the name of the function the compiler makes; otherwise the function reference's name. */
	UPROPERTY()
	FName CustomGeneratedFunctionName;

	//~ Begin UEdGraphNode Interface
	/**
	 * The execution output "then", then the user pins. The engine first adds the pins of the function
	 * the node overrides; the host's Blueprints override none.
	 */
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	/** The function's name (the graph's). */
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node_EditablePinBase Interface
	/** As the terminator, and no input pins. */
	BLUEPRINTGRAPH_API virtual bool CanCreateUserDefinedPin(const FEdGraphPinType& InPinType, EEdGraphPinDirection InDesiredDirection, FText& OutErrorMessage) override;
	/** An output pin with the user pin's default; none for an execution pin. */
	BLUEPRINTGRAPH_API virtual UEdGraphPin* CreatePinFromUserDefinition(const TSharedPtr<FUserPinInfo> NewPinInfo) override;
	//~ End UK2Node_EditablePinBase Interface

	/** The function flags the node adds to those the compiler gives the function. */
	int32 GetExtraFlags() const { return ExtraFlags; }
	void SetExtraFlags(int32 InFlags) { ExtraFlags = (InFlags & ~FUNC_Native); }
	void AddExtraFlags(int32 InFlags) { ExtraFlags |= InFlags; }
	void ClearExtraFlags(int32 InFlags) { ExtraFlags &= ~InFlags; }

protected:
	UPROPERTY()
	int32 ExtraFlags = 0;
};
