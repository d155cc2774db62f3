#pragma once

#include "HAL/Platform.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Fonts/SlateFontInfo.h"
#include "Layout/Geometry.h"
#include "Math/Color.h"

class FSlateWindowElementList;
class SWidget;
struct FSlateBrush;

/**
 * One thing to draw: a brush over an area, or a line of text. The host's painter turns them into a
 * picture; the host also marks where each widget's painting starts and ends, so a picture can keep
 * the widget tree's nesting.
 */
class SLATECORE_API FSlateDrawElement
{
public:
	enum class EElementType : uint8
	{
		ET_Box,
		ET_Text,
		/** The painting widget starts: its elements and its children's follow. */
		ET_BeginWidget,
		ET_EndWidget,
	};

	/** Draws Brush over PaintGeometry, tinted (brush tint and widget colours already multiplied in). */
	static void MakeBox(FSlateWindowElementList& ElementList, int32 InLayer, const FGeometry& PaintGeometry, const FSlateBrush* InBrush, const FLinearColor& InTint);

	/** Draws one line of Text, its top-left corner at the geometry's. */
	static void MakeText(FSlateWindowElementList& ElementList, int32 InLayer, const FGeometry& PaintGeometry, const FString& InText, const FSlateFontInfo& InFontInfo, const FLinearColor& InTint);

	EElementType GetElementType() const { return ElementType; }
	int32 GetLayer() const { return Layer; }
	const FGeometry& GetGeometry() const { return Geometry; }
	const FSlateBrush* GetBrush() const { return Brush; }
	const FString& GetText() const { return Text; }
	const FSlateFontInfo& GetFontInfo() const { return FontInfo; }
	const FLinearColor& GetTint() const { return Tint; }
	/** The widget whose painting begins or ends here. */
	const SWidget* GetWidget() const { return Widget; }

private:
	friend class FSlateWindowElementList;

	EElementType ElementType = EElementType::ET_Box;
	int32 Layer = 0;
	FGeometry Geometry;
	const FSlateBrush* Brush = nullptr;
	FString Text;
	FSlateFontInfo FontInfo;
	FLinearColor Tint;
	const SWidget* Widget = nullptr;
};

/** The draw elements of one paint, in the order they were made. */
class SLATECORE_API FSlateWindowElementList
{
public:
	FSlateDrawElement& AddUninitialized();

	/** Marks the start of a widget's painting; SWidget::Paint calls it. */
	void PushPaintingWidget(const SWidget& CurrentWidget, int32 StartingLayerId, const FGeometry& WidgetGeometry);
	void PopPaintingWidget(const SWidget& CurrentWidget);

	const TArray<FSlateDrawElement>& GetUncachedDrawElements() const { return Elements; }

private:
	TArray<FSlateDrawElement> Elements;
};
