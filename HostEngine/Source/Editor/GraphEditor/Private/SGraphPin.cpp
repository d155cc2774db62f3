#include "SGraphPin.h"
#include "EdGraph/EdGraphNode.h"
#include "EdGraph/EdGraphPin.h"
#include "Widgets/Text/STextBlock.h"

void SGraphPin::Construct(const FArguments& InArgs, UEdGraphPin* InPin)
{
	check(InPin);
	GraphPinObj = InPin;

	ChildSlot
	[
		SNew(STextBlock)
		.Text(GetPinLabel())
	];
}

EEdGraphPinDirection SGraphPin::GetDirection() const
{
	return GraphPinObj->Direction;
}

FText SGraphPin::GetPinLabel() const
{
	return GraphPinObj->GetDisplayName();
}
