#pragma once

// Host engine only: the SVG text the host's painter writes, with its number, colour and text forms.

#include "CoreMinimal.h"
#include "Math/Color.h"

#include <string>
#include <vector>

/** An area of the picture, in picture units (slate units). */
struct FSvgRect
{
	double X = 0.0;
	double Y = 0.0;
	double Width = 0.0;
	double Height = 0.0;
};

/**
 * An SVG document being written: definitions (gradients) apart from the drawing, and the drawing as
 * nested groups. A group that ends up holding nothing is dropped.
 */
class FSvgCanvas
{
public:
	/** A number with at most two decimals and no trailing zeros, as every coordinate is written. */
	static std::string Number(double Value);
	/** The colour as the screen shows it: sRGB hex, without its alpha. */
	static std::string Color(const FLinearColor& LinearColor);
	/** ` fill="#rrggbb"`, with a fill-opacity when the colour is not opaque. */
	static std::string Fill(const FLinearColor& LinearColor);
	/** The text as XML character data, UTF-8; characters XML cannot hold become U+FFFD. */
	static std::string Escape(const FString& Text);

	FSvgCanvas();

	/** Appends to the innermost open group. */
	void Write(const std::string& Markup);
	/** Adds a definition and returns its new id, "<Prefix><n>". */
	std::string Define(const char* Prefix, const std::string& MarkupWithIdPlaceholder);

	void BeginGroup(const std::string& OpeningTag);
	void EndGroup();

	/** The whole document, Width by Height, its groups all ended. */
	std::string Finish(double Width, double Height, const FString& Title) const;

private:
	std::string Definitions;
	int32 NumDefinitions = 0;
	/** The open groups: each one's opening tag and what it holds so far; the first is the drawing. */
	std::vector<std::pair<std::string, std::string>> Groups;
};
