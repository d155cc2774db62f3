#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphNode.h"
#include "EdGraph/EdGraphPin.h"
#include "K2Node.h"
#include "Templates/SharedPointer.h"
#include "K2Node_EditablePinBase.generated.h"

class UFunction;

/**
 * A pin the user added to a node (a parameter of a function, as its entry or return node shows it).
 * The engine reflects this struct; the host's pin types are not reflected, so the node writes it in
 * its text form itself.
 */
struct FUserPinInfo
{
	FUserPinInfo() = default;

	/** The name of the pin, as the user gave it. */
	FName PinName;
	FEdGraphPinType PinType;
	/** The direction the pin has on its node. */
	TEnumAsByte<EEdGraphPinDirection> DesiredPinDirection = EGPD_MAX;
	/** The pin's default value in its text form. */
	FString PinDefaultValue;
};

/** A node whose pins the user edits: the entry and return nodes of a function. */
UCLASS(Abstract, MinimalAPI)
class UK2Node_EditablePinBase : public UK2Node
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node_EditablePinBase(const FObjectInitializer& ObjectInitializer);

	/** Whether the user may add and remove the node's pins (a function of the Blueprint's own, not an override). */
	UPROPERTY()
	bool bIsEditable = false;

	/** The pins the user added, in the order they were added. */
	TArray<TSharedPtr<FUserPinInfo>> UserDefinedPins;

	virtual bool IsEditable() const { return bIsEditable; }

	//~ Begin UObject Interface
	/** After the pins, one "CustomProperties UserDefinedPin (...)" line per user pin. */
	BLUEPRINTGRAPH_API virtual void ExportCustomProperties(FOutputDevice& Out, uint32 Indent) override;
	/** Reads the pins and the user pins back; the user pins the text does not list are dropped. */
	BLUEPRINTGRAPH_API virtual void ImportCustomProperties(const TCHAR* SourceText, FFeedbackContext* Warn) override;
	//~ End UObject Interface

	//~ Begin UEdGraphNode Interface
	/** Creates a pin for each user pin that has none yet and that an editable node still allows. */
	BLUEPRINTGRAPH_API virtual void AllocateDefaultPins() override;
	//~ End UEdGraphNode Interface

	/** Whether a user pin of the type and direction may be added; no by default, with the reason in OutErrorMessage. */
	virtual bool CanCreateUserDefinedPin(const FEdGraphPinType& InPinType, EEdGraphPinDirection InDesiredDirection, FText& OutErrorMessage) { return false; }

	/**
	 * Adds a user pin and creates its pin; the name is made unique on the node first unless
	 * bUseUniqueName is false. The node decides the pin's real direction.
	 * @return the new pin, or null when the node refused to create it
	 */
	BLUEPRINTGRAPH_API UEdGraphPin* CreateUserDefinedPin(const FName InPinName, const FEdGraphPinType& InPinType, EEdGraphPinDirection InDesiredDirection, bool bUseUniqueName = true);

	/** Removes the user pin and the node's pin of the same name. */
	BLUEPRINTGRAPH_API void RemoveUserDefinedPin(TSharedPtr<FUserPinInfo> PinToRemove);
	/** Removes the node's pin of the name and the user pins of the name. */
	BLUEPRINTGRAPH_API void RemoveUserDefinedPinByName(const FName PinName);
	BLUEPRINTGRAPH_API bool UserDefinedPinExists(const FName PinName) const;

	/** Creates the node's pin for a user pin, in the direction the node gives it; none by default. */
	virtual UEdGraphPin* CreatePinFromUserDefinition(const TSharedPtr<FUserPinInfo> NewPinInfo) { return nullptr; }

	/**
	 * Adds a user pin for each parameter of the function that belongs on this node: inputs (and
	 * parameters passed by reference) on an entry, outputs on a return node.
	 * @return whether every pin was created
	 */
	BLUEPRINTGRAPH_API virtual bool CreateUserDefinedPinsForFunctionEntryExit(const UFunction* Function, bool bForFunctionEntry);
};
