// Copyright ZOVA. All Rights Reserved.

#include "ZOVAGraphNodeButton.h"

#include "Styling/AppStyle.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

TSharedRef<SButton> MakeZOVAGraphNodeButton(const FString& Label, const FName IconName, const FText& ToolTipText, FOnClicked OnClicked, const TAttribute<bool>& IsEnabled)
{
	const TSharedRef<SButton> Button = SNew(SButton)
		.ButtonStyle(&FAppStyle::GetWidgetStyle<FButtonStyle>(TEXT("NoBorder")))
		.ContentPadding(FMargin(0))
		.OnClicked(OnClicked)
		.ToolTipText(ToolTipText)
		.IsEnabled(IsEnabled)
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.AutoWidth()
			.HAlign(HAlign_Left)
			[
				SNew(STextBlock)
				.Text(FText::FromString(Label))
				.ColorAndOpacity(FLinearColor::White)
			]
			+ SHorizontalBox::Slot()
			.AutoWidth()
			.VAlign(VAlign_Center)
			.Padding(7, 0, 0, 0)
			[
				SNew(SImage)
				.Image(FAppStyle::GetBrush(IconName))
			]
		];
	Button->SetCursor(EMouseCursor::Hand);
	return Button;
}
