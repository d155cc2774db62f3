#include "K2Node_HostValueSource.h"

#include "EdGraphSchema_K2.h"

#define LOCTEXT_NAMESPACE "K2Node_HostValueSource"

namespace HostValueSourcePinNames
{
	static const FName ValuePinName(TEXT("Value"));
}

UK2Node_HostValueSource::UK2Node_HostValueSource(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, ValueCategory(UEdGraphSchema_K2::PC_String)
{
}

void UK2Node_HostValueSource::AllocateDefaultPins()
{
	FCreatePinParams PinParams;
	PinParams.ContainerType = bIsArray ? EPinContainerType::Array : EPinContainerType::None;
	CreatePin(EGPD_Output, ValueCategory, HostValueSourcePinNames::ValuePinName, PinParams);
}

FText UK2Node_HostValueSource::GetNodeTitle(ENodeTitleType::Type TitleType) const
{
	return LOCTEXT("NodeTitle", "Value");
}

void UK2Node_HostValueSource::SetValue(FName InCategory, const FString& InValue)
{
	ValueCategory = InCategory;
	bIsArray = false;
	Values = {InValue};
	ApplyValue();
}

void UK2Node_HostValueSource::SetArrayValue(FName InCategory, const TArray<FString>& InValues)
{
	ValueCategory = InCategory;
	bIsArray = true;
	Values = InValues;
	ApplyValue();
}

UEdGraphPin* UK2Node_HostValueSource::GetValuePin() const
{
	UEdGraphPin* const Pin = FindPinChecked(HostValueSourcePinNames::ValuePinName);
	check(Pin->Direction == EGPD_Output);
	return Pin;
}

void UK2Node_HostValueSource::ApplyValue()
{
	// A node already in a graph retypes its pin and keeps its links.
	if (!Pins.IsEmpty())
	{
		ReconstructNode();
	}
}

#undef LOCTEXT_NAMESPACE
