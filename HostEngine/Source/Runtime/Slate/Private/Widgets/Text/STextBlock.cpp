#include "Widgets/Text/STextBlock.h"
#include "Fonts/FontMeasure.h"
#include "Layout/Geometry.h"
#include "Layout/WidgetStyle.h"
#include "Rendering/DrawElements.h"

void STextBlock::Construct(const FArguments& InArgs)
{
	BoundText = InArgs._Text;
	TextStyle = InArgs._TextStyle;
	check(TextStyle);
	Font = InArgs._Font;
	ColorAndOpacity = InArgs._ColorAndOpacity;
}

void STextBlock::SetText(TAttribute<FText> InText)
{
	BoundText = std::move(InText);
}

FSlateFontInfo STextBlock::GetFont() const
{
	return Font.IsSet() ? Font.Get() : TextStyle->Font;
}

FSlateColor STextBlock::GetColorAndOpacity() const
{
	return ColorAndOpacity.IsSet() ? ColorAndOpacity.Get() : TextStyle->ColorAndOpacity;
}

FVector2D STextBlock::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	return FSlateFontMeasure::Get().Measure(GetText().ToString(), GetFont());
}

int32 STextBlock::OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const
{
	const FString Text = GetText().ToString();
	if (!Text.IsEmpty())
	{
		// Left-justified from the top: the text takes its measured size, not the whole geometry.
		const FSlateFontInfo Font = GetFont();
		const FGeometry TextGeometry = AllottedGeometry.MakeChild(FVector2D(0.0, 0.0), FSlateFontMeasure::Get().Measure(Text, Font));
		FSlateDrawElement::MakeText(OutDrawElements, LayerId, TextGeometry, Text, Font, InWidgetStyle.GetColor(GetColorAndOpacity()));
	}
	return LayerId;
}
