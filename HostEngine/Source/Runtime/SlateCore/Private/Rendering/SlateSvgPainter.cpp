#include "Rendering/SlateSvgPainter.h"
#include "Layout/Geometry.h"
#include "Layout/WidgetStyle.h"
#include "Rendering/DrawElements.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateBrush.h"
#include "SvgBrushDrawing.h"
#include "SvgCanvas.h"
#include "Widgets/SWidget.h"

namespace
{
	/** Roughly where the baseline of one line of text lies below its top, in ems of the font. */
	constexpr double BaselineEms = 0.95;
	constexpr double PixelsPerPoint = 96.0 / 72.0;

	FSvgRect ToRect(const FGeometry& Geometry)
	{
		return {Geometry.GetAbsolutePosition().X, Geometry.GetAbsolutePosition().Y, Geometry.GetLocalSize().X, Geometry.GetLocalSize().Y};
	}

	std::string RectAttribute(const FSvgRect& Rect)
	{
		return FSvgCanvas::Number(Rect.X) + " " + FSvgCanvas::Number(Rect.Y) + " " + FSvgCanvas::Number(Rect.Width) + " " + FSvgCanvas::Number(Rect.Height);
	}

	std::string OpenWidgetGroup(const FSlateDrawElement& Element)
	{
		const SWidget& Widget = *Element.GetWidget();
		std::string Tag = "<g data-widget=\"" + FSvgCanvas::Escape(Widget.GetTypeAsString()) + "\"";
		if (!Widget.GetTag().IsNone())
		{
			Tag += " data-tag=\"" + FSvgCanvas::Escape(Widget.GetTag().ToString()) + "\"";
		}
		return Tag + " data-rect=\"" + RectAttribute(ToRect(Element.GetGeometry())) + "\">";
	}

	/** The text stretched or squeezed to the width the layout measured, so the picture keeps the layout whatever the font. */
	std::string TextMarkup(const FSlateDrawElement& Element)
	{
		const FSvgRect Rect = ToRect(Element.GetGeometry());
		const FSlateFontInfo& Font = Element.GetFontInfo();
		const double FontPixels = Font.Size * PixelsPerPoint;
		std::string Markup = "<text x=\"" + FSvgCanvas::Number(Rect.X) + "\" y=\"" + FSvgCanvas::Number(Rect.Y + FontPixels * BaselineEms) + "\"";
		Markup += " font-size=\"" + FSvgCanvas::Number(FontPixels) + "\"";
		if (Font.TypefaceFontName == TEXT("Bold"))
		{
			Markup += " font-weight=\"bold\"";
		}
		Markup += FSvgCanvas::Fill(Element.GetTint());
		Markup += " textLength=\"" + FSvgCanvas::Number(Rect.Width) + "\" lengthAdjust=\"spacingAndGlyphs\"";
		return Markup + ">" + FSvgCanvas::Escape(Element.GetText()) + "</text>\n";
	}
}

std::string FSlateSvgPainter::PaintWidget(const TSharedRef<SWidget>& Root, const FString& Title, const FSlateBrush* Background, float Margin)
{
	check(Background);
	Root->SlatePrepass();
	const FVector2D WidgetSize = Root->GetDesiredSize();
	const FVector2D PictureSize(WidgetSize.X + 2.0 * Margin, WidgetSize.Y + 2.0 * Margin);
	const FGeometry PictureGeometry = FGeometry::MakeRoot(PictureSize);

	FSlateWindowElementList Elements;
	Root->Paint(PictureGeometry.MakeChild(FVector2D(Margin, Margin), WidgetSize), Elements, 0, FWidgetStyle(FAppStyle::GetColor(TEXT("DefaultForeground"))));

	FSvgCanvas Canvas;
	DrawSvgBrush(Canvas, *Background, ToRect(PictureGeometry), Background->TintColor.GetSpecifiedColor());
	for (const FSlateDrawElement& Element : Elements.GetUncachedDrawElements())
	{
		switch (Element.GetElementType())
		{
		case FSlateDrawElement::EElementType::ET_BeginWidget:
			Canvas.BeginGroup(OpenWidgetGroup(Element));
			break;
		case FSlateDrawElement::EElementType::ET_EndWidget:
			Canvas.EndGroup();
			break;
		case FSlateDrawElement::EElementType::ET_Box:
			DrawSvgBrush(Canvas, *Element.GetBrush(), ToRect(Element.GetGeometry()), Element.GetTint());
			break;
		case FSlateDrawElement::EElementType::ET_Text:
			Canvas.Write(TextMarkup(Element));
			break;
		}
	}
	return Canvas.Finish(PictureSize.X, PictureSize.Y, Title);
}
