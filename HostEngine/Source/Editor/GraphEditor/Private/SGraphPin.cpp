#include "SGraphPin.h"
#include "EdGraph/EdGraphNode.h"
#include "EdGraph/EdGraphPin.h"
#include "EdGraphSchema_K2.h"
#include "GraphEditorSettings.h"
#include "Styling/AppStyle.h"
#include "UObject/Class.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/Layout/SWrapBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

void SGraphPin::Construct(const FArguments& InArgs, UEdGraphPin* InPin)
{
	check(InPin);
	GraphPinObj = InPin;
	const bool bIsInput = GetDirection() == EGPD_Input;
	const float SideToSideMargin = InArgs._SideToSideMargin;

	const TSharedRef<SWidget> PinImage = SNew(SImage)
		.Image_Lambda([this]() { return GetPinIcon(); })
		.ColorAndOpacity_Lambda([this]() { return GetPinColor(); });

	const TSharedRef<SWidget> LabelWidget = SNew(STextBlock)
		.Text(GetPinLabel())
		.TextStyle(&FAppStyle::Get().GetWidgetStyle<FTextBlockStyle>(InArgs._PinLabelStyle))
		.ColorAndOpacity(FLinearColor::White);

	// Label and value side by side, the value under the label once the two pass the wrap width.
	const TSharedRef<SWrapBox> LabelAndValue = SNew(SWrapBox).PreferredSize(150.0f);
	LabelAndValue->AddSlot()
		.VAlign(VAlign_Center)
	[
		LabelWidget
	];
	if (bIsInput)
	{
		const TSharedRef<SWidget> ValueWidget = GetDefaultValueWidget();
		if (ValueWidget != SNullWidget::NullWidget)
		{
			LabelAndValue->AddSlot()
				.Padding(FMargin(SideToSideMargin, 0.0f, 0.0f, 0.0f))
				.VAlign(VAlign_Center)
			[
				SNew(SBox)
				.Padding(0.0f)
				[
					ValueWidget
				]
			];
		}
	}

	const TSharedRef<SHorizontalBox> PinContent = SNew(SHorizontalBox);
	if (bIsInput)
	{
		PinContent->AddSlot()
			.AutoWidth()
			.VAlign(VAlign_Center)
			.Padding(0.0f, 0.0f, SideToSideMargin, 0.0f)
		[
			PinImage
		];
		PinContent->AddSlot()
			.AutoWidth()
			.VAlign(VAlign_Center)
		[
			LabelAndValue
		];
	}
	else
	{
		PinContent->AddSlot()
			.AutoWidth()
			.VAlign(VAlign_Center)
		[
			LabelAndValue
		];
		PinContent->AddSlot()
			.AutoWidth()
			.VAlign(VAlign_Center)
			.Padding(SideToSideMargin, 0.0f, 0.0f, 0.0f)
		[
			PinImage
		];
	}

	// The engine tints these borders to highlight a hovered pin or a pin a diff marks; their
	// default padding is part of the pin's size.
	SBorder::Construct(SBorder::FArguments()
		.BorderImage(FAppStyle::GetBrush(TEXT("Graph.Pin.Background")))
		[
			SNew(SBorder)
			.BorderImage(FAppStyle::GetBrush(TEXT("Graph.Pin.DiffHighlight")))
			.BorderBackgroundColor(FLinearColor::Transparent)
			[
				PinContent
			]
		]);
}

EEdGraphPinDirection SGraphPin::GetDirection() const
{
	return GraphPinObj->Direction;
}

bool SGraphPin::IsArray() const
{
	return GraphPinObj->PinType.IsArray();
}

bool SGraphPin::IsConnected() const
{
	return GraphPinObj->LinkedTo.Num() > 0;
}

FText SGraphPin::GetPinLabel() const
{
	const UEdGraphNode* const GraphNode = GraphPinObj->GetOwningNodeUnchecked();
	return GraphNode ? GraphNode->GetPinDisplayName(GraphPinObj) : FText::GetEmpty();
}

TSharedRef<SWidget> SGraphPin::GetDefaultValueWidget()
{
	return SNullWidget::NullWidget;
}

EVisibility SGraphPin::GetDefaultValueVisibility() const
{
	return GetDirection() == EGPD_Input && !IsConnected() ? EVisibility::Visible : EVisibility::Collapsed;
}

const FSlateBrush* SGraphPin::GetPinIcon() const
{
	if (IsArray())
	{
		return FAppStyle::GetBrush(IsConnected() ? TEXT("Graph.ArrayPin.Connected") : TEXT("Graph.ArrayPin.Disconnected"));
	}
	return FAppStyle::GetBrush(IsConnected() ? TEXT("Graph.Pin.Connected_VarA") : TEXT("Graph.Pin.Disconnected_VarA"));
}

FSlateColor SGraphPin::GetPinColor() const
{
	const UGraphEditorSettings* const Settings = GetDefault<UGraphEditorSettings>();
	const FName Category = GraphPinObj->PinType.PinCategory;
	const TPair<FName, FLinearColor UGraphEditorSettings::*> Colors[] = {
		{UEdGraphSchema_K2::PC_Exec, &UGraphEditorSettings::ExecutionPinTypeColor},
		{UEdGraphSchema_K2::PC_Boolean, &UGraphEditorSettings::BooleanPinTypeColor},
		{UEdGraphSchema_K2::PC_Byte, &UGraphEditorSettings::BytePinTypeColor},
		{UEdGraphSchema_K2::PC_Enum, &UGraphEditorSettings::BytePinTypeColor},
		{UEdGraphSchema_K2::PC_Class, &UGraphEditorSettings::ClassPinTypeColor},
		{UEdGraphSchema_K2::PC_Int, &UGraphEditorSettings::IntPinTypeColor},
		{UEdGraphSchema_K2::PC_Int64, &UGraphEditorSettings::Int64PinTypeColor},
		{UEdGraphSchema_K2::PC_Float, &UGraphEditorSettings::FloatPinTypeColor},
		{UEdGraphSchema_K2::PC_Double, &UGraphEditorSettings::DoublePinTypeColor},
		{UEdGraphSchema_K2::PC_Real, &UGraphEditorSettings::RealPinTypeColor},
		{UEdGraphSchema_K2::PC_Name, &UGraphEditorSettings::NamePinTypeColor},
		{UEdGraphSchema_K2::PC_Object, &UGraphEditorSettings::ObjectPinTypeColor},
		{UEdGraphSchema_K2::PC_String, &UGraphEditorSettings::StringPinTypeColor},
		{UEdGraphSchema_K2::PC_Text, &UGraphEditorSettings::TextPinTypeColor},
		{UEdGraphSchema_K2::PC_Struct, &UGraphEditorSettings::StructPinTypeColor},
		{UEdGraphSchema_K2::PC_Wildcard, &UGraphEditorSettings::WildcardPinTypeColor},
	};
	for (const TPair<FName, FLinearColor UGraphEditorSettings::*>& Color : Colors)
	{
		if (Category == Color.Key)
		{
			return Settings->*Color.Value;
		}
	}
	return Settings->DefaultPinTypeColor;
}
