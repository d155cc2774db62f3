#pragma once

#include "CoreUObject.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Engine/Blueprint.h"
#include "Engine/BlueprintGeneratedClass.h"
#include "K2Node_FunctionEntry.h"
#include "K2Node_FunctionResult.h"
#include "Kismet2/BlueprintEditorUtils.h"
#include "Kismet2/CompilerResultsLog.h"
#include "Kismet2/KismetEditorUtilities.h"

#include <gtest/gtest.h>

/**
 * A Blueprint made as the editor makes one, with function graphs added and compiled as an author
 * (or an automation test in the engine) adds and compiles them; its functions are called through
 * ProcessEvent on an instance of the generated class.
 */
class FFunctionGraphTest : public testing::Test
{
protected:
	/** One function graph: its entry node (inputs) and its return node (outputs). */
	struct FFunctionGraph
	{
		UEdGraph* Graph = nullptr;
		UK2Node_FunctionEntry* Entry = nullptr;
		UK2Node_FunctionResult* Result = nullptr;
	};

	void SetUp() override
	{
		const FName Name = MakeUniqueObjectName(GetTransientPackage(), UBlueprint::StaticClass(), FName(TEXT("FunctionGraphTest")));
		Blueprint = FKismetEditorUtilities::CreateBlueprint(UObject::StaticClass(), GetTransientPackage(), Name, BPTYPE_Normal, UBlueprint::StaticClass(), UBlueprintGeneratedClass::StaticClass());
	}

	void TearDown() override
	{
		// A created Blueprint is standalone, as an asset is; the test lets it go.
		Blueprint->ClearFlags(RF_Standalone);
		Blueprint = nullptr;
		CollectGarbage();
	}

	/** A function graph with an entry and a return node, the return node's execution input wired to the entry. */
	FFunctionGraph AddFunction(const TCHAR* FunctionName)
	{
		FFunctionGraph Function;
		Function.Graph = FBlueprintEditorUtils::CreateNewGraph(Blueprint, FName(FunctionName), UEdGraph::StaticClass(), UEdGraphSchema_K2::StaticClass());
		FBlueprintEditorUtils::AddFunctionGraph<UClass>(Blueprint, Function.Graph, true, nullptr);
		TArray<UK2Node_FunctionEntry*> Entries;
		Function.Graph->GetNodesOfClass(Entries);
		EXPECT_EQ(Entries.Num(), 1);
		Function.Entry = Entries.IsEmpty() ? nullptr : Entries[0];

		FGraphNodeCreator<UK2Node_FunctionResult> ResultCreator(*Function.Graph);
		Function.Result = ResultCreator.CreateNode();
		Function.Result->NodePosX = 400;
		ResultCreator.Finalize();
		Link(Function.Entry->FindPin(UEdGraphSchema_K2::PN_Then), Function.Result->FindPin(UEdGraphSchema_K2::PN_Execute));
		return Function;
	}

	static FEdGraphPinType PinType(FName Category)
	{
		FEdGraphPinType Type;
		Type.PinCategory = Category;
		return Type;
	}

	/** Links two pins through the schema, as the author does. */
	static void Link(UEdGraphPin* A, UEdGraphPin* B)
	{
		ASSERT_TRUE(A && B);
		ASSERT_TRUE(GetDefault<UEdGraphSchema_K2>()->TryCreateConnection(A, B)) << "linking " << TCHAR_TO_UTF8(*A->GetName()) << " and " << TCHAR_TO_UTF8(*B->GetName());
	}

	/** Compiles the Blueprint into a fresh log. */
	void Compile()
	{
		Results = MakeUnique<FCompilerResultsLog>();
		FKismetEditorUtilities::CompileBlueprint(Blueprint, EBlueprintCompileOptions::None, Results.Get());
	}

	/** All messages of the last compile, one per line. */
	FString GetCompilerMessages() const
	{
		FString Text;
		for (const TSharedRef<FTokenizedMessage>& Message : Results->Messages)
		{
			Text += Message->ToText().ToString() + TEXT("\n");
		}
		return Text;
	}

	/** The function of the generated class; the test fails when it is not there. */
	UFunction* FindFunction(const TCHAR* FunctionName) const
	{
		UClass* const GeneratedClass = Blueprint->GeneratedClass;
		UFunction* const Function = GeneratedClass ? GeneratedClass->FindFunctionByName(FName(FunctionName)) : nullptr;
		EXPECT_NE(Function, nullptr) << "no function " << TCHAR_TO_UTF8(FunctionName);
		return Function;
	}

	UBlueprint* Blueprint = nullptr;
	TUniquePtr<FCompilerResultsLog> Results;
};
