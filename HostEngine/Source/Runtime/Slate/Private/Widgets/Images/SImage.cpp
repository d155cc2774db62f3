#include "Widgets/Images/SImage.h"
#include "Layout/WidgetStyle.h"
#include "Rendering/DrawElements.h"

void SImage::Construct(const FArguments& InArgs)
{
	Image = InArgs._Image;
	ColorAndOpacity = InArgs._ColorAndOpacity;
}

FVector2D SImage::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const FSlateBrush* const Brush = Image.Get();
	return Brush ? Brush->ImageSize : FVector2D(0.0, 0.0);
}

int32 SImage::OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const
{
	const FSlateBrush* const Brush = Image.Get();
	if (Brush && Brush->DrawAs != ESlateBrushDrawType::NoDrawType)
	{
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry, Brush, InWidgetStyle.GetColor(Brush->TintColor, ColorAndOpacity.Get()));
	}
	return LayerId;
}
