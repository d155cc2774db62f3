#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

/** A one-line box the user types text into. */
class SLATE_API SEditableTextBox : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SEditableTextBox)
		: _Style(&FAppStyle::Get().GetWidgetStyle<FEditableTextBoxStyle>("NormalEditableTextBox"))
		, _MinDesiredWidth(0.0f)
		{
		}
		/** The box behind the text, the padding around it and the text's font and colour. */
		SLATE_STYLE_ARGUMENT(FEditableTextBoxStyle, Style)
		/** The text shown when the box is built. */
		SLATE_ATTRIBUTE(FText, Text)
		SLATE_ATTRIBUTE(float, MinDesiredWidth)
		/** Fires on every edit with the whole new text. */
		SLATE_EVENT(FOnTextChanged, OnTextChanged)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	/** Replaces the text, as code rather than the user does. */
	void SetText(const TAttribute<FText>& InNewText);
	FText GetText() const { return EditedText; }

	/** Shows an error beside the text, telling the user why it was not accepted; an empty text hides it. */
	void SetError(const FText& InError);
	bool HasError() const { return !ErrorText.IsEmpty(); }

protected:
	/**
	 * The text on one line, at least MinDesiredWidth wide, inside the style's padding. The engine
	 * also leaves room for the caret; the host draws none.
	 */
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	/** The style's box over the whole widget, the text inside its padding, centred down. */
	virtual int32 OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const override;

private:
	friend class FWidgetInspector;

	/** One edit by the user: the new text, then OnTextChanged; a disabled box takes none. */
	void HandleUserEdit(const FText& NewText);

	const FEditableTextBoxStyle* Style = nullptr;
	FText EditedText;
	FText ErrorText;
	TAttribute<float> MinDesiredWidth;
	FOnTextChanged OnTextChanged;
};
