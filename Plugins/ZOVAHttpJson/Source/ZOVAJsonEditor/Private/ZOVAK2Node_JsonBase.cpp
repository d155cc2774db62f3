#include "ZOVAK2Node_JsonBase.h"

#include "BlueprintActionDatabaseRegistrar.h"
#include "BlueprintNodeSpawner.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Framework/Commands/UIAction.h"
#include "Kismet2/BlueprintEditorUtils.h"
#include "ToolMenu.h"

namespace ZOVAJsonBaseMenuNames
{
	static const FName SectionName(TEXT("UZOVAK2Node_JsonBase"));
	static const FName KeyValueEntryName(TEXT("Json Key Value"));
	static const FName MoveUpEntryName(TEXT("Json Key Move Up"));
	static const FName MoveDownEntryName(TEXT("Json Key Down Up"));
	static const FName RemoveEntryName(TEXT("Json Key"));
}

/////////////////////////////////////////////////////
// UZOVAK2Node_JsonBase

void UZOVAK2Node_JsonBase::GetNodeContextMenuActions(UToolMenu* Menu, UGraphNodeContextMenuContext* Context) const
{
	Super::GetNodeContextMenuActions(Menu, Context);
	if (!IsKeyPin(Context->Pin))
	{
		return;
	}

	// Menu actions run later, on the node and pin the menu was opened on.
	UZOVAK2Node_JsonBase* const MutableThis = const_cast<UZOVAK2Node_JsonBase*>(this);
	UEdGraphPin* const Pin = const_cast<UEdGraphPin*>(Context->Pin);
	const FString PinName = Pin->PinName.ToString();

	FToolMenuSection& Section = Menu->AddSection(ZOVAJsonBaseMenuNames::SectionName, FText::FromString(PinName));
	Section.AddMenuEntry(
		ZOVAJsonBaseMenuNames::KeyValueEntryName,
		FText::FromString(TEXT("Key: ") + PinName),
		FText::FromString(TEXT("Json Key Actual Value")),
		FSlateIcon(),
		FUIAction());
	Section.AddMenuEntry(
		ZOVAJsonBaseMenuNames::MoveUpEntryName,
		FText::FromString(TEXT("Move Up")),
		FText::FromString(TEXT("Move Up Current Json Key Pin")),
		FSlateIcon(),
		FUIAction(FExecuteAction::CreateUObject(MutableThis, &UZOVAK2Node_JsonBase::MoveKeyPinUp, Pin)));
	Section.AddMenuEntry(
		ZOVAJsonBaseMenuNames::MoveDownEntryName,
		FText::FromString(TEXT("Move Down")),
		FText::FromString(TEXT("Move Down Current Json Key Pin")),
		FSlateIcon(),
		FUIAction(FExecuteAction::CreateUObject(MutableThis, &UZOVAK2Node_JsonBase::MoveKeyPinDown, Pin)));
	Section.AddMenuEntry(
		ZOVAJsonBaseMenuNames::RemoveEntryName,
		FText::FromString(TEXT("Remove Key Pin")),
		FText::FromString(TEXT("Remove Current Json Key Pin")),
		FSlateIcon(),
		FUIAction(FExecuteAction::CreateUObject(MutableThis, &UZOVAK2Node_JsonBase::RemoveKeyPin, Pin)));
}

bool UZOVAK2Node_JsonBase::AddKeyPin(const FString& Key, EEdGraphPinDirection Direction)
{
	if (!CanAddKey(Key, Direction))
	{
		return false;
	}

	Modify();
	PinNames.Add(Key);
	CreateKeyPin(Key, Direction);
	FBlueprintEditorUtils::MarkBlueprintAsModified(GetBlueprint());
	GetGraph()->NotifyGraphChanged();
	return true;
}

void UZOVAK2Node_JsonBase::RemoveKeyPin(UEdGraphPin* Pin)
{
	if (!IsKeyPin(Pin))
	{
		return;
	}

	Modify();
	PinNames.Remove(Pin->PinName.ToString());
	RemovePin(Pin);
	NotifyKeyPinsRearranged();
}

void UZOVAK2Node_JsonBase::MoveKeyPinUp(UEdGraphPin* Pin)
{
	if (!IsKeyPin(Pin))
	{
		return;
	}

	Modify();
	const int32 KeyIndex = PinNames.Find(Pin->PinName.ToString());
	const int32 PinIndex = Pins.Find(Pin);
	if (KeyIndex > 0 && PinIndex > NumFixedPins)
	{
		PinNames.Swap(KeyIndex, KeyIndex - 1);
		Pins.Swap(PinIndex, PinIndex - 1);
	}
	NotifyKeyPinsRearranged();
}

void UZOVAK2Node_JsonBase::MoveKeyPinDown(UEdGraphPin* Pin)
{
	if (!IsKeyPin(Pin))
	{
		return;
	}

	Modify();
	const int32 KeyIndex = PinNames.Find(Pin->PinName.ToString());
	const int32 PinIndex = Pins.Find(Pin);
	if (KeyIndex < PinNames.Num() - 1 && PinIndex < Pins.Num() - 1)
	{
		PinNames.Swap(KeyIndex, KeyIndex + 1);
		Pins.Swap(PinIndex, PinIndex + 1);
	}
	NotifyKeyPinsRearranged();
}

void UZOVAK2Node_JsonBase::GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const
{
	if (!ShouldRegisterMenuAction())
	{
		return;
	}

	UClass* const ActionKey = GetClass();
	if (ActionRegistrar.IsOpenForRegistration(ActionKey))
	{
		UBlueprintNodeSpawner* const NodeSpawner = UBlueprintNodeSpawner::Create(GetClass());
		check(NodeSpawner != nullptr);
		ActionRegistrar.AddBlueprintAction(ActionKey, NodeSpawner);
	}
}

FText UZOVAK2Node_JsonBase::GetMenuCategory() const
{
	return FText::FromString(TEXT("ZOVA Http Json"));
}

void UZOVAK2Node_JsonBase::CreateKeyPin(const FString& Key, EEdGraphPinDirection Direction)
{
	UEdGraphPin* const Pin = CreatePin(Direction, UEdGraphSchema_K2::PC_String, FName(*Key));
	Pin->bAllowFriendlyName = false;
}

bool UZOVAK2Node_JsonBase::CanAddKey(const FString& Key, EEdGraphPinDirection Direction) const
{
	// A key named like a fixed pin of the same direction would be mistaken for it by every name
	// lookup; "None" and "_1" make no pin name at all. The engine asserts on a name of NAME_SIZE
	// characters or more, so such a key never reaches FName (even one whose "_<n>" would shorten it).
	return !Key.IsEmpty()
		&& Key.Len() < NAME_SIZE
		&& !PinNames.Contains(Key)
		&& FindPin(Key, Direction) == nullptr
		&& !FName(*Key).IsNone();
}

bool UZOVAK2Node_JsonBase::IsKeyPin(const UEdGraphPin* Pin) const
{
	// Key pins follow the fixed pins; a fixed pin may share a key's name when its direction differs.
	return Pin != nullptr
		&& Pin->PinType.PinCategory == UEdGraphSchema_K2::PC_String
		&& Pins.Find(const_cast<UEdGraphPin*>(Pin)) >= NumFixedPins
		&& PinNames.Contains(Pin->PinName.ToString());
}

void UZOVAK2Node_JsonBase::NotifyKeyPinsRearranged()
{
	FBlueprintEditorUtils::MarkBlueprintAsStructurallyModified(GetBlueprint());
	GetGraph()->NotifyGraphChanged();
}
