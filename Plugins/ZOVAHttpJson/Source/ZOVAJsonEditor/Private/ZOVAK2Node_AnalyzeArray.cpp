// Copyright ZOVA. All Rights Reserved.

#include "ZOVAK2Node_AnalyzeArray.h"

#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "K2Node_CallFunction.h"
#include "Kismet2/BlueprintEditorUtils.h"
#include "KismetCompiler.h"
#include "ZOVABlueprintFunctionLibrary.h"

namespace ZOVAAnalyzeArrayPinNames
{
	static const FName InArrayPinName(TEXT("InArray_UZOVAK2Node_OutArray"));
	// Parameters of UZOVABlueprintFunctionLibrary::OnArrayOut.
	static const FName InArrayParameterName(TEXT("InArray"));
	static const FName IndexParameterName(TEXT("Index"));
}

/////////////////////////////////////////////////////
// UZOVAK2Node_AnalyzeArray

UZOVAK2Node_AnalyzeArray::UZOVAK2Node_AnalyzeArray(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, NumInputs(1)
{
}

void UZOVAK2Node_AnalyzeArray::AllocateDefaultPins()
{
	FCreatePinParams ArrayParams;
	ArrayParams.ContainerType = EPinContainerType::Array;
	CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_String, ZOVAAnalyzeArrayPinNames::InArrayPinName, ArrayParams);
	for (int32 Index = 0; Index < NumInputs; ++Index)
	{
		CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_String, GetOutputPinName(Index));
	}
}

void UZOVAK2Node_AnalyzeArray::AddOutputPin()
{
	Modify();
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_String, GetOutputPinName(NumInputs));
	++NumInputs;
	FBlueprintEditorUtils::MarkBlueprintAsModified(GetBlueprint());
	GetGraph()->NotifyGraphChanged();
}

void UZOVAK2Node_AnalyzeArray::ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph)
{
	Super::ExpandNode(CompilerContext, SourceGraph);

	UEdGraphPin* const ArrayPin = FindPinChecked(ZOVAAnalyzeArrayPinNames::InArrayPinName);
	const UFunction* const ArrayOutFunction = UZOVABlueprintFunctionLibrary::StaticClass()->FindFunctionByName(GET_FUNCTION_NAME_CHECKED(UZOVABlueprintFunctionLibrary, OnArrayOut));
	// One call per output, connected or not; every call reads the same array, so its links are copied.
	for (int32 Index = 0; Index < NumInputs; ++Index)
	{
		UK2Node_CallFunction* const CallNode = CompilerContext.SpawnIntermediateNode<UK2Node_CallFunction>(this, SourceGraph);
		CallNode->SetFromFunction(ArrayOutFunction);
		CallNode->AllocateDefaultPins();

		CallNode->FindPinChecked(ZOVAAnalyzeArrayPinNames::IndexParameterName)->DefaultValue = FString::Format(TEXT("{0}"), {Index});
		CompilerContext.CopyPinLinksToIntermediate(*ArrayPin, *CallNode->FindPinChecked(ZOVAAnalyzeArrayPinNames::InArrayParameterName));

		UEdGraphPin* const OutputPin = FindPin(GetOutputPinName(Index));
		UEdGraphPin* const ReturnPin = CallNode->GetReturnValuePin();
		if (OutputPin && ReturnPin)
		{
			CompilerContext.MovePinLinksToIntermediate(*OutputPin, *ReturnPin);
		}
	}

	BreakAllNodeLinks();
}

UEdGraphPin* UZOVAK2Node_AnalyzeArray::GetInputArrayPin() const
{
	return FindPinChecked(ZOVAAnalyzeArrayPinNames::InArrayPinName, EGPD_Input);
}

UEdGraphPin* UZOVAK2Node_AnalyzeArray::GetOutputPin(int32 Index) const
{
	return FindPinChecked(GetOutputPinName(Index), EGPD_Output);
}

FName UZOVAK2Node_AnalyzeArray::GetOutputPinName(int32 Index) const
{
	return FName(*FString::Printf(TEXT("[%d]"), Index));
}
