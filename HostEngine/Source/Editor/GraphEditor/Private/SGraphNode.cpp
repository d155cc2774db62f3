#include "SGraphNode.h"
#include "EdGraph/EdGraphNode.h"
#include "EdGraph/EdGraphPin.h"
#include "GraphEditorSettings.h"
#include "K2Node.h"
#include "Templates/Casts.h"
#include "NodeFactory.h"
#include "SGraphPin.h"
#include "Layout/Geometry.h"
#include "Rendering/DrawElements.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateBrush.h"
#include "UObject/Class.h"
#include "UObject/UObjectGlobals.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

namespace
{
	/** The space inside the title bar; the wide right side lets the colour fade out past the title. */
	const FMargin TitleBorderMargin(10.0f, 5.0f, 30.0f, 3.0f);
}

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
			AddPin(CreatePinWidget(Pin).ToSharedRef());
		}
	}
}

TSharedPtr<SGraphPin> SGraphNode::CreatePinWidget(UEdGraphPin* Pin) const
{
	return FNodeFactory::CreatePinWidget(Pin);
}

FSlateColor SGraphNode::GetNodeTitleColor() const
{
	const UGraphEditorSettings* const EditorSettings = GetDefault<UGraphEditorSettings>();
	if (const UK2Node* const K2Node = Cast<UK2Node>(GraphNode))
	{
		return K2Node->IsNodePure() ? EditorSettings->PureFunctionCallNodeTitleColor : EditorSettings->FunctionCallNodeTitleColor;
	}
	return FLinearColor(0.4f, 0.62f, 1.0f);
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
			SNew(SBorder)
			.BorderImage(FAppStyle::GetBrush(TEXT("Graph.Node.Body")))
			.Padding(0.0f)
			[
				SNew(SVerticalBox)
				+ SVerticalBox::Slot()
				.AutoHeight()
				.HAlign(HAlign_Fill)
				.VAlign(VAlign_Top)
				[
					SNew(SBorder)
					.BorderImage(FAppStyle::GetBrush(TEXT("Graph.Node.ColorSpill")))
					.Padding(TitleBorderMargin)
					.BorderBackgroundColor_Lambda([this]() { return GetNodeTitleColor(); })
					[
						SNew(SHorizontalBox)
						+ SHorizontalBox::Slot()
						.AutoWidth()
						.VAlign(VAlign_Top)
						.Padding(0.0f, 0.0f, 4.0f, 0.0f)
						[
							// Every node of the host shows the default node glyph: none overrides its icon.
							SNew(SImage)
							.Image(FAppStyle::GetBrush(TEXT("GraphEditor.Default_16x")))
						]
						+ SHorizontalBox::Slot()
						[
							SAssignNew(TitleText, STextBlock)
							.TextStyle(&FAppStyle::Get().GetWidgetStyle<FTextBlockStyle>(TEXT("Graph.Node.NodeTitle")))
							.ColorAndOpacity(FLinearColor::White)
						]
					]
				]
				+ SVerticalBox::Slot()
				.AutoHeight()
				.HAlign(HAlign_Fill)
				.VAlign(VAlign_Top)
				[
					SNew(SBorder)
					.BorderImage(FAppStyle::GetBrush(TEXT("NoBorder")))
					.HAlign(HAlign_Fill)
					.VAlign(VAlign_Fill)
					.Padding(FMargin(0.0f, 3.0f))
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
				]
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

int32 SGraphNode::OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const
{
	const int32 NodeLayer = SCompoundWidget::OnPaint(AllottedGeometry, OutDrawElements, LayerId, InWidgetStyle);
	TArray<FOverlayBrushInfo> Overlays;
	GetOverlayBrushes(false, AllottedGeometry.GetLocalSize(), Overlays);
	for (const FOverlayBrushInfo& Overlay : Overlays)
	{
		if (Overlay.Brush)
		{
			FSlateDrawElement::MakeBox(OutDrawElements, NodeLayer + 1, AllottedGeometry.MakeChild(Overlay.OverlayOffset, Overlay.Brush->ImageSize), Overlay.Brush, Overlay.Brush->TintColor.GetSpecifiedColor());
		}
	}
	return Overlays.IsEmpty() ? NodeLayer : NodeLayer + 1;
}
