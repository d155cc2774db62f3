// Copyright ZOVA. All Rights Reserved.

#include "ZOVAK2Node_JsonToArray.h"

#include "BlueprintActionDatabaseRegistrar.h"
#include "BlueprintNodeSpawner.h"
#include "EdGraphSchema_K2.h"
#include "K2Node_CallFunction.h"
#include "KismetCompiler.h"
#include "ZOVABlueprintFunctionLibrary.h"

namespace ZOVAJsonToArrayPinNames
{
	static const FName InJsonPinName(TEXT("In Json"));
	static const FName SuccessPinName(TEXT("Success"));
	static const FName StringArrayPinName(TEXT("String Array"));
	// Parameters of UZOVABlueprintFunctionLibrary::OnJsonToArray.
	static const FName InJsonParameterName(TEXT("InJson"));
	static const FName OutValueParameterName(TEXT("OutValue"));
}

#define LOCTEXT_NAMESPACE "ZOVA_Json"

/////////////////////////////////////////////////////
// UZOVAK2Node_JsonToArray

void UZOVAK2Node_JsonToArray::AllocateDefaultPins()
{
	CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_String, ZOVAJsonToArrayPinNames::InJsonPinName);
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Boolean, ZOVAJsonToArrayPinNames::SuccessPinName);

	FCreatePinParams ArrayParams;
	ArrayParams.ContainerType = EPinContainerType::Array;
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_String, ZOVAJsonToArrayPinNames::StringArrayPinName, ArrayParams);
}

FText UZOVAK2Node_JsonToArray::GetNodeTitle(ENodeTitleType::Type TitleType) const
{
	return LOCTEXT("Json To Array", "Json To Array");
}

FText UZOVAK2Node_JsonToArray::GetTooltipText() const
{
	return LOCTEXT("Parse Json To Array String", "Parse Json To Array String");
}

void UZOVAK2Node_JsonToArray::GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const
{
	UClass* const ActionKey = GetClass();
	if (ActionRegistrar.IsOpenForRegistration(ActionKey))
	{
		UBlueprintNodeSpawner* const NodeSpawner = UBlueprintNodeSpawner::Create(GetClass());
		check(NodeSpawner != nullptr);
		ActionRegistrar.AddBlueprintAction(ActionKey, NodeSpawner);
	}
}

FText UZOVAK2Node_JsonToArray::GetMenuCategory() const
{
	return FText::FromString(TEXT("ZOVA Http Json"));
}

void UZOVAK2Node_JsonToArray::ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph)
{
	Super::ExpandNode(CompilerContext, SourceGraph);

	UK2Node_CallFunction* const CallNode = CompilerContext.SpawnIntermediateNode<UK2Node_CallFunction>(this, SourceGraph);
	CallNode->FunctionReference.SetExternalMember(GET_FUNCTION_NAME_CHECKED(UZOVABlueprintFunctionLibrary, OnJsonToArray), UZOVABlueprintFunctionLibrary::StaticClass());
	CallNode->AllocateDefaultPins();

	CompilerContext.MovePinLinksToIntermediate(*GetInJsonPin(), *CallNode->FindPinChecked(ZOVAJsonToArrayPinNames::InJsonParameterName));
	CompilerContext.MovePinLinksToIntermediate(*GetSuccessPin(), *CallNode->FindPinChecked(UEdGraphSchema_K2::PN_ReturnValue));
	CompilerContext.MovePinLinksToIntermediate(*GetStringArrayPin(), *CallNode->FindPinChecked(ZOVAJsonToArrayPinNames::OutValueParameterName));

	BreakAllNodeLinks();
}

UEdGraphPin* UZOVAK2Node_JsonToArray::GetInJsonPin() const
{
	UEdGraphPin* const Pin = FindPinChecked(ZOVAJsonToArrayPinNames::InJsonPinName);
	check(Pin->Direction == EGPD_Input);
	return Pin;
}

UEdGraphPin* UZOVAK2Node_JsonToArray::GetSuccessPin() const
{
	UEdGraphPin* const Pin = FindPinChecked(ZOVAJsonToArrayPinNames::SuccessPinName);
	check(Pin->Direction == EGPD_Output);
	return Pin;
}

UEdGraphPin* UZOVAK2Node_JsonToArray::GetStringArrayPin() const
{
	UEdGraphPin* const Pin = FindPinChecked(ZOVAJsonToArrayPinNames::StringArrayPinName);
	check(Pin->Direction == EGPD_Output);
	return Pin;
}

#undef LOCTEXT_NAMESPACE
