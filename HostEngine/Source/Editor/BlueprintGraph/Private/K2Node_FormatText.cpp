#include "K2Node_FormatText.h"

#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"

#define LOCTEXT_NAMESPACE "K2Node_FormatText"

namespace FormatTextPinNames
{
	static const FName Format(TEXT("Format"));
	static const FName Result(TEXT("Result"));
}

UK2Node_FormatText::UK2Node_FormatText(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UK2Node_FormatText::AllocateDefaultPins()
{
	Super::AllocateDefaultPins();
	CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_Text, FormatTextPinNames::Format);
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Text, FormatTextPinNames::Result);
	for (const FName& PinName : PinNames)
	{
		CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_Wildcard, PinName);
	}
}

FText UK2Node_FormatText::GetNodeTitle(ENodeTitleType::Type TitleType) const
{
	return LOCTEXT("FormatText_Title", "Format Text");
}

FText UK2Node_FormatText::GetTooltipText() const
{
	return LOCTEXT("NodeTooltip", "Builds a formatted string using available format argument values.\n  \u2022 Use {} to denote format arguments.\n  \u2022 Argument types may be Byte, Integer, Float, Text, String, Name, Boolean, Object or ETextGender.");
}

void UK2Node_FormatText::PostReconstructNode()
{
	Super::PostReconstructNode();
	for (UEdGraphPin* Pin : Pins)
	{
		SynchronizeArgumentPinType(Pin);
	}
}

void UK2Node_FormatText::NotifyPinConnectionListChanged(UEdGraphPin* Pin)
{
	Super::NotifyPinConnectionListChanged(Pin);
	SynchronizeArgumentPinType(Pin);
}

void UK2Node_FormatText::SynchronizeArgumentPinType(UEdGraphPin* Pin)
{
	if (Pin == GetFormatPin() || Pin->Direction != EGPD_Input)
	{
		return;
	}
	if (Pin->LinkedTo.IsEmpty())
	{
		Pin->PinType = FEdGraphPinType();
		Pin->PinType.PinCategory = UEdGraphSchema_K2::PC_Wildcard;
	}
	else
	{
		Pin->PinType = Pin->LinkedTo[0]->PinType;
	}
}

FText UK2Node_FormatText::GetArgumentName(int32 InIndex) const
{
	return PinNames.IsValidIndex(InIndex) ? FText::FromName(PinNames[InIndex]) : FText::GetEmpty();
}

UEdGraphPin* UK2Node_FormatText::GetFormatPin() const
{
	return FindPinChecked(FormatTextPinNames::Format);
}

UEdGraphPin* UK2Node_FormatText::GetResultPin() const
{
	return FindPinChecked(FormatTextPinNames::Result);
}

UEdGraphPin* UK2Node_FormatText::FindArgumentPin(const FName InPinName) const
{
	const UEdGraphPin* const FormatPin = GetFormatPin();
	for (UEdGraphPin* Pin : Pins)
	{
		if (Pin != FormatPin && Pin->Direction != EGPD_Output && Pin->PinName.ToString().Equals(InPinName.ToString(), ESearchCase::CaseSensitive))
		{
			return Pin;
		}
	}
	return nullptr;
}

#undef LOCTEXT_NAMESPACE
