// Copyright ZOVA. All Rights Reserved.

#include "ZOVAGraphNodeIn.h"

#include "GraphEditorSettings.h"
#include "Templates/Casts.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SBoxPanel.h"
#include "ZOVAGraphNodeKeyRow.h"
#include "ZOVAK2Node_JsonBase.h"

#define LOCTEXT_NAMESPACE "ZOVA_Json"

void SZOVAGraphNodeIn::Construct(const FArguments& InArgs, UZOVAK2Node_JsonBase* InNode)
{
	GraphNode = InNode;
	SetCursor(EMouseCursor::CardinalCross);
	UpdateGraphNode();
}

void SZOVAGraphNodeIn::OnKeyTextChanged(const FText& NewText)
{
	KeyText = NewText.ToString();
	KeyBox->SetError(FText::GetEmpty());
}

void SZOVAGraphNodeIn::CreateInputSideAddButton(TSharedPtr<SVerticalBox> InputBox)
{
	FMargin RowPadding = Settings->GetInputPinPadding();
	RowPadding.Top += 6.0f;

	InputBox->AddSlot()
		.AutoHeight()
		.VAlign(VAlign_Center)
		.Padding(RowPadding)
	[
		MakeZOVAGraphNodeKeyRow(
			LOCTEXT("Add Json Generate Key", "Add Json Generate Key"),
			FOnTextChanged::CreateSP(this, &SZOVAGraphNodeIn::OnKeyTextChanged),
			FOnClicked::CreateSP(this, &SZOVAGraphNodeIn::OnAddPin),
			TAttribute<bool>::Create(TAttribute<bool>::FGetter::CreateSP(this, &SZOVAGraphNodeIn::IsNodeEditable)),
			KeyBox)
	];
}

FReply SZOVAGraphNodeIn::OnAddPin()
{
	UZOVAK2Node_JsonBase* const Node = CastChecked<UZOVAK2Node_JsonBase>(GraphNode);
	if (AddZOVAGraphNodeKey(*Node, KeyText, EGPD_Input, *KeyBox))
	{
		UpdateGraphNode();
	}
	return FReply::Handled();
}

#undef LOCTEXT_NAMESPACE
