// OnJsonAnalyze on a 1 MB document with 10 keys, beside two baselines over the same UTF-16 text in
// the same run: a plain RapidJSON parse (target: OnJsonAnalyze costs at most 3x), and one host
// FJsonSerializer::Deserialize with the flags the library parses with, so that the ratio is the
// library's own overhead: its depth scan, key lookups and value text (target: at most 1.1x).

#include "CoreUObject.h"
#include "Dom/JsonValue.h"
#include "MegabyteJsonDocument.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
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
		const FString& Document = MegabyteJsonDocument();
		TArray<FString> Values;
		for (auto _ : State)
		{
			benchmark::DoNotOptimize(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Document, Keys(), Values));
		}
		SetDocumentBytesProcessed(State);
	}

	void HostDeserialize(benchmark::State& State)
	{
		const FString& Document = MegabyteJsonDocument();
		for (auto _ : State)
		{
			TSharedPtr<FJsonValue> Root;
			benchmark::DoNotOptimize(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Document), Root, FJsonSerializer::EFlags::StoreNumbersAsStrings));
		}
		SetDocumentBytesProcessed(State);
	}
}

BENCHMARK(PlainRapidJsonParse)->Unit(benchmark::kMillisecond);
BENCHMARK(HostDeserialize)->Unit(benchmark::kMillisecond);
BENCHMARK(OnJsonAnalyze)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
