#include "Widgets/Input/SEditableTextBox.h"

void SEditableTextBox::Construct(const FArguments& InArgs)
{
	EditedText = InArgs._Text.Get();
	MinDesiredWidth = InArgs._MinDesiredWidth;
	OnTextChanged = InArgs._OnTextChanged;
}

void SEditableTextBox::SetText(const TAttribute<FText>& InNewText)
{
	EditedText = InNewText.Get();
}

void SEditableTextBox::SetError(const FText& InError)
{
	ErrorText = InError;
}

void SEditableTextBox::HandleUserEdit(const FText& NewText)
{
	if (!IsEnabled())
	{
		return;
	}
	EditedText = NewText;
	OnTextChanged.ExecuteIfBound(EditedText);
}
