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

protected:
	virtual const FSlateBrush* GetPinIcon() const override;
};
