// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "KismetNodes/SGraphNodeK2Base.h"

class SEditableTextBox;
class UZOVAK2Node_JsonBase;

/** The Json Create node's widget: a key box and an "Add Json Key" button under the input pins. */
class SZOVAGraphNodeIn : public SGraphNodeK2Base
{
public:
	SLATE_BEGIN_ARGS(SZOVAGraphNodeIn)
		{
		}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, UZOVAK2Node_JsonBase* InNode);

	/** Keeps the text of the key box for the next click; an edit clears the reason a key was refused. */
	void OnKeyTextChanged(const FText& NewText);

protected:
	// SGraphNode interface
	virtual void CreateInputSideAddButton(TSharedPtr<SVerticalBox> InputBox) override;
	virtual FReply OnAddPin() override;
	// End of SGraphNode interface

private:
	FString KeyText;
	TSharedPtr<SEditableTextBox> KeyBox;
};
