// Copyright ZOVA. All Rights Reserved.

#include "ZOVAGraphNodeOutput.h"

#include "GraphEditorSettings.h"
#include "Templates/Casts.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SBoxPanel.h"
#include "ZOVAGraphNodeKeyRow.h"
#include "ZOVAK2Node_JsonBase.h"

#define LOCTEXT_NAMESPACE "ZOVA_Json"

void SZOVAGraphNodeOutput::Construct(const FArguments& InArgs, UZOVAK2Node_JsonBase* InNode)
{
	GraphNode = InNode;
	SetCursor(EMouseCursor::CardinalCross);
	UpdateGraphNode();
}

void SZOVAGraphNodeOutput::OnKeyTextChanged(const FText& NewText)
{
	KeyText = NewText.ToString();
	KeyBox->SetError(FText::GetEmpty());
}

void SZOVAGraphNodeOutput::CreateOutputSideAddButton(TSharedPtr<SVerticalBox> OutputBox)
{
	FMargin RowPadding = Settings->GetOutputPinPadding();
	RowPadding.Top += 6.0f;

	OutputBox->AddSlot()
		.AutoHeight()
		.VAlign(VAlign_Center)
		.Padding(RowPadding)
	[
		MakeZOVAGraphNodeKeyRow(
			LOCTEXT("Add Json Parsing Key", "Add Json Parsing Key"),
			FOnTextChanged::CreateSP(this, &SZOVAGraphNodeOutput::OnKeyTextChanged),
			FOnClicked::CreateSP(this, &SZOVAGraphNodeOutput::OnAddPin),
			TAttribute<bool>::Create(TAttribute<bool>::FGetter::CreateSP(this, &SZOVAGraphNodeOutput::IsNodeEditable)),
			KeyBox)
	];
}

FReply SZOVAGraphNodeOutput::OnAddPin()
{
	UZOVAK2Node_JsonBase* const Node = CastChecked<UZOVAK2Node_JsonBase>(GraphNode);
	if (AddZOVAGraphNodeKey(*Node, KeyText, EGPD_Output, *KeyBox))
	{
		UpdateGraphNode();
	}
	return FReply::Handled();
}

#undef LOCTEXT_NAMESPACE
