// Copyright ZOVA. All Rights Reserved.

#include "ZOVAK2Node_JsonArrayCreate.h"

#include "BlueprintActionDatabaseRegistrar.h"
#include "BlueprintNodeSpawner.h"
#include "EdGraph/EdGraph.h"
#include "ZOVAPinMap.h"
#include "EdGraphSchema_K2.h"
#include "K2Node_CallFunction.h"
#include "K2Node_MakeArray.h"
#include "Kismet2/BlueprintEditorUtils.h"
#include "KismetCompiler.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAGraphNodeArrayIn.h"

namespace ZOVAJsonArrayCreatePinNames
{
	static const FName SuccessPinName(TEXT("Success"));
	static const FName OutJsonPinName(TEXT("Out Json"));
	// Parameters of UZOVABlueprintFunctionLibrary::OnCreateJsonArray.
	static const FName InArrayParameterName(TEXT("InArray"));
	static const FName OutJsonParameterName(TEXT("OutJson"));
}

#define LOCTEXT_NAMESPACE "ZOVA_Json"

/////////////////////////////////////////////////////
// UZOVAK2Node_JsonArrayCreate

UZOVAK2Node_JsonArrayCreate::UZOVAK2Node_JsonArrayCreate(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, NumInputs(1)
{
}

void UZOVAK2Node_JsonArrayCreate::AllocateDefaultPins()
{
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Boolean, ZOVAJsonArrayCreatePinNames::SuccessPinName);
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_String, ZOVAJsonArrayCreatePinNames::OutJsonPinName);
	for (int32 Index = 0; Index < NumInputs; ++Index)
	{
		CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_String, GetInputPinName(Index));
	}
}

FText UZOVAK2Node_JsonArrayCreate::GetNodeTitle(ENodeTitleType::Type TitleType) const
{
	return LOCTEXT("Json Array Create", "Json Array Create");
}

FText UZOVAK2Node_JsonArrayCreate::GetTooltipText() const
{
	return LOCTEXT("Create Json Array String", "Create Json Array String");
}

TSharedPtr<SGraphNode> UZOVAK2Node_JsonArrayCreate::CreateVisualWidget()
{
	return SNew(SZOVAGraphNodeArrayIn, this);
}

bool UZOVAK2Node_JsonArrayCreate::AddInputPin()
{
	Modify();
	CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_String, GetInputPinName(NumInputs));
	++NumInputs;
	NotifyInputsChanged();
	return true;
}

bool UZOVAK2Node_JsonArrayCreate::RemoveInputPin()
{
	if (NumInputs <= 1)
	{
		return false;
	}

	Modify();
	UEdGraphPin* const LastPin = FindPin(GetInputPinName(NumInputs - 1), EGPD_Input);
	if (LastPin && RemovePin(LastPin))
	{
		--NumInputs;
	}
	NotifyInputsChanged();
	return true;
}

void UZOVAK2Node_JsonArrayCreate::GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const
{
	UClass* const ActionKey = GetClass();
	if (ActionRegistrar.IsOpenForRegistration(ActionKey))
	{
		UBlueprintNodeSpawner* const NodeSpawner = UBlueprintNodeSpawner::Create(GetClass());
		check(NodeSpawner != nullptr);
		ActionRegistrar.AddBlueprintAction(ActionKey, NodeSpawner);
	}
}

FText UZOVAK2Node_JsonArrayCreate::GetMenuCategory() const
{
	return FText::FromString(TEXT("ZOVA Http Json"));
}

void UZOVAK2Node_JsonArrayCreate::ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph)
{
	Super::ExpandNode(CompilerContext, SourceGraph);

	UK2Node_CallFunction* const CallNode = CompilerContext.SpawnIntermediateNode<UK2Node_CallFunction>(this, SourceGraph);
	CallNode->FunctionReference.SetExternalMember(GET_FUNCTION_NAME_CHECKED(UZOVABlueprintFunctionLibrary, OnCreateJsonArray), UZOVABlueprintFunctionLibrary::StaticClass());
	CallNode->AllocateDefaultPins();
	CompilerContext.MovePinLinksToIntermediate(*GetOutJsonPin(), *CallNode->FindPinChecked(ZOVAJsonArrayCreatePinNames::OutJsonParameterName));
	CompilerContext.MovePinLinksToIntermediate(*GetSuccessPin(), *CallNode->FindPinChecked(UEdGraphSchema_K2::PN_ReturnValue));

	// Element i of the array is input "[i]", wired or typed.
	UK2Node_MakeArray* const ArrayNode = CompilerContext.SpawnIntermediateNode<UK2Node_MakeArray>(this, SourceGraph);
	ArrayNode->AllocateDefaultPins();
	UEdGraphPin* const ArrayOutputPin = ArrayNode->GetOutputPin();
	ArrayOutputPin->MakeLinkTo(CallNode->FindPinChecked(ZOVAJsonArrayCreatePinNames::InArrayParameterName));
	ArrayNode->PinConnectionListChanged(ArrayOutputPin);
	for (int32 Index = 1; Index < NumInputs; ++Index)
	{
		ArrayNode->AddInputPin();
	}
	const TMap<FName, UEdGraphPin*> InputPins = ZOVAPinMap::MapPinsByName(*this, EGPD_Input);
	const TMap<FName, UEdGraphPin*> ElementPins = ZOVAPinMap::MapPinsByName(*ArrayNode, EGPD_Input);
	for (int32 Index = 0; Index < NumInputs; ++Index)
	{
		const FString ElementPinName = FString::Printf(TEXT("[%d]"), Index);
		CompilerContext.MovePinLinksToIntermediate(*ZOVAPinMap::FindPinChecked(InputPins, ElementPinName), *ZOVAPinMap::FindPinChecked(ElementPins, ElementPinName));
	}

	BreakAllNodeLinks();
}

UEdGraphPin* UZOVAK2Node_JsonArrayCreate::GetSuccessPin() const
{
	return FindPinChecked(ZOVAJsonArrayCreatePinNames::SuccessPinName, EGPD_Output);
}

UEdGraphPin* UZOVAK2Node_JsonArrayCreate::GetOutJsonPin() const
{
	return FindPinChecked(ZOVAJsonArrayCreatePinNames::OutJsonPinName, EGPD_Output);
}

FName UZOVAK2Node_JsonArrayCreate::GetInputPinName(int32 Index)
{
	return FName(*FString::Format(TEXT("[{0}]"), {Index}));
}

void UZOVAK2Node_JsonArrayCreate::NotifyInputsChanged()
{
	FBlueprintEditorUtils::MarkBlueprintAsModified(GetBlueprint());
	GetGraph()->NotifyGraphChanged();
}

#undef LOCTEXT_NAMESPACE
