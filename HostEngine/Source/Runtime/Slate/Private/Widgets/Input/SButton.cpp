#include "Widgets/Input/SButton.h"

void SButton::Construct(const FArguments& InArgs)
{
	Style = InArgs._ButtonStyle;
	ContentPadding = InArgs._ContentPadding;
	OnClicked = InArgs._OnClicked;

	ChildSlot
		.HAlign(InArgs._HAlign)
		.VAlign(InArgs._VAlign)
		.Padding(ContentPadding)
	[
		InArgs._Content.Widget
	];
}

void SButton::SetOnClicked(FOnClicked InOnClicked)
{
	OnClicked = std::move(InOnClicked);
}

FReply SButton::ExecuteOnClick()
{
	if (!IsEnabled() || !OnClicked.IsBound())
	{
		return FReply::Unhandled();
	}
	return OnClicked.Execute();
}
