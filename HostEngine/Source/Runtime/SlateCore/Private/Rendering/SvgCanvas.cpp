#include "SvgCanvas.h"

#include <cmath>
#include <cstdio>

namespace
{
	/** The sRGB transfer function, as screens show linear colours. */
	int32 EncodeChannel(float Linear)
	{
		const float Clamped = std::fmin(std::fmax(Linear, 0.0f), 1.0f);
		const float Encoded = Clamped <= 0.0031308f ? Clamped * 12.92f : 1.055f * std::pow(Clamped, 1.0f / 2.4f) - 0.055f;
		return int32(std::lround(Encoded * 255.0f));
	}

	bool IsXmlCharacter(uint32 CodePoint)
	{
		return CodePoint == 0x9 || CodePoint == 0xA || CodePoint == 0xD || (CodePoint >= 0x20 && CodePoint != 0xFFFE && CodePoint != 0xFFFF);
	}
}

std::string FSvgCanvas::Number(double Value)
{
	char Buffer[64];
	std::snprintf(Buffer, sizeof(Buffer), "%.2f", std::round(Value * 100.0) / 100.0);
	std::string Text(Buffer);
	Text.erase(Text.find_last_not_of('0') + 1);
	if (Text.back() == '.')
	{
		Text.pop_back();
	}
	return Text == "-0" ? "0" : Text;
}

std::string FSvgCanvas::Color(const FLinearColor& LinearColor)
{
	char Buffer[8];
	std::snprintf(Buffer, sizeof(Buffer), "#%02x%02x%02x", EncodeChannel(LinearColor.R), EncodeChannel(LinearColor.G), EncodeChannel(LinearColor.B));
	return Buffer;
}

std::string FSvgCanvas::Fill(const FLinearColor& LinearColor)
{
	std::string Markup = " fill=\"" + Color(LinearColor) + "\"";
	if (LinearColor.A < 1.0f)
	{
		Markup += " fill-opacity=\"" + Number(LinearColor.A) + "\"";
	}
	return Markup;
}

std::string FSvgCanvas::Escape(const FString& Text)
{
	std::string Result;
	for (int32 Index = 0; Index < Text.Len(); ++Index)
	{
		uint32 CodePoint = uint32(Text[Index]);
		if (CodePoint >= 0xD800 && CodePoint <= 0xDBFF && Index + 1 < Text.Len() && uint32(Text[Index + 1]) >= 0xDC00 && uint32(Text[Index + 1]) <= 0xDFFF)
		{
			CodePoint = 0x10000 + ((CodePoint - 0xD800) << 10) + (uint32(Text[++Index]) - 0xDC00);
		}
		else if (CodePoint >= 0xD800 && CodePoint <= 0xDFFF)
		{
			CodePoint = 0xFFFD;
		}
		if (!IsXmlCharacter(CodePoint))
		{
			CodePoint = 0xFFFD;
		}
		switch (CodePoint)
		{
		case '&': Result += "&amp;"; continue;
		case '<': Result += "&lt;"; continue;
		case '>': Result += "&gt;"; continue;
		case '"': Result += "&quot;"; continue;
		default: break;
		}
		if (CodePoint < 0x80)
		{
			Result += char(CodePoint);
		}
		else if (CodePoint < 0x800)
		{
			Result += char(0xC0 | (CodePoint >> 6));
			Result += char(0x80 | (CodePoint & 0x3F));
		}
		else if (CodePoint < 0x10000)
		{
			Result += char(0xE0 | (CodePoint >> 12));
			Result += char(0x80 | ((CodePoint >> 6) & 0x3F));
			Result += char(0x80 | (CodePoint & 0x3F));
		}
		else
		{
			Result += char(0xF0 | (CodePoint >> 18));
			Result += char(0x80 | ((CodePoint >> 12) & 0x3F));
			Result += char(0x80 | ((CodePoint >> 6) & 0x3F));
			Result += char(0x80 | (CodePoint & 0x3F));
		}
	}
	return Result;
}

FSvgCanvas::FSvgCanvas()
{
	Groups.emplace_back(std::string(), std::string());
}

void FSvgCanvas::Write(const std::string& Markup)
{
	Groups.back().second += Markup;
}

std::string FSvgCanvas::Define(const char* Prefix, const std::string& MarkupWithIdPlaceholder)
{
	const std::string Id = Prefix + std::to_string(NumDefinitions++);
	std::string Markup = MarkupWithIdPlaceholder;
	const std::string Placeholder = "{id}";
	Markup.replace(Markup.find(Placeholder), Placeholder.size(), Id);
	Definitions += Markup + "\n";
	return Id;
}

void FSvgCanvas::BeginGroup(const std::string& OpeningTag)
{
	Groups.emplace_back(OpeningTag, std::string());
}

void FSvgCanvas::EndGroup()
{
	check(Groups.size() > 1);
	const std::pair<std::string, std::string> Group = Groups.back();
	Groups.pop_back();
	if (!Group.second.empty())
	{
		Write(Group.first + "\n" + Group.second + "</g>\n");
	}
}

std::string FSvgCanvas::Finish(double Width, double Height, const FString& Title) const
{
	check(Groups.size() == 1);
	const std::string Size = "width=\"" + Number(Width) + "\" height=\"" + Number(Height) + "\" viewBox=\"0 0 " + Number(Width) + " " + Number(Height) + "\"";
	std::string Document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
	Document += "<svg xmlns=\"http://www.w3.org/2000/svg\" " + Size + " font-family=\"Roboto, 'Segoe UI', 'Helvetica Neue', Arial, 'DejaVu Sans', sans-serif\">\n";
	Document += "<title>" + Escape(Title) + "</title>\n";
	if (!Definitions.empty())
	{
		Document += "<defs>\n" + Definitions + "</defs>\n";
	}
	Document += Groups.front().second;
	Document += "</svg>\n";
	return Document;
}
