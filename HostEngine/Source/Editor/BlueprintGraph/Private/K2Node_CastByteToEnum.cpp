#include "K2Node_CastByteToEnum.h"

#include "EdGraphSchema_K2.h"
#include "Kismet2/CompilerResultsLog.h"
#include "UObject/Class.h"

#define LOCTEXT_NAMESPACE "K2Node_CastByteToEnum"

const FName UK2Node_CastByteToEnum::ByteInputPinName(TEXT("Byte"));

UK2Node_CastByteToEnum::UK2Node_CastByteToEnum(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, bSafe(false)
{
}

void UK2Node_CastByteToEnum::AllocateDefaultPins()
{
	CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_Byte, ByteInputPinName);
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Byte, Enum, UEdGraphSchema_K2::PN_ReturnValue);
}

FText UK2Node_CastByteToEnum::GetTooltipText() const
{
	if (!Enum)
	{
		return NSLOCTEXT("K2Node", "CastByteToEnum_NullTooltip", "Byte to Enum (bad enum)");
	}
	// The engine formats "Byte to Enum {0}" by position; the host's FText formats by name only.
	FFormatNamedArguments Args;
	Args.Add(TEXT("0"), FText::FromName(Enum->GetFName()));
	return FText::Format(NSLOCTEXT("K2Node", "CastByteToEnum_Tooltip", "Byte to Enum {0}"), Args);
}

FText UK2Node_CastByteToEnum::GetNodeTitle(ENodeTitleType::Type TitleType) const
{
	return GetTooltipText();
}

void UK2Node_CastByteToEnum::ValidateNodeDuringCompilation(FCompilerResultsLog& MessageLog) const
{
	Super::ValidateNodeDuringCompilation(MessageLog);
	if (!Enum)
	{
		MessageLog.Error(*NSLOCTEXT("K2Node", "CastByteToNullEnumError", "Undefined Enum in @@").ToString(), this);
	}
}

#undef LOCTEXT_NAMESPACE
