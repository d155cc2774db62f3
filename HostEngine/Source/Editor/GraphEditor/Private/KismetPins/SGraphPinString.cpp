#include "KismetPins/SGraphPinString.h"
#include "EdGraph/EdGraphPin.h"
#include "Styling/AppStyle.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Layout/SBox.h"

void SGraphPinString::Construct(const FArguments& InArgs, UEdGraphPin* InGraphPinObj)
{
	SGraphPin::Construct(SGraphPin::FArguments(), InGraphPinObj);
}

TSharedRef<SWidget> SGraphPinString::GetDefaultValueWidget()
{
	return SNew(SBox)
		.MinDesiredWidth(18.0f)
		.MaxDesiredHeight(200.0f)
		[
			SNew(SEditableTextBox)
			.Style(&FAppStyle::Get().GetWidgetStyle<FEditableTextBoxStyle>(TEXT("Graph.EditableTextBox")))
			.Text(FText::FromString(GraphPinObj->DefaultValue))
			.Visibility(TAttribute<EVisibility>::CreateLambda([this]() { return GetDefaultValueVisibility(); }))
		];
}
