#include "TestKeyRow.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

void STestKeyRow::Construct(const FArguments& InArgs, const FString& InOwnerName)
{
	OwnerName = InOwnerName;
	OnKeyChanged = InArgs._OnKeyChanged;

	ChildSlot
	[
		SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			SAssignNew(KeyBox, SEditableTextBox)
			.Tag(TEXT("KeyBox"))
			.OnTextChanged(this, &STestKeyRow::HandleKeyChanged)
		]
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			SAssignNew(AddButton, SButton)
			.OnClicked(this, &STestKeyRow::HandleAddPressed, InArgs._ClicksPerPress)
			[
				SNew(STextBlock)
				.Text(InArgs._ButtonLabel)
			]
		]
	];
}

void STestKeyRow::HandleKeyChanged(const FText& NewText)
{
	KeyText = NewText.ToString();
	OnKeyChanged.ExecuteIfBound(NewText);
}

FReply STestKeyRow::HandleAddPressed(int32 Clicks)
{
	Presses += Clicks;
	return FReply::Handled();
}
