#include "SvgBrushDrawing.h"
#include "Styling/SlateBrush.h"

#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace
{
	FLinearColor Scale(const FLinearColor& Tint, float R, float G, float B, float A)
	{
		return FLinearColor(Tint.R * R, Tint.G * G, Tint.B * B, Tint.A * A);
	}

	std::string RectMarkup(const FSvgRect& Rect, double Radius, const std::string& Paint)
	{
		std::string Markup = "<rect x=\"" + FSvgCanvas::Number(Rect.X) + "\" y=\"" + FSvgCanvas::Number(Rect.Y) + "\" width=\"" + FSvgCanvas::Number(Rect.Width) + "\" height=\"" + FSvgCanvas::Number(Rect.Height) + "\"";
		if (Radius > 0.0)
		{
			Markup += " rx=\"" + FSvgCanvas::Number(Radius) + "\"";
		}
		return Markup + Paint + "/>\n";
	}

	/** A point of an image drawn in its own ImageSize units, scaled to Rect. */
	std::string Point(const FSvgRect& Rect, const FVector2D& ImageSize, double X, double Y)
	{
		return FSvgCanvas::Number(Rect.X + X * Rect.Width / ImageSize.X) + "," + FSvgCanvas::Number(Rect.Y + Y * Rect.Height / ImageSize.Y);
	}

	std::string Polygon(const FSvgRect& Rect, const FVector2D& ImageSize, std::initializer_list<std::pair<double, double>> Points, const std::string& Paint)
	{
		std::string Markup = "<polygon points=\"";
		for (const std::pair<double, double>& Corner : Points)
		{
			Markup += Point(Rect, ImageSize, Corner.first, Corner.second) + " ";
		}
		Markup.pop_back();
		return Markup + "\"" + Paint + "/>\n";
	}

	/** The stroke attributes of an outline in Tint. */
	std::string Stroke(const FLinearColor& Tint, double Width)
	{
		std::string Markup = " stroke=\"" + FSvgCanvas::Color(Tint) + "\" stroke-width=\"" + FSvgCanvas::Number(Width) + "\"";
		if (Tint.A < 1.0f)
		{
			Markup += " stroke-opacity=\"" + FSvgCanvas::Number(Tint.A) + "\"";
		}
		return Markup;
	}

	/** An outline in Tint with nothing inside. */
	std::string Outline(const FLinearColor& Tint, double Width)
	{
		return " fill=\"none\"" + Stroke(Tint, Width);
	}

	/** The graph panel's background with its grid, a line every 16 units. */
	void DrawGraphPanel(FSvgCanvas& Canvas, const FSvgRect& Rect, const FLinearColor& Tint)
	{
		Canvas.Write(RectMarkup(Rect, 0.0, FSvgCanvas::Fill(Scale(Tint, 0.0144f, 0.0144f, 0.0144f, 1.0f))));
		std::string Lines;
		for (double X = 16.0; X < Rect.Width; X += 16.0)
		{
			Lines += "M" + FSvgCanvas::Number(Rect.X + X) + " " + FSvgCanvas::Number(Rect.Y) + "v" + FSvgCanvas::Number(Rect.Height);
		}
		for (double Y = 16.0; Y < Rect.Height; Y += 16.0)
		{
			Lines += "M" + FSvgCanvas::Number(Rect.X) + " " + FSvgCanvas::Number(Rect.Y + Y) + "h" + FSvgCanvas::Number(Rect.Width);
		}
		if (!Lines.empty())
		{
			Canvas.Write("<path d=\"" + Lines + "\"" + Outline(Scale(Tint, 0.024f, 0.024f, 0.024f, 1.0f), 1.0) + "/>\n");
		}
	}

	/** The node body: a dark, slightly see-through box with rounded corners and a faint rim. */
	void DrawNodeBody(FSvgCanvas& Canvas, const FSvgRect& Rect, const FLinearColor& Tint)
	{
		Canvas.Write(RectMarkup(Rect, 6.0, FSvgCanvas::Fill(Scale(Tint, 0.0063f, 0.0063f, 0.0063f, 0.92f)) + Stroke(FLinearColor(0.0f, 0.0f, 0.0f, 0.6f), 1.0)));
	}

	/** The title's colour spill: the tint, darkened as the image is grey, fading out to the right; the top corners rounded. */
	void DrawColorSpill(FSvgCanvas& Canvas, const FSvgRect& Rect, const FLinearColor& Tint)
	{
		const std::string Color = FSvgCanvas::Color(Scale(Tint, 0.45f, 0.45f, 0.45f, 1.0f));
		const std::string Opacity = FSvgCanvas::Number(Tint.A);
		const std::string Gradient = Canvas.Define("spill", "<linearGradient id=\"{id}\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\">"
			"<stop offset=\"0\" stop-color=\"" + Color + "\" stop-opacity=\"" + Opacity + "\"/>"
			"<stop offset=\"1\" stop-color=\"" + Color + "\" stop-opacity=\"0\"/></linearGradient>");
		const double Radius = std::fmin(6.0, std::fmin(Rect.Width, Rect.Height) / 2.0);
		const std::string Left = FSvgCanvas::Number(Rect.X);
		const std::string Right = FSvgCanvas::Number(Rect.X + Rect.Width);
		const std::string Bottom = FSvgCanvas::Number(Rect.Y + Rect.Height);
		const std::string Path = "M" + Left + " " + Bottom
			+ "V" + FSvgCanvas::Number(Rect.Y + Radius)
			+ "Q" + Left + " " + FSvgCanvas::Number(Rect.Y) + " " + FSvgCanvas::Number(Rect.X + Radius) + " " + FSvgCanvas::Number(Rect.Y)
			+ "H" + FSvgCanvas::Number(Rect.X + Rect.Width - Radius)
			+ "Q" + Right + " " + FSvgCanvas::Number(Rect.Y) + " " + Right + " " + FSvgCanvas::Number(Rect.Y + Radius)
			+ "V" + Bottom + "Z";
		Canvas.Write("<path d=\"" + Path + "\" fill=\"url(#" + Gradient + ")\"/>\n");
	}

	/** The graph's text box: near black with a grey rim. */
	void DrawGraphTextBox(FSvgCanvas& Canvas, const FSvgRect& Rect, const FLinearColor& Tint)
	{
		Canvas.Write(RectMarkup(Rect, 3.0, FSvgCanvas::Fill(Scale(Tint, 0.005f, 0.005f, 0.005f, 1.0f)) + Stroke(Scale(Tint, 0.06f, 0.06f, 0.06f, 1.0f), 1.0)));
	}

	/** A data pin of the default pin style: a circle, hollow until linked, and a small arrow after it. */
	void DrawDataPin(FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint, bool bConnected)
	{
		const FVector2D& Size = Brush.ImageSize;
		const double ScaleX = Rect.Width / Size.X;
		const double ScaleY = Rect.Height / Size.Y;
		const std::string Circle = "<ellipse cx=\"" + FSvgCanvas::Number(Rect.X + 5.5 * ScaleX) + "\" cy=\"" + FSvgCanvas::Number(Rect.Y + 5.5 * ScaleY) + "\" rx=\"" + FSvgCanvas::Number(4.2 * ScaleX) + "\" ry=\"" + FSvgCanvas::Number(4.2 * ScaleY) + "\"";
		Canvas.Write(Circle + (bConnected ? FSvgCanvas::Fill(Tint) : Outline(Tint, 1.6)) + "/>\n");
		Canvas.Write(Polygon(Rect, Size, {{12.0, 3.0}, {15.0, 5.5}, {12.0, 8.0}}, FSvgCanvas::Fill(Tint)));
	}

	/** An array pin: a three by three grid of squares, outlined until linked. */
	void DrawArrayPin(FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint, bool bConnected)
	{
		const double CellWidth = Rect.Width / 3.0;
		const double CellHeight = Rect.Height / 3.0;
		for (int32 Row = 0; Row < 3; ++Row)
		{
			for (int32 Column = 0; Column < 3; ++Column)
			{
				const FSvgRect Cell{Rect.X + Column * CellWidth + 0.5, Rect.Y + Row * CellHeight + 0.5, CellWidth - 1.0, CellHeight - 1.0};
				Canvas.Write(RectMarkup(Cell, 0.0, bConnected ? FSvgCanvas::Fill(Tint) : Outline(Tint, 0.8)));
			}
		}
	}

	/** An execution pin: an arrow-headed box pointing right, hollow until linked. */
	void DrawExecPin(FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint, bool bConnected)
	{
		Canvas.Write(Polygon(Rect, Brush.ImageSize, {{1.0, 2.0}, {6.5, 2.0}, {11.0, 8.0}, {6.5, 14.0}, {1.0, 14.0}}, bConnected ? FSvgCanvas::Fill(Tint) : Outline(Tint, 1.5)));
	}

	void DrawPlus(FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint)
	{
		const FVector2D& Size = Brush.ImageSize;
		Canvas.Write("<path d=\"M" + Point(Rect, Size, 3.5, 8.0) + "H" + FSvgCanvas::Number(Rect.X + 12.5 * Rect.Width / Size.X) + "M" + Point(Rect, Size, 8.0, 3.5) + "V" + FSvgCanvas::Number(Rect.Y + 12.5 * Rect.Height / Size.Y) + "\"" + Outline(Tint, 1.5) + "/>\n");
	}

	void DrawMinus(FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint)
	{
		const FVector2D& Size = Brush.ImageSize;
		Canvas.Write("<path d=\"M" + Point(Rect, Size, 3.5, 8.0) + "H" + FSvgCanvas::Number(Rect.X + 12.5 * Rect.Width / Size.X) + "\"" + Outline(Tint, 1.5) + "/>\n");
	}

	/** The default node glyph: a small node with a filled title band. */
	void DrawNodeGlyph(FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint)
	{
		const FVector2D& Size = Brush.ImageSize;
		const double ScaleX = Rect.Width / Size.X;
		const double ScaleY = Rect.Height / Size.Y;
		Canvas.Write(RectMarkup({Rect.X + 2.0 * ScaleX, Rect.Y + 3.0 * ScaleY, 12.0 * ScaleX, 10.0 * ScaleY}, 1.5, Outline(Tint, 1.2)));
		Canvas.Write(RectMarkup({Rect.X + 2.0 * ScaleX, Rect.Y + 3.0 * ScaleY, 12.0 * ScaleX, 3.5 * ScaleY}, 1.0, FSvgCanvas::Fill(Tint)));
	}

	/** The latent clock: a light face with a dark rim and two dark hands, in the middle of its image. */
	void DrawLatentIcon(FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint)
	{
		const FVector2D& Size = Brush.ImageSize;
		const double Scale = Rect.Width / Size.X;
		const std::string Centre = Point(Rect, Size, 16.0, 16.0);
		const FLinearColor Ink(0.02f, 0.02f, 0.02f, Tint.A);
		Canvas.Write("<circle cx=\"" + FSvgCanvas::Number(Rect.X + 16.0 * Scale) + "\" cy=\"" + FSvgCanvas::Number(Rect.Y + 16.0 * Rect.Height / Size.Y) + "\" r=\"" + FSvgCanvas::Number(9.0 * Scale) + "\"" + FSvgCanvas::Fill(Tint) + Stroke(Ink, 1.5 * Scale) + "/>\n");
		Canvas.Write("<path d=\"M" + Point(Rect, Size, 16.0, 10.0) + "L" + Centre + "L" + Point(Rect, Size, 20.0, 18.0) + "\"" + Outline(Ink, 1.6 * Scale) + " stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n");
	}

	using FImageDrawing = std::function<void(FSvgCanvas&, const FSlateBrush&, const FSvgRect&, const FLinearColor&)>;

	/** The images of the host's style set, by the engine's resource names. */
	const std::map<std::string, FImageDrawing>& GetImageDrawings()
	{
		static const std::map<std::string, FImageDrawing> Drawings = {
			{"Graph/GraphPanel_SolidBackground", [](FSvgCanvas& Canvas, const FSlateBrush&, const FSvgRect& Rect, const FLinearColor& Tint) { DrawGraphPanel(Canvas, Rect, Tint); }},
			{"Graph/RegularNode_body", [](FSvgCanvas& Canvas, const FSlateBrush&, const FSvgRect& Rect, const FLinearColor& Tint) { DrawNodeBody(Canvas, Rect, Tint); }},
			{"Graph/RegularNode_color_spill", [](FSvgCanvas& Canvas, const FSlateBrush&, const FSvgRect& Rect, const FLinearColor& Tint) { DrawColorSpill(Canvas, Rect, Tint); }},
			{"Graph/CommonWidgets/TextBox", [](FSvgCanvas& Canvas, const FSlateBrush&, const FSvgRect& Rect, const FLinearColor& Tint) { DrawGraphTextBox(Canvas, Rect, Tint); }},
			{"Graph/Pin_connected_VarA", [](FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint) { DrawDataPin(Canvas, Brush, Rect, Tint, true); }},
			{"Graph/Pin_disconnected_VarA", [](FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint) { DrawDataPin(Canvas, Brush, Rect, Tint, false); }},
			{"Graph/ArrayPin_connected", [](FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint) { DrawArrayPin(Canvas, Brush, Rect, Tint, true); }},
			{"Graph/ArrayPin_disconnected", [](FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint) { DrawArrayPin(Canvas, Brush, Rect, Tint, false); }},
			{"Old/Graph/ExecPin_Connected", [](FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint) { DrawExecPin(Canvas, Brush, Rect, Tint, true); }},
			{"Old/Graph/ExecPin_Disconnected", [](FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint) { DrawExecPin(Canvas, Brush, Rect, Tint, false); }},
			{"Graph/Pin_DiffHighlight", [](FSvgCanvas& Canvas, const FSlateBrush&, const FSvgRect& Rect, const FLinearColor& Tint) { Canvas.Write(RectMarkup(Rect, 2.0, FSvgCanvas::Fill(Tint))); }},
			{"Starship/Common/plus", &DrawPlus},
			{"Starship/Common/minus", &DrawMinus},
			{"Starship/GraphEditors/Node", &DrawNodeGlyph},
			{"Graph/LatentIcon", &DrawLatentIcon},
		};
		return Drawings;
	}
}

