#pragma once

#include "CoreMinimal.h"
#include "SGraphPin.h"

/** The widget of an execution pin: an arrow instead of a circle, and no value. */
class GRAPHEDITOR_API SGraphPinExec : public SGraphPin
{
public:
	SLATE_BEGIN_ARGS(SGraphPinExec)
		{
		}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, UEdGraphPin* InPin);

	/**
	 * No name for the pins named "execute" and "then", as the Blueprint editor shows them. The engine
	 * hides them in the Blueprint schema's pin names; the host in the exec pin's label.
	 */
	virtual FText GetPinLabel() const override;

protected:
	virtual const FSlateBrush* GetPinIcon() const override;
};
