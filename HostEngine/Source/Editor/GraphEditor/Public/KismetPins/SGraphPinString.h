#pragma once

#include "CoreMinimal.h"
#include "SGraphPin.h"

/** The widget of a text pin: on an input, a box that shows and edits the pin's default text. */
class GRAPHEDITOR_API SGraphPinString : public SGraphPin
{
public:
	SLATE_BEGIN_ARGS(SGraphPinString)
		{
		}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, UEdGraphPin* InGraphPinObj);

	/**
	 * The engine's box takes several lines (a new line with Shift+Enter); the host's takes one, which
	 * is as large for text without line breaks.
	 */
	virtual TSharedRef<SWidget> GetDefaultValueWidget() override;
};
