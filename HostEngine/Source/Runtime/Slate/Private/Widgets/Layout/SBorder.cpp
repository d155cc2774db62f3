#include "Widgets/Layout/SBorder.h"
#include "Layout/WidgetStyle.h"
#include "Rendering/DrawElements.h"

void SBorder::Construct(const FArguments& InArgs)
{
	BorderImage = InArgs._BorderImage;
	BorderBackgroundColor = InArgs._BorderBackgroundColor;

	ChildSlot
		.HAlign(InArgs._HAlign)
		.VAlign(InArgs._VAlign)
		.Padding(InArgs._Padding)
	[
		InArgs._Content.Widget
	];
}

int32 SBorder::OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const
{
	const FSlateBrush* const Brush = BorderImage.Get();
	if (Brush && Brush->DrawAs != ESlateBrushDrawType::NoDrawType)
	{
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry, Brush, InWidgetStyle.GetColor(Brush->TintColor, BorderBackgroundColor.Get()));
	}
	return PaintArrangedChildren(AllottedGeometry, OutDrawElements, LayerId + 1, InWidgetStyle);
}
