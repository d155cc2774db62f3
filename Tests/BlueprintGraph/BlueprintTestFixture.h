#pragma once

#include "CoreUObject.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Engine/Blueprint.h"
#include "HostGraphEvaluator.h"
#include "K2Node_HostValueSource.h"
#include "KismetCompiler.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

/**
 * A Blueprint with one Blueprint event graph, as the editor makes it, and the steps tests take on it:
 * place nodes, link pins through the schema, compile, evaluate pins.
 */
class FBlueprintTest : public testing::Test
{
protected:
	void SetUp() override
	{
		static int32 PackageCount = 0;
		Package = CreatePackage(*FString::Printf(TEXT("/Temp/BlueprintTest_%d"), ++PackageCount));
		Package->AddToRoot();
		Blueprint = NewObject<UBlueprint>(Package, FName(TEXT("TestBlueprint")));
		Graph = NewObject<UEdGraph>(Blueprint, FName(TEXT("EventGraph")));
		Graph->Schema = UEdGraphSchema_K2::StaticClass();
		Blueprint->UbergraphPages.Add(Graph);
	}

	void TearDown() override
	{
		Evaluator.reset();
		Compiler.reset();
		Package->RemoveFromRoot();
		CollectGarbage();
	}

	/** Places a node as a spawner does: Setup runs before the pins are allocated. */
	template <typename NodeType>
	NodeType* AddNode(const std::function<void(NodeType*)>& Setup = nullptr, UEdGraph* InGraph = nullptr)
	{
		UEdGraph* const TargetGraph = InGraph ? InGraph : Graph;
		NodeType* const Node = NewObject<NodeType>(TargetGraph);
		Node->CreateNewGuid();
		if (Setup)
		{
			Setup(Node);
		}
		Node->AllocateDefaultPins();
		TargetGraph->AddNode(Node);
		return Node;
	}

	UK2Node_HostValueSource* AddSource(FName Category, const FString& Value)
	{
		return AddNode<UK2Node_HostValueSource>([&](UK2Node_HostValueSource* Node) { Node->SetValue(Category, Value); });
	}

	UK2Node_HostValueSource* AddArraySource(FName Category, const TArray<FString>& Values)
	{
		return AddNode<UK2Node_HostValueSource>([&](UK2Node_HostValueSource* Node) { Node->SetArrayValue(Category, Values); });
	}

	/** Links two pins as the author does, through the schema. */
	void Link(UEdGraphPin* A, UEdGraphPin* B)
	{
		ASSERT_TRUE(A && B);
		ASSERT_TRUE(GetDefault<UEdGraphSchema_K2>()->TryCreateConnection(A, B)) << "linking " << TCHAR_TO_UTF8(*A->GetName()) << " and " << TCHAR_TO_UTF8(*B->GetName());
	}

	/** Compiles the Blueprint; the compiled graph lives until the test ends or Compile runs again. */
	FKismetCompilerContext& Compile()
	{
		Evaluator.reset();
		Compiler.reset();
		Results = std::make_unique<FCompilerResultsLog>();
		Compiler = std::make_unique<FKismetCompilerContext>(Blueprint, *Results, FKismetCompilerOptions());
		Compiler->CompileFunctions(EInternalCompilerFlags::None);
		return *Compiler;
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

	/** The value the pin carries in the last compiled graph; a failure is reported to the test. */
	TSharedPtr<const FHostPinValue> Evaluate(const UEdGraphPin* Pin)
	{
		if (!Evaluator)
		{
			Evaluator = std::make_unique<FHostGraphEvaluator>(*Compiler);
		}
		FString Error;
		TSharedPtr<const FHostPinValue> Value = Evaluator->EvaluatePin(Pin, Error);
		EXPECT_TRUE(Value.IsValid()) << TCHAR_TO_UTF8(*Error);
		return Value;
	}

	/** The nodes of the compiled graph that are of the class. */
	template <typename NodeType>
	TArray<NodeType*> GetCompiledNodes() const
	{
		TArray<NodeType*> Result;
		for (UEdGraphNode* Node : Compiler->ConsolidatedEventGraph->Nodes)
		{
			if (NodeType* const Typed = Cast<NodeType>(Node))
			{
				Result.Add(Typed);
			}
		}
		return Result;
	}

	UPackage* Package = nullptr;
	UBlueprint* Blueprint = nullptr;
	UEdGraph* Graph = nullptr;
	std::unique_ptr<FCompilerResultsLog> Results;
	std::unique_ptr<FKismetCompilerContext> Compiler;
	std::unique_ptr<FHostGraphEvaluator> Evaluator;
};
