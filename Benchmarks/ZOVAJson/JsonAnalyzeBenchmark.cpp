// OnJsonAnalyze on a 1 MB document with 10 keys, beside a plain RapidJSON parse of the same
// UTF-16 text in the same run. Target: OnJsonAnalyze costs at most 3x the plain parse.

#include "CoreUObject.h"
#include "MegabyteJsonDocument.h"
#include "ZOVABlueprintFunctionLibrary.h"

namespace
{
	const TArray<FString>& Keys()
	{
		static const TArray<FString> Result = {TEXT("key0"), TEXT("/key1/name"), TEXT("/key2/score"), TEXT("/key3/tags/2"), TEXT("key100"),
			TEXT("/key500/active"), TEXT("key1000"), TEXT("/key2000/tags"), TEXT("last"), TEXT("missing")};
		return Result;
	}

	void OnJsonAnalyze(benchmark::State& State)
	{
		TArray<FString> Values;
		for (auto _ : State)
		{
			benchmark::DoNotOptimize(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(MegabyteJsonDocument(), Keys(), Values));
		}
		SetDocumentBytesProcessed(State);
	}
}

BENCHMARK(PlainRapidJsonParse)->Unit(benchmark::kMillisecond);
BENCHMARK(OnJsonAnalyze)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
