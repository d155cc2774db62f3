#include "SGraphNode.h"
#include "EdGraph/EdGraphNode.h"
#include "EdGraph/EdGraphPin.h"
#include "GraphEditorSettings.h"
#include "SGraphPin.h"
#include "UObject/Class.h"
#include "UObject/UObjectGlobals.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

SGraphNode::SGraphNode()
	: Settings(GetDefault<UGraphEditorSettings>())
{
}

void SGraphNode::UpdateGraphNode()
{
	check(GraphNode);
	if (!TitleText)
	{
		BuildFrame();
	}
	TitleText->SetText(GraphNode->GetNodeTitle(ENodeTitleType::FullTitle));

	ReopenColumn(*LeftNodeBox, InputColumn);
	ReopenColumn(*RightNodeBox, OutputColumn);
	CreatePinWidgets();
	TrimColumn(*LeftNodeBox, InputColumn);
	TrimColumn(*RightNodeBox, OutputColumn);

	CreateInputSideAddButton(LeftNodeBox);
	CreateOutputSideAddButton(RightNodeBox);
}

void SGraphNode::SetIsEditable(TAttribute<bool> InIsEditable)
{
	IsEditable = InIsEditable;
}

bool SGraphNode::IsNodeEditable() const
{
	return IsEditable.Get();
}

void SGraphNode::CreatePinWidgets()
{
	for (UEdGraphPin* const Pin : GraphNode->Pins)
	{
		if (Pin->bHidden)
		{
			continue;
		}
		FPinColumn& Column = GetColumn(Pin->Direction);
		const FShownPin* const Next = Column.Pins.IsValidIndex(Column.NumPlaced) ? &Column.Pins[Column.NumPlaced] : nullptr;
		const bool bShownAlready = Next && Next->Pin == Pin
			&& Next->PinName == Pin->PinName && Next->PinName.GetDisplayIndex() == Pin->PinName.GetDisplayIndex()
			&& Next->FriendlyName.IdenticalTo(Pin->PinFriendlyName);
		if (bShownAlready)
		{
			// Left in its slot; neither the widget nor its shared count is touched.
			++Column.NumPlaced;
		}
		else
		{
			AddPin(SNew(SGraphPin, Pin));
		}
	}
}

void SGraphNode::AddPin(const TSharedRef<SGraphPin>& PinToAdd)
{
	const bool bInput = PinToAdd->GetDirection() == EGPD_Input;
	FPinColumn& Column = GetColumn(PinToAdd->GetDirection());
	TrimColumn(bInput ? *LeftNodeBox : *RightNodeBox, Column);

	if (bInput)
	{
		LeftNodeBox->AddSlot()
			.AutoHeight()
			.HAlign(HAlign_Left)
			.VAlign(VAlign_Center)
			.Padding(Settings->GetInputPinPadding())
		[
			PinToAdd
		];
	}
	else
	{
		RightNodeBox->AddSlot()
			.AutoHeight()
			.HAlign(HAlign_Right)
			.VAlign(VAlign_Center)
			.Padding(Settings->GetOutputPinPadding())
		[
			PinToAdd
		];
	}
	const UEdGraphPin* const Pin = PinToAdd->GetPinObj();
	Column.Pins.Add({PinToAdd, Pin, Pin->PinName, Pin->PinFriendlyName});
	++Column.NumPlaced;
}

void SGraphNode::BuildFrame()
{
	ChildSlot
		.HAlign(HAlign_Center)
		.VAlign(VAlign_Center)
	[
		SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.AutoHeight()
		[
			SAssignNew(TitleText, STextBlock)
		]
		+ SVerticalBox::Slot()
		.AutoHeight()
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.HAlign(HAlign_Left)
			.FillWidth(1.0f)
			[
				SAssignNew(LeftNodeBox, SVerticalBox)
			]
			+ SHorizontalBox::Slot()
			.AutoWidth()
			.HAlign(HAlign_Right)
			[
				SAssignNew(RightNodeBox, SVerticalBox)
			]
		]
	];
}

SGraphNode::FPinColumn& SGraphNode::GetColumn(EEdGraphPinDirection Direction)
{
	return Direction == EGPD_Input ? InputColumn : OutputColumn;
}

void SGraphNode::ReopenColumn(SVerticalBox& Box, FPinColumn& Column)
{
	// The hooks add their controls anew below the pins on every update.
	Column.NumPlaced = Column.Pins.Num();
	TrimColumn(Box, Column);
	Column.NumPlaced = 0;
}

void SGraphNode::TrimColumn(SVerticalBox& Box, FPinColumn& Column)
{
	while (Box.NumSlots() > Column.NumPlaced)
	{
		Box.RemoveSlot(Box.GetSlot(Box.NumSlots() - 1).GetWidget());
	}
	Column.Pins.RemoveAt(Column.NumPlaced, Column.Pins.Num() - Column.NumPlaced);
}
