#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Layout/Margin.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateTypes.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

/** A clickable widget around any content. */
class SLATE_API SButton : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SButton)
		: _ButtonStyle(&FAppStyle::Get().GetWidgetStyle<FButtonStyle>("Button"))
		, _HAlign(HAlign_Fill)
		, _VAlign(VAlign_Fill)
		, _ContentPadding(FMargin(4.0f, 2.0f))
		{
		}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_STYLE_ARGUMENT(FButtonStyle, ButtonStyle)
		SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
		SLATE_ARGUMENT(EVerticalAlignment, VAlign)
		SLATE_ATTRIBUTE(FMargin, ContentPadding)
		SLATE_EVENT(FOnClicked, OnClicked)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	void SetOnClicked(FOnClicked InOnClicked);

private:
	friend class FWidgetInspector;

	/** What a click runs: the OnClicked handler, when the button is enabled. */
	FReply ExecuteOnClick();

	const FButtonStyle* Style = nullptr;
	TAttribute<FMargin> ContentPadding;
	FOnClicked OnClicked;
};
