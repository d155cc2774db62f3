// OnJsonAnalyze on a 1 MB document with 10 keys, beside two baselines over the same UTF-16 text in
// the same run: a plain RapidJSON parse (target: OnJsonAnalyze costs at most 3x), and one host
// FJsonSerializer::Deserialize with the flags the library parses with, so that the ratio is the
// library's own overhead: its check of the text, key lookups and value texts (target: at most 1.05x).

#include "BenchmarkPair.h"
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

	void AnalyzeDocument()
	{
		TArray<FString> Values;
		benchmark::DoNotOptimize(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(MegabyteJsonDocument(), Keys(), Values));
	}

	void DeserializeDocument()
	{
		TSharedPtr<FJsonValue> Root;
		benchmark::DoNotOptimize(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(MegabyteJsonDocument()), Root, FJsonSerializer::EFlags::StoreNumbersAsStrings));
	}

	const FBenchmarkPairRegistration AnalyzeOverRapidJson({.Name = "OnJsonAnalyze_vs_PlainRapidJsonParse", .Measured = &AnalyzeDocument, .Baseline = &ParseWithPlainRapidJson});
	const FBenchmarkPairRegistration AnalyzeOverDeserialize({.Name = "OnJsonAnalyze_vs_HostDeserialize", .Measured = &AnalyzeDocument, .Baseline = &DeserializeDocument});
}

BENCHMARK_MAIN();
