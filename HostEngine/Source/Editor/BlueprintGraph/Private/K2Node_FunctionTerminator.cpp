#include "K2Node_FunctionTerminator.h"

#include "EdGraphSchema_K2.h"

#define LOCTEXT_NAMESPACE "K2Node"

UK2Node_FunctionTerminator::UK2Node_FunctionTerminator(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

FName UK2Node_FunctionTerminator::CreateUniquePinName(FName SourcePinName) const
{
	FName PinName = SourcePinName;
	for (int32 Number = 1; FindPin(PinName); ++Number)
	{
		PinName = FName(*FString::Printf(TEXT("%s%d"), *SourcePinName.ToString(), Number));
	}
	return PinName;
}

bool UK2Node_FunctionTerminator::CanCreateUserDefinedPin(const FEdGraphPinType& InPinType, EEdGraphPinDirection InDesiredDirection, FText& OutErrorMessage)
{
	const bool bIsNodeEditable = IsEditable();
	if (bIsNodeEditable && InPinType.PinCategory == UEdGraphSchema_K2::PC_Exec)
	{
		OutErrorMessage = LOCTEXT("MultipleExecPinError", "Cannot support more exec pins!");
		return false;
	}
	if (!bIsNodeEditable)
	{
		OutErrorMessage = LOCTEXT("NotEditableError", "Cannot edit this node!");
	}
	return bIsNodeEditable;
}

#undef LOCTEXT_NAMESPACE
