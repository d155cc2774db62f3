// Copyright ZOVA. All Rights Reserved.

#include "ZOVAGraphNodeArrayIn.h"

#include "GraphEditorSettings.h"
#include "ScopedTransaction.h"
#include "Templates/Casts.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/SBoxPanel.h"
#include "ZOVAGraphNodeButton.h"
#include "ZOVAK2Node_JsonArrayCreate.h"

#define LOCTEXT_NAMESPACE "ZOVA_Json"

void SZOVAGraphNodeArrayIn::Construct(const FArguments& InArgs, UZOVAK2Node_JsonArrayCreate* InNode)
{
	GraphNode = InNode;
	SetCursor(EMouseCursor::CardinalCross);
	UpdateGraphNode();
}

void SZOVAGraphNodeArrayIn::CreateInputSideAddButton(TSharedPtr<SVerticalBox> InputBox)
{
	FMargin ButtonPadding = Settings->GetInputPinPadding();
	ButtonPadding.Top += 6.0f;
	const TAttribute<bool> IsEnabled = TAttribute<bool>::Create(TAttribute<bool>::FGetter::CreateSP(this, &SZOVAGraphNodeArrayIn::IsNodeEditable));

	InputBox->AddSlot()
		.AutoHeight()
		.VAlign(VAlign_Center)
		.Padding(ButtonPadding)
	[
		MakeZOVAGraphNodeButton(TEXT("Add Pin"), TEXT("Icons.Plus"), FText::FromString(TEXT("Add Pin")), FOnClicked::CreateSP(this, &SZOVAGraphNodeArrayIn::OnAddPin), IsEnabled)
	];
	InputBox->AddSlot()
		.AutoHeight()
		.VAlign(VAlign_Center)
		.Padding(ButtonPadding)
	[
		MakeZOVAGraphNodeButton(TEXT("Remove Pin"), TEXT("Icons.Minus"), FText::FromString(TEXT("Remove Pin")), FOnClicked::CreateSP(this, &SZOVAGraphNodeArrayIn::OnRemovePin), IsEnabled)
	];
}

FReply SZOVAGraphNodeArrayIn::OnAddPin()
{
	UZOVAK2Node_JsonArrayCreate* const Node = CastChecked<UZOVAK2Node_JsonArrayCreate>(GraphNode);
	const FScopedTransaction Transaction(LOCTEXT("AddPin_Transaction", "Add Pin"));
	if (Node->AddInputPin())
	{
		UpdateGraphNode();
	}
	return FReply::Handled();
}

FReply SZOVAGraphNodeArrayIn::OnRemovePin()
{
	UZOVAK2Node_JsonArrayCreate* const Node = CastChecked<UZOVAK2Node_JsonArrayCreate>(GraphNode);
	const FScopedTransaction Transaction(LOCTEXT("RemovePin_Transaction", "Remove Pin"));
	if (Node->RemoveInputPin())
	{
		UpdateGraphNode();
	}
	return FReply::Handled();
}

#undef LOCTEXT_NAMESPACE
