#pragma once

#include <functional>
#include <string>
#include <vector>

/**
 * A node picture read back as XML: the widget groups the painter wrote, nested as the widget tree,
 * each with its type, tag, rectangle and the text it draws itself. Read with libxml2, so a picture
 * that is not well-formed XML fails the reading.
 */
struct FPictureWidget
{
	std::string Type;
	std::string Tag;
	double X = 0.0;
	double Y = 0.0;
	double Width = 0.0;
	double Height = 0.0;
	/** The text the widget draws, empty when it draws none. */
	std::string Text;
	/** The width the text is drawn at (its textLength). */
	double TextWidth = 0.0;
	std::vector<FPictureWidget> Children;

	double Right() const { return X + Width; }
	double Bottom() const { return Y + Height; }

	/** This widget and every one below it, depth first, in the order they were drawn. */
	std::vector<const FPictureWidget*> Flatten() const;
	std::vector<const FPictureWidget*> FindAll(const std::function<bool(const FPictureWidget&)>& Predicate) const;
	/** The texts drawn in and below this widget, in drawing order. */
	std::vector<std::string> Texts() const;
	bool IsPin() const { return Type.rfind("SGraphPin", 0) == 0; }
};

struct FPicture
{
	std::string Title;
	double Width = 0.0;
	double Height = 0.0;
	/** The outermost widget group: the node widget. */
	FPictureWidget Node;

	/** The node's input (0) and output (1) columns: the two vertical boxes side by side under the title. */
	const FPictureWidget* GetColumn(int32_t Side) const;
};

/** Parses an SVG document written by the painter; false with OutError when it cannot. */
bool ReadPicture(const std::string& Svg, FPicture& OutPicture, std::string& OutError);
