// Copyright ZOVA. All Rights Reserved.

#include "ZOVATestBlueprint.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "BlueprintActionDatabase.h"
#include "BlueprintNodeSpawner.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Engine/Blueprint.h"
#include "Engine/BlueprintGeneratedClass.h"
#include "K2Node_FunctionEntry.h"
#include "K2Node_FunctionResult.h"
#include "Kismet2/BlueprintEditorUtils.h"
#include "Kismet2/CompilerResultsLog.h"
#include "Kismet2/KismetEditorUtilities.h"
#include "UObject/Package.h"

namespace
{
	FEdGraphPinType MakePinType(FName Category, EPinContainerType ContainerType)
	{
		FEdGraphPinType PinType;
		PinType.PinCategory = Category;
		PinType.ContainerType = ContainerType;
		return PinType;
	}
}

UEdGraphPin* FZOVATestBlueprint::FFunction::AddInput(const TCHAR* Name, FName Category) const
{
	return Entry->CreateUserDefinedPin(FName(Name), MakePinType(Category, EPinContainerType::None), EGPD_Output);
}

UEdGraphPin* FZOVATestBlueprint::FFunction::AddOutput(const TCHAR* Name, FName Category, EPinContainerType ContainerType) const
{
	return Result->CreateUserDefinedPin(FName(Name), MakePinType(Category, ContainerType), EGPD_Input);
}

FZOVATestBlueprint::FZOVATestBlueprint(FAutomationTestBase& InTest)
	: Test(InTest)
{
	const FName Name = MakeUniqueObjectName(GetTransientPackage(), UBlueprint::StaticClass(), FName(TEXT("ZOVAJsonNodeTest")));
	Blueprint = FKismetEditorUtilities::CreateBlueprint(UObject::StaticClass(), GetTransientPackage(), Name, BPTYPE_Normal, UBlueprint::StaticClass(), UBlueprintGeneratedClass::StaticClass());
}

FZOVATestBlueprint::~FZOVATestBlueprint()
{
	// A new Blueprint is standalone, as an asset is; without the flag the next collection takes it.
	Blueprint->ClearFlags(RF_Standalone);
}

FZOVATestBlueprint::FFunction FZOVATestBlueprint::AddFunction(const TCHAR* FunctionName)
{
	FFunction Function;
	Function.Graph = FBlueprintEditorUtils::CreateNewGraph(Blueprint, FName(FunctionName), UEdGraph::StaticClass(), UEdGraphSchema_K2::StaticClass());
	FBlueprintEditorUtils::AddFunctionGraph<UClass>(Blueprint, Function.Graph, true, nullptr);
	TArray<UK2Node_FunctionEntry*> Entries;
	Function.Graph->GetNodesOfClass(Entries);
	Test.TestEqual(TEXT("Entry nodes of a new function"), Entries.Num(), 1);
	Function.Entry = Entries.IsEmpty() ? nullptr : Entries[0];

	FGraphNodeCreator<UK2Node_FunctionResult> ResultCreator(*Function.Graph);
	Function.Result = ResultCreator.CreateNode();
	Function.Result->NodePosX = 400;
	ResultCreator.Finalize();
	if (Function.Entry)
	{
		Link(Function.Entry->FindPin(UEdGraphSchema_K2::PN_Then), Function.Result->FindPin(UEdGraphSchema_K2::PN_Execute));
	}
	return Function;
}

UEdGraphNode* FZOVATestBlueprint::SpawnNode(UEdGraph* Graph, UClass* NodeClass)
{
	const FBlueprintActionDatabase::FActionList* const Actions = FBlueprintActionDatabase::Get().GetAllActions().Find(NodeClass);
	if (!Actions || Actions->Num() != 1)
	{
		Test.AddError(FString::Printf(TEXT("The action menu has no single entry for %s"), *NodeClass->GetName()));
		return nullptr;
	}
	UEdGraphNode* const Node = (*Actions)[0]->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(200.0, 0.0));
	Test.TestNotNull(*FString::Printf(TEXT("A node placed from the entry for %s"), *NodeClass->GetName()), Node);
	return Node;
}

bool FZOVATestBlueprint::Link(UEdGraphPin* PinA, UEdGraphPin* PinB)
{
	if (!PinA || !PinB)
	{
		Test.AddError(TEXT("A pin to link is missing"));
		return false;
	}
	return Test.TestTrue(*FString::Printf(TEXT("Linking %s and %s"), *PinA->GetName(), *PinB->GetName()), GetDefault<UEdGraphSchema_K2>()->TryCreateConnection(PinA, PinB));
}

bool FZOVATestBlueprint::Compile()
{
	FCompilerResultsLog Results;
	FKismetEditorUtilities::CompileBlueprint(Blueprint, EBlueprintCompileOptions::None, &Results);
	if (Results.NumErrors == 0 && Blueprint->Status == BS_UpToDate)
	{
		return true;
	}
	FString Messages;
	for (const TSharedRef<FTokenizedMessage>& Message : Results.Messages)
	{
		Messages += TEXT("\n") + Message->ToText().ToString();
	}
	Test.AddError(TEXT("The Blueprint did not compile:") + Messages);
	return false;
}

bool FZOVATestBlueprint::Call(const TCHAR* FunctionName, void* Parms, int32 ParmsSize)
{
	UClass* const GeneratedClass = Blueprint->GeneratedClass;
	UFunction* const Function = GeneratedClass ? GeneratedClass->FindFunctionByName(FName(FunctionName)) : nullptr;
	if (!Test.TestNotNull(*FString::Printf(TEXT("Function %s"), FunctionName), Function))
	{
		return false;
	}
	// The parameters must fit in what the caller passes; their order shows in the values read back.
	if (!Test.TestTrue(*FString::Printf(TEXT("Parameters of %s fit"), FunctionName), Function->ParmsSize <= ParmsSize))
	{
		return false;
	}
	NewObject<UObject>(GetTransientPackage(), GeneratedClass)->ProcessEvent(Function, Parms);
	return true;
}

#endif
