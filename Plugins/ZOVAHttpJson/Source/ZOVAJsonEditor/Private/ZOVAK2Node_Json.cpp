// Copyright ZOVA. All Rights Reserved.

#include "ZOVAK2Node_Json.h"

#include "EdGraphSchema_K2.h"
#include "K2Node_CallFunction.h"
#include "K2Node_MakeArray.h"
#include "KismetCompiler.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAGraphNodeOutput.h"
#include "ZOVAK2Node_AnalyzeArray.h"
#include "ZOVAPinMap.h"

namespace ZOVAJsonAnalyzePinNames
{
	static const FName InJsonPinName(TEXT("In Json"));
	static const FName SuccessPinName(TEXT("Success"));
	// Parameters of UZOVABlueprintFunctionLibrary::OnJsonAnalyze.
	static const FName InJsonParameterName(TEXT("InJson"));
	static const FName InKeyParameterName(TEXT("InKey"));
	static const FName OutValueParameterName(TEXT("OutValue"));
}

#define LOCTEXT_NAMESPACE "ZOVA_Json"

namespace
{
	/** Feeds the keys, in order, to the call as the literal elements of an array. */
	void SpawnKeyArray(FKismetCompilerContext& CompilerContext, UEdGraphNode* SourceNode, UEdGraph* SourceGraph, const TArray<FString>& Keys, UEdGraphPin* InKeyPin)
	{
		UK2Node_MakeArray* const ArrayNode = CompilerContext.SpawnIntermediateNode<UK2Node_MakeArray>(SourceNode, SourceGraph);
		ArrayNode->AllocateDefaultPins();
		UEdGraphPin* const ArrayOutputPin = ArrayNode->GetOutputPin();
		ArrayOutputPin->MakeLinkTo(InKeyPin);
		ArrayNode->PinConnectionListChanged(ArrayOutputPin);

		for (int32 KeyIndex = 1; KeyIndex < Keys.Num(); ++KeyIndex)
		{
			ArrayNode->AddInputPin();
		}
		const TMap<FName, UEdGraphPin*> ElementPins = ZOVAPinMap::MapPinsByName(*ArrayNode, EGPD_Input);
		for (int32 KeyIndex = 0; KeyIndex < Keys.Num(); ++KeyIndex)
		{
			ZOVAPinMap::FindPinChecked(ElementPins, FString::Printf(TEXT("[%d]"), KeyIndex))->DefaultValue = Keys[KeyIndex];
		}
	}
}

/////////////////////////////////////////////////////
// UZOVAK2Node_Json

void UZOVAK2Node_Json::AllocateDefaultPins()
{
	CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_String, ZOVAJsonAnalyzePinNames::InJsonPinName);
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Boolean, ZOVAJsonAnalyzePinNames::SuccessPinName);
	CreateKeyPins(EGPD_Output);
}

FText UZOVAK2Node_Json::GetNodeTitle(ENodeTitleType::Type TitleType) const
{
	return LOCTEXT("Json Analyze", "Json Analyze");
}

FText UZOVAK2Node_Json::GetTooltipText() const
{
	return LOCTEXT("Parse Json String To Out", "Parse Json String To Out");
}

TSharedPtr<SGraphNode> UZOVAK2Node_Json::CreateVisualWidget()
{
	return SNew(SZOVAGraphNodeOutput, this);
}

void UZOVAK2Node_Json::ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph)
{
	Super::ExpandNode(CompilerContext, SourceGraph);

	UK2Node_CallFunction* const CallNode = CompilerContext.SpawnIntermediateNode<UK2Node_CallFunction>(this, SourceGraph);
	CallNode->FunctionReference.SetExternalMember(GET_FUNCTION_NAME_CHECKED(UZOVABlueprintFunctionLibrary, OnJsonAnalyze), UZOVABlueprintFunctionLibrary::StaticClass());
	CallNode->AllocateDefaultPins();
	CompilerContext.MovePinLinksToIntermediate(*GetInJsonPin(), *CallNode->FindPinChecked(ZOVAJsonAnalyzePinNames::InJsonParameterName));
	CompilerContext.MovePinLinksToIntermediate(*GetSuccessPin(), *CallNode->FindPinChecked(UEdGraphSchema_K2::PN_ReturnValue));

	// Without keys the key input stays unlinked, and the compiler gives the call an empty array of its
	// own (the parameter is an AutoCreateRefTerm): an array node always starts with one element, which
	// would ask for an empty key and make Success false for any document.
	if (PinNames.Num() > 0)
	{
		SpawnKeyArray(CompilerContext, this, SourceGraph, PinNames, CallNode->FindPinChecked(ZOVAJsonAnalyzePinNames::InKeyParameterName));
	}

	// Value j of the call's result goes to key pin j.
	UZOVAK2Node_AnalyzeArray* const SplitNode = CompilerContext.SpawnIntermediateNode<UZOVAK2Node_AnalyzeArray>(this, SourceGraph);
	SplitNode->AllocateDefaultPins();
	UEdGraphPin* const SplitInputPin = SplitNode->GetInputArrayPin();
	CallNode->FindPinChecked(ZOVAJsonAnalyzePinNames::OutValueParameterName)->MakeLinkTo(SplitInputPin);
	SplitNode->PinConnectionListChanged(SplitInputPin);
	for (int32 KeyIndex = 1; KeyIndex < PinNames.Num(); ++KeyIndex)
	{
		SplitNode->AddOutputPin();
	}
	const TMap<FName, UEdGraphPin*> KeyPins = ZOVAPinMap::MapPinsByName(*this, EGPD_Output);
	const TMap<FName, UEdGraphPin*> SplitPins = ZOVAPinMap::MapPinsByName(*SplitNode, EGPD_Output);
	for (int32 KeyIndex = 0; KeyIndex < PinNames.Num(); ++KeyIndex)
	{
		UEdGraphPin* const SplitPin = ZOVAPinMap::FindPinChecked(SplitPins, SplitNode->GetOutputPinName(KeyIndex).ToString());
		CompilerContext.MovePinLinksToIntermediate(*ZOVAPinMap::FindPinChecked(KeyPins, PinNames[KeyIndex]), *SplitPin);
	}

	BreakAllNodeLinks();
}

UEdGraphPin* UZOVAK2Node_Json::GetInJsonPin() const
{
	return FindPinChecked(ZOVAJsonAnalyzePinNames::InJsonPinName, EGPD_Input);
}

UEdGraphPin* UZOVAK2Node_Json::GetSuccessPin() const
{
	return FindPinChecked(ZOVAJsonAnalyzePinNames::SuccessPinName, EGPD_Output);
}

UEdGraphPin* UZOVAK2Node_Json::GetKeyPin(const FString& Key) const
{
	return FindPinChecked(Key, EGPD_Output);
}

#undef LOCTEXT_NAMESPACE
