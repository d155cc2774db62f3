// Compile time of a Blueprint holding one "Json Analyze" node with 10, 100 and 1,000 keys, its "In Json"
// fed by a value node. Each key expands into an array element, a splitter output and a call of
// OnArrayOut. Target: the 1,000-key compile costs at most 150x the 10-key one (no quadratic growth).

#include "CoreUObject.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Engine/Blueprint.h"
#include "K2Node_HostValueSource.h"
#include "KismetCompiler.h"
#include "Modules/ModuleManager.h"
#include "ZOVAK2Node_Json.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace
{
	/** A Blueprint with one Json Analyze node holding NumKeys keys. */
	UBlueprint* MakeAnalyzeBlueprint(int32 NumKeys)
	{
		// The benchmark library runs a benchmark several times while it sizes the runs.
		static int32 NumBlueprints = 0;
		UPackage* const Package = CreatePackage(*FString::Printf(TEXT("/Temp/JsonAnalyzeCompile_%d"), ++NumBlueprints));
		// Rooted: the garbage collection between compiles must only take the compilers' copies.
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

	void CompileJsonAnalyze(benchmark::State& State)
	{
		UBlueprint* const Blueprint = MakeAnalyzeBlueprint((int32)State.range(0));
		for (auto _ : State)
		{
			FCompilerResultsLog Results;
			{
				FKismetCompilerContext Compiler(Blueprint, Results, FKismetCompilerOptions());
				Compiler.CompileFunctions(EInternalCompilerFlags::None);
			}
			State.PauseTiming();
			if (Blueprint->Status != BS_UpToDate)
			{
				State.SkipWithError("the Blueprint did not compile");
			}
			CollectGarbage();
			State.ResumeTiming();
		}
		Blueprint->RemoveFromRoot();
	}

	/** Shows each run as usual, and keeps its time per compile for the closing ratio. */
	class FRatioReporter : public benchmark::ConsoleReporter
	{
	public:
		virtual void ReportRuns(const std::vector<Run>& Runs) override
		{
			ConsoleReporter::ReportRuns(Runs);
			for (const Run& Result : Runs)
			{
				SecondsPerCompile[Result.run_name.args] = Result.GetAdjustedRealTime();
			}
		}

		std::map<std::string, double> SecondsPerCompile;
	};
}

BENCHMARK(CompileJsonAnalyze)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int ArgC, char** ArgV)
{
	benchmark::Initialize(&ArgC, ArgV);
	ProcessNewlyLoadedUObjects();
	FModuleManager::Get().LoadModuleChecked(TEXT("ZOVAJsonEditor"));
	FRatioReporter Reporter;
	benchmark::RunSpecifiedBenchmarks(&Reporter);
	const double TenKeys = Reporter.SecondsPerCompile["10"];
	const double ThousandKeys = Reporter.SecondsPerCompile["1000"];
	if (TenKeys > 0.0 && ThousandKeys > 0.0)
	{
		printf("Json Analyze compile: 1,000 keys cost %.1fx 10 keys (target at most 150x)\n", ThousandKeys / TenKeys);
	}
	benchmark::Shutdown();
	return 0;
}
