// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "K2Node.h"
#include "ZOVAK2Node_JsonBase.generated.h"

/**
 * 
 */
UCLASS(MinimalAPI)
class UZOVAK2Node_JsonBase : public UK2Node
{
	GENERATED_BODY()

public:
	//~ Begin UObject Interface
	virtual void PostEditImport() override;
	virtual void PostEditUndo() override;
	//~ End UObject Interface

	//~ Begin UEdGraphNode Interface
	virtual void GetNodeContextMenuActions(UToolMenu* Menu, UGraphNodeContextMenuContext* Context) const override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	virtual bool IsNodePure() const override { return true; }
	virtual void GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const override;
	virtual FText GetMenuCategory() const override;
	//~ End UK2Node Interface

	/** Adds a String pin named by the key, after the other pins; false when the key is refused. */
	ZOVAJSONEDITOR_API virtual bool AddKeyPin(const FString& Key, EEdGraphPinDirection Direction);
	/** Removes a key pin, its links and its key. */
	ZOVAJSONEDITOR_API virtual void RemoveKeyPin(UEdGraphPin* Pin);
	/** Swaps a key pin with the key pin above it. */
	ZOVAJSONEDITOR_API virtual void MoveKeyPinUp(UEdGraphPin* Pin);
	/** Swaps a key pin with the key pin below it. */
	ZOVAJSONEDITOR_API virtual void MoveKeyPinDown(UEdGraphPin* Pin);
	/** Whether the node is offered in the Blueprint action menu; the base is not. */
	virtual bool ShouldRegisterMenuAction() const { return false; }

	/** Why AddKeyPin would refuse the key on that side, in words for the author; empty when it would add it. */
	ZOVAJSONEDITOR_API FText GetKeyRefusal(const FString& Key, EEdGraphPinDirection Direction) const;

protected:
	/** The two pins every keyed node creates before its key pins. */
	static constexpr int32 NumFixedPins = 2;

	/** GetKeyRefusal with the repeated-key check answered by the caller. */
	FText GetKeyRefusal(const FString& Key, EEdGraphPinDirection Direction, bool bIsKeyAlready) const;

	/** Creates the pin of one key, shown exactly as typed. */
	void CreateKeyPin(const FString& Key, EEdGraphPinDirection Direction);
	/**
	 * Creates the key pins after the fixed pins, in key order. Keys that AddKeyPin would refuse (they
	 * can arrive by paste, a hand-edited text or an old asset) are dropped with a warning, so that every
	 * key the node keeps has its pin.
	 */
	void CreateKeyPins(EEdGraphPinDirection Direction);

	UPROPERTY()
	TArray<FString> PinNames;

private:
	using FKeyPinEdit = void (UZOVAK2Node_JsonBase::*)(UEdGraphPin*);

	/** Runs an edit picked in a key pin's menu as one undoable step named Title. */
	void EditKeyPinFromMenu(UEdGraphPin* Pin, FKeyPinEdit Edit, FText Title);
	/** Whether the pin is one of the key pins, never one of the fixed pins. */
	bool IsKeyPin(const UEdGraphPin* Pin) const;
	/** Marks the Blueprint for a changed pin set and refreshes the graph's editors. */
	void NotifyKeyPinsRearranged();
	/** Shows the key pins' names as typed again; pins read back from text (a paste, an undo) lose that. */
	void ShowKeyPinNamesAsTyped();
};
