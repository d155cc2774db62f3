// Copyright ZOVA. All Rights Reserved.

#include "ZOVAK2Node_JsonBase.h"

#include "BlueprintActionDatabaseRegistrar.h"
#include "BlueprintNodeSpawner.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Framework/Commands/UIAction.h"
#include "Kismet2/BlueprintEditorUtils.h"
#include "ScopedTransaction.h"
#include "ToolMenu.h"

namespace ZOVAJsonBaseMenuNames
{
	static const FName SectionName(TEXT("UZOVAK2Node_JsonBase"));
	static const FName KeyValueEntryName(TEXT("Json Key Value"));
	static const FName MoveUpEntryName(TEXT("Json Key Move Up"));
	static const FName MoveDownEntryName(TEXT("Json Key Down Up"));
	static const FName RemoveEntryName(TEXT("Json Key"));
}

DEFINE_LOG_CATEGORY_STATIC(LogZOVAJsonEditor, Log, All);

namespace ZOVAJsonBaseLimits
{
	/** Keys are cut to this many characters where a message names them. */
	static constexpr int32 MaxKeyCharactersInMessages = 64;
}

#define LOCTEXT_NAMESPACE "ZOVA_Json"

/////////////////////////////////////////////////////
// UZOVAK2Node_JsonBase

void UZOVAK2Node_JsonBase::PostEditImport()
{
	Super::PostEditImport();
	ShowKeyPinNamesAsTyped();
}

void UZOVAK2Node_JsonBase::PostEditUndo()
{
	Super::PostEditUndo();
	ShowKeyPinNamesAsTyped();
}

void UZOVAK2Node_JsonBase::GetNodeContextMenuActions(UToolMenu* Menu, UGraphNodeContextMenuContext* Context) const
{
	Super::GetNodeContextMenuActions(Menu, Context);
	// While a game runs in the editor the graph is only looked at, as engine nodes have it.
	if (Context->bIsDebugging || !IsKeyPin(Context->Pin))
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
		FUIAction(FExecuteAction::CreateUObject(MutableThis, &UZOVAK2Node_JsonBase::EditKeyPinFromMenu, Pin, &UZOVAK2Node_JsonBase::MoveKeyPinUp, LOCTEXT("MoveKeyPinUp_Transaction", "Move Key Pin Up"))));
	Section.AddMenuEntry(
		ZOVAJsonBaseMenuNames::MoveDownEntryName,
		FText::FromString(TEXT("Move Down")),
		FText::FromString(TEXT("Move Down Current Json Key Pin")),
		FSlateIcon(),
		FUIAction(FExecuteAction::CreateUObject(MutableThis, &UZOVAK2Node_JsonBase::EditKeyPinFromMenu, Pin, &UZOVAK2Node_JsonBase::MoveKeyPinDown, LOCTEXT("MoveKeyPinDown_Transaction", "Move Key Pin Down"))));
	Section.AddMenuEntry(
		ZOVAJsonBaseMenuNames::RemoveEntryName,
		FText::FromString(TEXT("Remove Key Pin")),
		FText::FromString(TEXT("Remove Current Json Key Pin")),
		FSlateIcon(),
		FUIAction(FExecuteAction::CreateUObject(MutableThis, &UZOVAK2Node_JsonBase::EditKeyPinFromMenu, Pin, &UZOVAK2Node_JsonBase::RemoveKeyPin, LOCTEXT("RemoveKeyPin_Transaction", "Remove Key Pin"))));
}

