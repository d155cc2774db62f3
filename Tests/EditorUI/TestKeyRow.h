#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class SButton;
class SEditableTextBox;

/**
 * A widget built the way editor node widgets build theirs: a text box and a button whose handlers
 * are members bound in Construct, and a required argument after the named ones.
 */
class STestKeyRow : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(STestKeyRow)
		: _ClicksPerPress(1)
		{
		}
		SLATE_ARGUMENT(int32, ClicksPerPress)
		SLATE_ATTRIBUTE(FText, ButtonLabel)
		SLATE_EVENT(FOnTextChanged, OnKeyChanged)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, const FString& InOwnerName);

	FString OwnerName;
	FString KeyText;
	int32 Presses = 0;
	TSharedPtr<SEditableTextBox> KeyBox;
	TSharedPtr<SButton> AddButton;

private:
	void HandleKeyChanged(const FText& NewText);
	FReply HandleAddPressed(int32 Clicks);

	FOnTextChanged OnKeyChanged;
};
