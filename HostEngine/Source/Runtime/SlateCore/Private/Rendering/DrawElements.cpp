#include "Rendering/DrawElements.h"

void FSlateDrawElement::MakeBox(FSlateWindowElementList& ElementList, int32 InLayer, const FGeometry& PaintGeometry, const FSlateBrush* InBrush, const FLinearColor& InTint)
{
	check(InBrush);
	FSlateDrawElement& Element = ElementList.AddUninitialized();
	Element.ElementType = EElementType::ET_Box;
	Element.Layer = InLayer;
	Element.Geometry = PaintGeometry;
	Element.Brush = InBrush;
	Element.Tint = InTint;
}

void FSlateDrawElement::MakeText(FSlateWindowElementList& ElementList, int32 InLayer, const FGeometry& PaintGeometry, const FString& InText, const FSlateFontInfo& InFontInfo, const FLinearColor& InTint)
{
	FSlateDrawElement& Element = ElementList.AddUninitialized();
	Element.ElementType = EElementType::ET_Text;
	Element.Layer = InLayer;
	Element.Geometry = PaintGeometry;
	Element.Text = InText;
	Element.FontInfo = InFontInfo;
	Element.Tint = InTint;
}

FSlateDrawElement& FSlateWindowElementList::AddUninitialized()
{
	return Elements.AddDefaulted_GetRef();
}

void FSlateWindowElementList::PushPaintingWidget(const SWidget& CurrentWidget, int32 StartingLayerId, const FGeometry& WidgetGeometry)
{
	FSlateDrawElement& Element = AddUninitialized();
	Element.ElementType = FSlateDrawElement::EElementType::ET_BeginWidget;
	Element.Layer = StartingLayerId;
	Element.Geometry = WidgetGeometry;
	Element.Widget = &CurrentWidget;
}

void FSlateWindowElementList::PopPaintingWidget(const SWidget& CurrentWidget)
{
	FSlateDrawElement& Element = AddUninitialized();
	Element.ElementType = FSlateDrawElement::EElementType::ET_EndWidget;
	Element.Widget = &CurrentWidget;
}
