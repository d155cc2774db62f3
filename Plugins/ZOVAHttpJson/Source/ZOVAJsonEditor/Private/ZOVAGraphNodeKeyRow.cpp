#include "ZOVAGraphNodeKeyRow.h"

#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SBoxPanel.h"
#include "ZOVAGraphNodeButton.h"

TSharedRef<SWidget> MakeZOVAGraphNodeKeyRow(const FText& ToolTipText, FOnTextChanged OnKeyTextChanged, FOnClicked OnAddClicked)
{
	return SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.HAlign(HAlign_Left)
		[
			SNew(SEditableTextBox)
			.MinDesiredWidth(100.0f)
			.OnTextChanged(OnKeyTextChanged)
			.ToolTipText(ToolTipText)
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
			MakeZOVAGraphNodeButton(TEXT("Add Json Key"), TEXT("Icons.Plus"), ToolTipText, OnAddClicked)
		];
}
