#pragma once

// Host engine only, no engine twin. The engine paints widgets to the screen through its renderer;
// the host paints them into an SVG picture instead. The widget is laid out at its desired size by
// the layout rules of its widgets and painted by its widgets' own paint functions; the painter only
// writes the resulting draw elements down. Each widget becomes a group that names its type, its tag
// and its rectangle (data-widget, data-tag, data-rect="x y width height"), nested as the widget
// tree is, so that a picture can be checked against the tree it was drawn from.

#include "CoreMinimal.h"
#include "Templates/SharedPointer.h"

#include <string>

class SWidget;
struct FSlateBrush;

class SLATECORE_API FSlateSvgPainter
{
public:
	/**
	 * Draws Root at its desired size, Margin away from the picture's edges, over Background.
	 * @param Title - the picture's title element, for viewers and screen readers
	 * @return the SVG document as UTF-8
	 */
	static std::string PaintWidget(const TSharedRef<SWidget>& Root, const FString& Title, const FSlateBrush* Background, float Margin);
};
