// Compile time of a Blueprint holding one "Json Analyze" node with 1,000 keys, beside the same with 10
// keys, its "In Json" fed by a value node. Each key expands into an array element, a splitter output
// and a call of OnArrayOut. Target: the 1,000-key compile costs at most 150x the 10-key one (no quadratic growth).

#include "BenchmarkPair.h"
#include "CoreUObject.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Engine/Blueprint.h"
#include "K2Node_HostValueSource.h"
#include "KismetCompiler.h"
#include "Modules/ModuleManager.h"
#include "ZOVAK2Node_Json.h"

namespace
{
	/** A Blueprint with one Json Analyze node holding NumKeys keys, rooted for the whole run. */
	UBlueprint* MakeAnalyzeBlueprint(int32 NumKeys)
	{
		UPackage* const Package = CreatePackage(*FString::Printf(TEXT("/Temp/JsonAnalyzeCompile_%d"), NumKeys));
		UBlueprint* const Blueprint = NewObject<UBlueprint>(Package, FName(TEXT("Analyze")));
		Blueprint->AddToRoot();
		UEdGraph* const Graph = NewObject<UEdGraph>(Blueprint, FName(TEXT("EventGraph")));
		Graph->Schema = UEdGraphSchema_K2::StaticClass();
		Blueprint->UbergraphPages.Add(Graph);

		UK2Node_HostValueSource* const Source = NewObject<UK2Node_HostValueSource>(Graph, NAME_None, RF_Transactional);
		Source->SetValue(UEdGraphSchema_K2::PC_String, TEXT("{\"key0\":\"value\"}"));
		Source->AllocateDefaultPins();
		Graph->AddNode(Source);

		UZOVAK2Node_Json* const Analyze = NewObject<UZOVAK2Node_Json>(Graph, NAME_None, RF_Transactional);
		Analyze->AllocateDefaultPins();
		Graph->AddNode(Analyze);
		for (int32 Index = 0; Index < NumKeys; ++Index)
		{
			verify(Analyze->AddKeyPin(FString::Printf(TEXT("key%d"), Index), EGPD_Output));
		}
		verify(GetDefault<UEdGraphSchema_K2>()->TryCreateConnection(Source->GetValuePin(), Analyze->FindPinChecked(TEXT("In Json"), EGPD_Input)));
		return Blueprint;
	}

	/** One compile of the Blueprint; it stays rooted, so collecting garbage afterwards takes only the compiler's copy. */
	void Compile(UBlueprint* Blueprint)
	{
		FCompilerResultsLog Results;
		FKismetCompilerContext Compiler(Blueprint, Results, FKismetCompilerOptions());
		Compiler.CompileFunctions(EInternalCompilerFlags::None);
		check(Blueprint->Status == BS_UpToDate);
	}

	void CompileThousandKeys()
	{
		static UBlueprint* const Blueprint = MakeAnalyzeBlueprint(1000);
		Compile(Blueprint);
	}

	void CompileTenKeys()
	{
		static UBlueprint* const Blueprint = MakeAnalyzeBlueprint(10);
		Compile(Blueprint);
	}

	/** Frees the compiler's copy of the graph between compiles, outside the figures. */
	void CollectCompilerCopies()
	{
		CollectGarbage();
	}

	const FBenchmarkPairRegistration ThousandOverTenKeys({.Name = "CompileJsonAnalyze1000Keys_vs_10Keys", .Measured = &CompileThousandKeys, .Baseline = &CompileTenKeys, .Pairs = 31, .Tidy = &CollectCompilerCopies});
}

int main(int ArgC, char** ArgV)
{
	benchmark::Initialize(&ArgC, ArgV);
	if (benchmark::ReportUnrecognizedArguments(ArgC, ArgV))
	{
		return 1;
	}
	ProcessNewlyLoadedUObjects();
	FModuleManager::Get().LoadModuleChecked(TEXT("ZOVAJsonEditor"));
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	return 0;
}
