#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class UEdGraphPin;
enum EEdGraphPinDirection : int;

/** The widget of one pin of a graph node: its label, in the node's input or output column. */
class GRAPHEDITOR_API SGraphPin : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SGraphPin)
		{
		}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, UEdGraphPin* InPin);

	UEdGraphPin* GetPinObj() const { return GraphPinObj; }
	EEdGraphPinDirection GetDirection() const;
	/** The name the pin shows: its friendly name when it has one, else its name. */
	virtual FText GetPinLabel() const;

protected:
	UEdGraphPin* GraphPinObj = nullptr;
};
