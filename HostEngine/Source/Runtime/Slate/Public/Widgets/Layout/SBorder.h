#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

/** A widget that draws a brush behind its content. */
class SLATE_API SBorder : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SBorder)
		: _HAlign(HAlign_Fill)
		, _VAlign(VAlign_Fill)
		, _Padding(FMargin(2.0f))
		, _BorderImage(FAppStyle::GetBrush("Border"))
		, _BorderBackgroundColor(FLinearColor::White)
		{
		}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
		SLATE_ARGUMENT(EVerticalAlignment, VAlign)
		SLATE_ATTRIBUTE(FMargin, Padding)
		SLATE_ATTRIBUTE(const FSlateBrush*, BorderImage)
		/** Multiplies the brush's own tint. */
		SLATE_ATTRIBUTE(FSlateColor, BorderBackgroundColor)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	const FSlateBrush* GetBorderImage() const { return BorderImage.Get(); }
	FSlateColor GetBorderBackgroundColor() const { return BorderBackgroundColor.Get(); }

protected:
	/** The brush over the whole border, then the content one layer up. */
	virtual int32 OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const override;

	TAttribute<const FSlateBrush*> BorderImage;
	TAttribute<FSlateColor> BorderBackgroundColor;
};
