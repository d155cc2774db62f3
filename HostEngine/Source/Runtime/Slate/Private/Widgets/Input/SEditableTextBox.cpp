#include "Widgets/Input/SEditableTextBox.h"
#include "Fonts/FontMeasure.h"
#include "Layout/Geometry.h"
#include "Layout/WidgetStyle.h"
#include "Rendering/DrawElements.h"

#include <algorithm>

void SEditableTextBox::Construct(const FArguments& InArgs)
{
	Style = InArgs._Style;
	check(Style);
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

FVector2D SEditableTextBox::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const FVector2D TextSize = FSlateFontMeasure::Get().Measure(EditedText.ToString(), Style->TextStyle.Font);
	const FMargin& Padding = Style->Padding;
	const double Width = std::max(TextSize.X, double(MinDesiredWidth.Get()));
	return FVector2D(Width + Padding.Left + Padding.Right, TextSize.Y + Padding.Top + Padding.Bottom);
}

int32 SEditableTextBox::OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const
{
	const FSlateBrush& Background = Style->BackgroundImageNormal;
	if (Background.DrawAs != ESlateBrushDrawType::NoDrawType)
	{
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry, &Background, InWidgetStyle.GetColor(Background.TintColor));
	}
	const FString Text = EditedText.ToString();
	if (!Text.IsEmpty())
	{
		const FMargin& Padding = Style->Padding;
		const FVector2D TextSize = FSlateFontMeasure::Get().Measure(Text, Style->TextStyle.Font);
		const float InnerHeight = float(AllottedGeometry.GetLocalSize().Y) - Padding.Top - Padding.Bottom;
		const FVector2D TextOffset(Padding.Left, Padding.Top + (InnerHeight - float(TextSize.Y)) / 2.0f);
		FSlateDrawElement::MakeText(OutDrawElements, LayerId + 1, AllottedGeometry.MakeChild(TextOffset, TextSize), Text, Style->TextStyle.Font, InWidgetStyle.GetColor(Style->ForegroundColor));
	}
	return LayerId + 1;
}