void DrawSvgBrush(FSvgCanvas& Canvas, const FSlateBrush& Brush, const FSvgRect& Rect, const FLinearColor& Tint)
{
	if (Brush.DrawAs == ESlateBrushDrawType::NoDrawType || Tint.A <= 0.0f)
	{
		return;
	}
	if (Brush.DrawAs == ESlateBrushDrawType::RoundedBox)
	{
		const FSlateBrushOutlineSettings& Outline = Brush.OutlineSettings;
		std::string Paint = FSvgCanvas::Fill(Tint);
		const FLinearColor OutlineColor = Outline.Color.GetSpecifiedColor();
		if (Outline.Width > 0.0f && OutlineColor.A > 0.0f)
		{
			// The outline lies inside the box, as the engine draws it.
			Paint += Stroke(OutlineColor, Outline.Width);
			const double Inset = Outline.Width / 2.0;
			Canvas.Write(RectMarkup({Rect.X + Inset, Rect.Y + Inset, Rect.Width - Outline.Width, Rect.Height - Outline.Width}, Outline.CornerRadii[0], Paint));
			return;
		}
		Canvas.Write(RectMarkup(Rect, Outline.CornerRadii[0], Paint));
		return;
	}
	if (Brush.GetResourceName().IsNone())
	{
		Canvas.Write(RectMarkup(Rect, 0.0, FSvgCanvas::Fill(Tint)));
		return;
	}
	const std::map<std::string, FImageDrawing>& Drawings = GetImageDrawings();
	const auto Found = Drawings.find(TCHAR_TO_UTF8(*Brush.GetResourceName().ToString()));
	checkf(Found != Drawings.end(), TEXT("The painter has no drawing of the image %s"), *Brush.GetResourceName().ToString());
	Found->second(Canvas, Brush, Rect, Tint);
}
