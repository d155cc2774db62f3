// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "KismetNodes/SGraphNodeK2Base.h"

class UZOVAK2Node_JsonArrayCreate;

/** The Json Array Create node's widget: "Add Pin" and "Remove Pin" buttons under the input pins. */
class SZOVAGraphNodeArrayIn : public SGraphNodeK2Base
{
public:
	SLATE_BEGIN_ARGS(SZOVAGraphNodeArrayIn)
		{
		}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, UZOVAK2Node_JsonArrayCreate* InNode);

protected:
	// SGraphNode interface
	virtual void CreateInputSideAddButton(TSharedPtr<SVerticalBox> InputBox) override;
	virtual FReply OnAddPin() override;
	// End of SGraphNode interface

	/** Removes the node's last input. */
	virtual FReply OnRemovePin();
};
