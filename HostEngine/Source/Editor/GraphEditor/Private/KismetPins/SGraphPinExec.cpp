#include "KismetPins/SGraphPinExec.h"
#include "EdGraph/EdGraphPin.h"
#include "EdGraphSchema_K2.h"
#include "Styling/AppStyle.h"

void SGraphPinExec::Construct(const FArguments& InArgs, UEdGraphPin* InPin)
{
	SGraphPin::Construct(SGraphPin::FArguments(), InPin);
}

FText SGraphPinExec::GetPinLabel() const
{
	const FText DisplayName = SGraphPin::GetPinLabel();
	const FString Name = DisplayName.ToString();
	if (Name.Equals(UEdGraphSchema_K2::PN_Execute.ToString(), ESearchCase::CaseSensitive) || Name.Equals(UEdGraphSchema_K2::PN_Then.ToString(), ESearchCase::CaseSensitive))
	{
		return FText::GetEmpty();
	}
	return DisplayName;
}

const FSlateBrush* SGraphPinExec::GetPinIcon() const
{
	return FAppStyle::GetBrush(IsConnected() ? TEXT("Graph.ExecPin.Connected") : TEXT("Graph.ExecPin.Disconnected"));
}
