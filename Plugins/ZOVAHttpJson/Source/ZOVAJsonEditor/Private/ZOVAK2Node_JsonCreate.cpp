// Copyright ZOVA. All Rights Reserved.

#include "ZOVAK2Node_JsonCreate.h"

#include "EdGraphSchema_K2.h"
#include "K2Node_CallFunction.h"
#include "K2Node_MakeMap.h"
#include "KismetCompiler.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAGraphNodeIn.h"
#include "ZOVAPinMap.h"

namespace ZOVAJsonCreatePinNames
{
	static const FName SuccessPinName(TEXT("Success"));
	static const FName OutJsonPinName(TEXT("Out Json"));
	// Parameters of UZOVABlueprintFunctionLibrary::OnCreateJson.
	static const FName InMapParameterName(TEXT("InMap"));
	static const FName OutJsonParameterName(TEXT("OutJson"));
}

#define LOCTEXT_NAMESPACE "ZOVA_Json"

/////////////////////////////////////////////////////
// UZOVAK2Node_JsonCreate

void UZOVAK2Node_JsonCreate::AllocateDefaultPins()
{
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Boolean, ZOVAJsonCreatePinNames::SuccessPinName);
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_String, ZOVAJsonCreatePinNames::OutJsonPinName);
	CreateKeyPins(EGPD_Input);
}

FText UZOVAK2Node_JsonCreate::GetNodeTitle(ENodeTitleType::Type TitleType) const
{
	return LOCTEXT("Json Create", "Json Create");
}

FText UZOVAK2Node_JsonCreate::GetTooltipText() const
{
	return LOCTEXT("Create Json String", "Create Json String");
}

TSharedPtr<SGraphNode> UZOVAK2Node_JsonCreate::CreateVisualWidget()
{
	return SNew(SZOVAGraphNodeIn, this);
}

void UZOVAK2Node_JsonCreate::ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph)
{
	Super::ExpandNode(CompilerContext, SourceGraph);

	UK2Node_CallFunction* const CallNode = CompilerContext.SpawnIntermediateNode<UK2Node_CallFunction>(this, SourceGraph);
	CallNode->FunctionReference.SetExternalMember(GET_FUNCTION_NAME_CHECKED(UZOVABlueprintFunctionLibrary, OnCreateJson), UZOVABlueprintFunctionLibrary::StaticClass());
	CallNode->AllocateDefaultPins();
	CompilerContext.MovePinLinksToIntermediate(*GetOutJsonPin(), *CallNode->FindPinChecked(ZOVAJsonCreatePinNames::OutJsonParameterName));
	CompilerContext.MovePinLinksToIntermediate(*GetSuccessPin(), *CallNode->FindPinChecked(UEdGraphSchema_K2::PN_ReturnValue));

	// Without keys the map input stays unlinked, and the compiler gives the call an empty map of its
	// own (the parameter is an AutoCreateRefTerm): a map node always starts with one pair, which would
	// add a member with an empty name and an empty value.
	if (PinNames.Num() > 0)
	{
		// The keys enter the map as literal key defaults; only the values are wired.
		UK2Node_MakeMap* const MapNode = CompilerContext.SpawnIntermediateNode<UK2Node_MakeMap>(this, SourceGraph);
		MapNode->AllocateDefaultPins();
		UEdGraphPin* const MapOutputPin = MapNode->GetOutputPin();
		MapOutputPin->MakeLinkTo(CallNode->FindPinChecked(ZOVAJsonCreatePinNames::InMapParameterName));
		MapNode->PinConnectionListChanged(MapOutputPin);
		for (int32 KeyIndex = 1; KeyIndex < PinNames.Num(); ++KeyIndex)
		{
			MapNode->AddInputPin();
		}
		const TMap<FName, UEdGraphPin*> KeyPins = ZOVAPinMap::MapPinsByName(*this, EGPD_Input);
		const TMap<FName, UEdGraphPin*> PairPins = ZOVAPinMap::MapPinsByName(*MapNode, EGPD_Input);
		for (int32 KeyIndex = 0; KeyIndex < PinNames.Num(); ++KeyIndex)
		{
			ZOVAPinMap::FindPinChecked(PairPins, FString::Printf(TEXT("Key %d"), KeyIndex))->DefaultValue = PinNames[KeyIndex];
			UEdGraphPin* const ValuePin = ZOVAPinMap::FindPinChecked(PairPins, FString::Printf(TEXT("Value %d"), KeyIndex));
			CompilerContext.MovePinLinksToIntermediate(*ZOVAPinMap::FindPinChecked(KeyPins, PinNames[KeyIndex]), *ValuePin);
		}
	}

	BreakAllNodeLinks();
}

UEdGraphPin* UZOVAK2Node_JsonCreate::GetSuccessPin() const
{
	return FindPinChecked(ZOVAJsonCreatePinNames::SuccessPinName, EGPD_Output);
}

UEdGraphPin* UZOVAK2Node_JsonCreate::GetOutJsonPin() const
{
	return FindPinChecked(ZOVAJsonCreatePinNames::OutJsonPinName, EGPD_Output);
}

UEdGraphPin* UZOVAK2Node_JsonCreate::GetKeyPin(const FString& Key) const
{
	return FindPinChecked(Key, EGPD_Input);
}

#undef LOCTEXT_NAMESPACE
