#include "K2Node_MakeArray.h"

#define LOCTEXT_NAMESPACE "MakeArrayNode"

namespace MakeArrayLiterals
{
	static const FName OutputPinName(TEXT("Array"));
}

UK2Node_MakeArray::UK2Node_MakeArray(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
	ContainerType = EPinContainerType::Array;
}

FText UK2Node_MakeArray::GetNodeTitle(ENodeTitleType::Type TitleType) const
{
	return LOCTEXT("NodeTitle", "Make Array");
}

FText UK2Node_MakeArray::GetTooltipText() const
{
	return LOCTEXT("MakeArrayTooltip", "Builds an array of the input values, in pin order");
}

FName UK2Node_MakeArray::GetOutputPinName() const
{
	return MakeArrayLiterals::OutputPinName;
}

#undef LOCTEXT_NAMESPACE
