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

	ChildSlot
		.HAlign(HAlign_Center)
		.VAlign(VAlign_Center)
	[
		SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.AutoHeight()
		[
			SNew(STextBlock)
			.Text(GraphNode->GetNodeTitle(ENodeTitleType::FullTitle))
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

	CreatePinWidgets();
	CreateInputSideAddButton(LeftNodeBox);
	CreateOutputSideAddButton(RightNodeBox);
}

void SGraphNode::CreatePinWidgets()
{
	for (UEdGraphPin* const Pin : GraphNode->Pins)
	{
		if (!Pin->bHidden)
		{
			AddPin(SNew(SGraphPin, Pin));
		}
	}
}

void SGraphNode::AddPin(const TSharedRef<SGraphPin>& PinToAdd)
{
	if (PinToAdd->GetDirection() == EGPD_Input)
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
}