bool UZOVAK2Node_JsonBase::AddKeyPin(const FString& Key, EEdGraphPinDirection Direction)
{
	if (!GetKeyRefusal(Key, Direction).IsEmpty())
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

void UZOVAK2Node_JsonBase::CreateKeyPins(EEdGraphPinDirection Direction)
{
	const TArray<FString> Keys = MoveTemp(PinNames);
	PinNames.Reset();
	// The keys kept so far, looked up by hash (FString hashes and compares ignoring case): a node
	// rebuilt from thousands of keys would otherwise compare each key with every one before it.
	TSet<FString> KeptKeys;
	KeptKeys.Reserve(Keys.Num());
	for (const FString& Key : Keys)
	{
		if (const FText Refusal = GetKeyRefusal(Key, Direction, KeptKeys.Contains(Key)); !Refusal.IsEmpty())
		{
			UE_LOG(LogZOVAJsonEditor, Warning, TEXT("%s: the key \"%s\" was dropped: %s"), *GetName(), *Key.Left(ZOVAJsonBaseLimits::MaxKeyCharactersInMessages), *Refusal.ToString());
			continue;
		}
		KeptKeys.Add(Key);
		PinNames.Add(Key);
		CreateKeyPin(Key, Direction);
	}
}

FText UZOVAK2Node_JsonBase::GetKeyRefusal(const FString& Key, EEdGraphPinDirection Direction) const
{
	return GetKeyRefusal(Key, Direction, PinNames.Contains(Key));
}

FText UZOVAK2Node_JsonBase::GetKeyRefusal(const FString& Key, EEdGraphPinDirection Direction, bool bIsKeyAlready) const
{
	if (Key.IsEmpty())
	{
		return LOCTEXT("KeyEmpty_Error", "A key may not be empty.");
	}
	// The engine asserts on a name of NAME_SIZE characters or more, so such a key never reaches FName,
	// not even one whose "_<n>" would shorten it.
	if (Key.Len() >= NAME_SIZE)
	{
		return LOCTEXT("KeyTooLong_Error", "A key may have at most 1,023 characters, the most a pin name holds.");
	}
	if (Key.Equals(TEXT("None"), ESearchCase::IgnoreCase))
	{
		return LOCTEXT("KeyNone_Error", "\"None\", in any letter case, is the engine's empty name and cannot name a pin.");
	}
	// A name ends at the first NUL, so the pin would not be named by the whole key.
	int32 NulIndex = INDEX_NONE;
	if (Key.FindChar(TEXT('\0'), NulIndex))
	{
		return LOCTEXT("KeyNul_Error", "A key may not hold the character U+0000, where a pin name ends.");
	}
	if (FName(*Key).IsNone())
	{
		return LOCTEXT("KeyNumberOnly_Error", "An underscore and a number alone make an empty name with a number, which cannot name a pin.");
	}
	if (bIsKeyAlready)
	{
		return LOCTEXT("KeyRepeated_Error", "The node already has this key; keys are compared ignoring letter case.");
	}
	// Every name lookup would take a key named like a fixed pin of its side for that pin. The fixed
	// pins come first; the key pins after them are covered by the check above.
	const FName KeyName(*Key);
	for (int32 PinIndex = 0; PinIndex < NumFixedPins && PinIndex < Pins.Num(); ++PinIndex)
	{
		if (Pins[PinIndex]->PinName == KeyName && Pins[PinIndex]->Direction == Direction)
		{
			return LOCTEXT("KeyNamesFixedPin_Error", "One of the node's own pins on this side already has this name.");
		}
	}
	return FText::GetEmpty();
}

bool UZOVAK2Node_JsonBase::IsKeyPin(const UEdGraphPin* Pin) const
{
	// Key pins follow the fixed pins; a fixed pin may share a key's name when its direction differs.
	return Pin != nullptr
		&& Pin->PinType.PinCategory == UEdGraphSchema_K2::PC_String
		&& Pins.Find(const_cast<UEdGraphPin*>(Pin)) >= NumFixedPins
		&& PinNames.Contains(Pin->PinName.ToString());
}

void UZOVAK2Node_JsonBase::EditKeyPinFromMenu(UEdGraphPin* Pin, FKeyPinEdit Edit, FText Title)
{
	const FScopedTransaction Transaction(Title);
	(this->*Edit)(Pin);
}

void UZOVAK2Node_JsonBase::NotifyKeyPinsRearranged()
{
	FBlueprintEditorUtils::MarkBlueprintAsStructurallyModified(GetBlueprint());
	GetGraph()->NotifyGraphChanged();
}

void UZOVAK2Node_JsonBase::ShowKeyPinNamesAsTyped()
{
	// Every pin after the fixed ones is a key pin.
	for (int32 Index = NumFixedPins; Index < Pins.Num(); ++Index)
	{
		Pins[Index]->bAllowFriendlyName = false;
	}
}

#undef LOCTEXT_NAMESPACE
