#pragma once

#include "CoreMinimal.h"
#include "KismetNodes/SGraphNodeK2Base.h"

class UK2Node;

/** The widget of a Blueprint node that makes none of its own. */
class GRAPHEDITOR_API SGraphNodeK2Default : public SGraphNodeK2Base
{
public:
	SLATE_BEGIN_ARGS(SGraphNodeK2Default)
		{
		}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, UK2Node* InNode);
};
