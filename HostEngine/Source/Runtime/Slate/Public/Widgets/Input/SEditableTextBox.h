#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

/** A one-line box the user types text into. */
class SLATE_API SEditableTextBox : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SEditableTextBox)
		: _MinDesiredWidth(0.0f)
		{
		}
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

private:
	friend class FWidgetInspector;

	/** One edit by the user: the new text, then OnTextChanged; a disabled box takes none. */
	void HandleUserEdit(const FText& NewText);

	FText EditedText;
	FText ErrorText;
	TAttribute<float> MinDesiredWidth;
	FOnTextChanged OnTextChanged;
};
