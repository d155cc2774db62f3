#include "KismetPins/SGraphPinExec.h"
#include "EdGraph/EdGraphPin.h"
#include "Styling/AppStyle.h"

void SGraphPinExec::Construct(const FArguments& InArgs, UEdGraphPin* InPin)
{
	SGraphPin::Construct(SGraphPin::FArguments(), InPin);
}

const FSlateBrush* SGraphPinExec::GetPinIcon() const
{
	return FAppStyle::GetBrush(IsConnected() ? TEXT("Graph.ExecPin.Connected") : TEXT("Graph.ExecPin.Disconnected"));
}
