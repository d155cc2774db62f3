#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphPin.h"
#include "K2Node.h"
#include "K2Node_Select.generated.h"

class UEnum;

/**
 * "Select": the option whose literal equals "Index" on "ReturnValue". The options are "Option 0",
 * "Option 1", ... for an int index ("Option 0" shown as False, "Option 1" as True for a bool), or one
 * pin per entry of the index's enum, named after it. The options and the output share one wildcard
 * type, given by the first typed link.
 */
UCLASS(MinimalAPI, meta = (Keywords = "Ternary Select"))
class UK2Node_Select : public UK2Node
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_Select(const FObjectInitializer& ObjectInitializer);

	//~ Begin UEdGraphNode Interface
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	BLUEPRINTGRAPH_API virtual FText GetTooltipText() const override;
	BLUEPRINTGRAPH_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const override;
	/** The index type is taken again from the pasted "Index" pin, whose default is kept. */
	BLUEPRINTGRAPH_API virtual void PostPasteNode() override;
	/** Refuses a node without option pins or without its return pin, as the engine's compiler does. */
	BLUEPRINTGRAPH_API virtual void ValidateNodeDuringCompilation(FCompilerResultsLog& MessageLog) const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	/** The new return pin keeps the old one's type, and wildcard options take it; an old linked or set wildcard index becomes an int. */
	BLUEPRINTGRAPH_API virtual void ReallocatePinsDuringReconstruction(TArray<UEdGraphPin*>& OldPins) override;
	/** A wildcard return pin is typed by its first link, else by the first linked option. */
	BLUEPRINTGRAPH_API virtual void PostReconstructNode() override;
	virtual bool IsNodePure() const override { return true; }
	/** A link to the index types it; a link to an option or the return pin types them all, and they are wildcards again when nothing uses them. */
	BLUEPRINTGRAPH_API virtual void NotifyPinConnectionListChanged(UEdGraphPin* Pin) override;
	//~ End UK2Node Interface

	UEnum* GetEnum() const { return Enum; }

	BLUEPRINTGRAPH_API UEdGraphPin* GetReturnValuePin() const;
	BLUEPRINTGRAPH_API UEdGraphPin* GetIndexPin() const;
	/** The option pins in pin order: the enum's entries for an enum index, else the pins named "Option ...". */
	BLUEPRINTGRAPH_API void GetOptionPins(TArray<UEdGraphPin*>& OptionPins) const;

	/** Binds the options to the enum's visible entries. */
	BLUEPRINTGRAPH_API void SetEnum(UEnum* InEnum, bool bForceRegenerate = false);

private:
	/** A new index type sets the enum and, for a bool, two options; a new option type goes to the return pin and every option. */
	void OnPinTypeChanged(UEdGraphPin* Pin);

	/** The number of selectable options this node currently has */
	UPROPERTY()
	int32 NumOptionPins;

	/**
	 * The type of the index pin. The engine saves it with the node; the host's pin types are not
	 * reflected, so a paste takes it from the pasted "Index" pin, as the engine's PostPasteNode does.
	 */
	FEdGraphPinType IndexPinType;

	/** Name of the enum being switched on */
	UPROPERTY()
	TObjectPtr<UEnum> Enum;

	/** List of the current entries in the enum (Pin Names) */
	UPROPERTY()
	TArray<FName> EnumEntries;

	/** List of the current entries in the enum (Pin Friendly Names) */
	UPROPERTY(Transient)
	TArray<FText> EnumEntryFriendlyNames;

	/** Whether the pins must be made again after a change of type or enum. */
	bool bReconstructNode = false;
};
