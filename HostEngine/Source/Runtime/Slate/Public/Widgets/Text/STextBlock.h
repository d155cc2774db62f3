#pragma once

#include "CoreMinimal.h"
#include "Fonts/SlateFontInfo.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateColor.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

/** A piece of read-only text. */
class SLATE_API STextBlock : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(STextBlock)
		: _TextStyle(&FAppStyle::Get().GetWidgetStyle<FTextBlockStyle>("NormalText"))
		{
		}
		SLATE_ATTRIBUTE(FText, Text)
		/** The font and colour unless Font or ColorAndOpacity say otherwise. */
		SLATE_STYLE_ARGUMENT(FTextBlockStyle, TextStyle)
		SLATE_ATTRIBUTE(FSlateFontInfo, Font)
		SLATE_ATTRIBUTE(FSlateColor, ColorAndOpacity)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	const FText& GetText() const { return BoundText.Get(); }
	void SetText(TAttribute<FText> InText);

	/** The font drawn with: the Font argument when given, else the style's. */
	FSlateFontInfo GetFont() const;
	/** The colour drawn with: the ColorAndOpacity argument when given, else the style's. */
	FSlateColor GetColorAndOpacity() const;

protected:
	/** The text on one line, measured in its font. */
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual int32 OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const override;

private:
	TAttribute<FText> BoundText;
	const FTextBlockStyle* TextStyle = nullptr;
	TAttribute<FSlateFontInfo> Font;
	TAttribute<FSlateColor> ColorAndOpacity;
};
