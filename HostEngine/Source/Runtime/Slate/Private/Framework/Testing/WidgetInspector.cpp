#include "Framework/Testing/WidgetInspector.h"
#include "Layout/Children.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Text/STextBlock.h"

namespace
{
	void AddSubtree(const TSharedRef<SWidget>& Widget, TArray<TSharedRef<SWidget>>& OutWidgets)
	{
		OutWidgets.Add(Widget);
		FChildren* const Children = Widget->GetChildren();
		for (int32 Index = 0; Index < Children->Num(); ++Index)
		{
			AddSubtree(Children->GetChildAt(Index), OutWidgets);
		}
	}
}

TArray<TSharedRef<SWidget>> FWidgetInspector::GetWidgetTree(const TSharedRef<SWidget>& Root)
{
	TArray<TSharedRef<SWidget>> Widgets;
	AddSubtree(Root, Widgets);
	return Widgets;
}

TSharedPtr<SWidget> FWidgetInspector::FindWidgetByTag(const TSharedRef<SWidget>& Root, FName Tag)
{
	return FindWidget(Root, [Tag](const TSharedRef<SWidget>& Widget) { return Widget->GetTag() == Tag; });
}

FText FWidgetInspector::GetToolTipText(const SWidget& Widget)
{
	return Widget.ToolTipText.Get(FText::GetEmpty());
}

FReply FWidgetInspector::Click(TSharedRef<SButton> Button)
{
	return Button->ExecuteOnClick();
}

const FButtonStyle* FWidgetInspector::GetButtonStyle(const SButton& Button)
{
	return Button.Style;
}

FMargin FWidgetInspector::GetContentPadding(const SButton& Button)
{
	return Button.ContentPadding.Get();
}

FSlateColor FWidgetInspector::GetColorAndOpacity(const STextBlock& TextBlock)
{
	return TextBlock.GetColorAndOpacity();
}

const FSlateBrush* FWidgetInspector::GetImage(const SImage& Image)
{
	return Image.Image.Get();
}

FSlateColor FWidgetInspector::GetColorAndOpacity(const SImage& Image)
{
	return Image.ColorAndOpacity.Get();
}

void FWidgetInspector::TypeText(SEditableTextBox& TextBox, const FString& Characters)
{
	for (int32 Index = 0; Index < Characters.Len(); ++Index)
	{
		TextBox.HandleUserEdit(FText::FromString(TextBox.EditedText.ToString() + Characters.Mid(Index, 1)));
	}
}

void FWidgetInspector::PasteText(SEditableTextBox& TextBox, const FString& Text)
{
	TextBox.HandleUserEdit(FText::FromString(Text));
}

void FWidgetInspector::EraseText(SEditableTextBox& TextBox)
{
	TextBox.HandleUserEdit(FText::GetEmpty());
}

float FWidgetInspector::GetMinDesiredWidth(const SEditableTextBox& TextBox)
{
	return TextBox.MinDesiredWidth.Get();
}

FText FWidgetInspector::GetErrorText(const SEditableTextBox& TextBox)
{
	return TextBox.ErrorText;
}
