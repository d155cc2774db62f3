#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateColor.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

/** A piece of read-only text. */
class SLATE_API STextBlock : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(STextBlock)
		: _ColorAndOpacity(FSlateColor::UseForeground())
		{
		}
		SLATE_ATTRIBUTE(FText, Text)
		SLATE_ATTRIBUTE(FSlateColor, ColorAndOpacity)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	const FText& GetText() const { return BoundText.Get(); }
	void SetText(TAttribute<FText> InText);

private:
	friend class FWidgetInspector;

	TAttribute<FText> BoundText;
	TAttribute<FSlateColor> ColorAndOpacity;
};
