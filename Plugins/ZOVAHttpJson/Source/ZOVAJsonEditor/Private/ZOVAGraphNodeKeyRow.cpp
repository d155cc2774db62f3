// Copyright ZOVA. All Rights Reserved.

#include "ZOVAGraphNodeKeyRow.h"

#include "ScopedTransaction.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SBoxPanel.h"
#include "ZOVAGraphNodeButton.h"
#include "ZOVAK2Node_JsonBase.h"

#define LOCTEXT_NAMESPACE "ZOVA_Json"

TSharedRef<SWidget> MakeZOVAGraphNodeKeyRow(const FText& ToolTipText, FOnTextChanged OnKeyTextChanged, FOnClicked OnAddClicked, const TAttribute<bool>& IsEnabled, TSharedPtr<SEditableTextBox>& OutKeyBox)
{
	return SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.HAlign(HAlign_Left)
		[
			SAssignNew(OutKeyBox, SEditableTextBox)
			.MinDesiredWidth(100.0f)
			.OnTextChanged(OnKeyTextChanged)
			.ToolTipText(ToolTipText)
			.IsEnabled(IsEnabled)
			.Tag(TEXT("TextBox"))
		]
		// Pushes the button to the far side of the column.
		+ SHorizontalBox::Slot()
		.FillWidth(1.0f)
		.Padding(5.0f)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.VAlign(VAlign_Center)
		[
			MakeZOVAGraphNodeButton(TEXT("Add Json Key"), TEXT("Icons.Plus"), ToolTipText, OnAddClicked, IsEnabled)
		];
}

bool AddZOVAGraphNodeKey(UZOVAK2Node_JsonBase& Node, const FString& Key, EEdGraphPinDirection Direction, SEditableTextBox& KeyBox)
{
	const FScopedTransaction Transaction(LOCTEXT("AddJsonKey_Transaction", "Add Json Key"));
	const bool bAdded = Node.AddKeyPin(Key, Direction);
	KeyBox.SetError(bAdded ? FText::GetEmpty() : Node.GetKeyRefusal(Key, Direction));
	return bAdded;
}

#undef LOCTEXT_NAMESPACE
