// Reading 1 MB of JSON into an FJsonObject and looking up 10 keys, beside a plain RapidJSON DOM parse
// of the same UTF-16 text in the same run (target: at most 2.5x the plain parse), and the allocations
// that reading makes per JSON value.

#include "BenchmarkPair.h"
#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "MegabyteJsonDocument.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "ScopedMallocTracker.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <vector>

namespace
{
	const TCHAR* const Keys[] = {TEXT("key0"), TEXT("key1"), TEXT("key17"), TEXT("key100"), TEXT("key999"), TEXT("key2500"), TEXT("key5000"), TEXT("KEY7000"), TEXT("last"), TEXT("missing")};

	void DeserializeObjectAndLookUpKeys()
	{
		TSharedPtr<FJsonObject> Object;
		const bool bRead = FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(MegabyteJsonDocument()), Object);
		int32 Found = 0;
		for (const TCHAR* Key : Keys)
		{
			Found += bRead && Object->TryGetField(Key).IsValid();
		}
		benchmark::DoNotOptimize(Found);
	}

	const FBenchmarkPairRegistration DeserializeOverRapidJson({.Name = "DeserializeObjectAndLookUpKeys_vs_PlainRapidJsonParse", .Measured = &DeserializeObjectAndLookUpKeys, .Baseline = &ParseWithPlainRapidJson});

	/** The JSON values in a tree: the root, every member and element, scalars and containers alike. */
	int64 CountValues(const FJsonObject& Root)
	{
		int64 Count = 1;
		std::vector<TSharedPtr<FJsonValue>> Pending;
		for (const TPair<FString, TSharedPtr<FJsonValue>>& Member : Root.Values)
		{
			Pending.push_back(Member.Value);
		}
		while (!Pending.empty())
		{
			const TSharedPtr<FJsonValue> Value = Pending.back();
			Pending.pop_back();
			++Count;
			if (Value->Type == EJson::Array)
			{
				Pending.insert(Pending.end(), Value->AsArray().begin(), Value->AsArray().end());
			}
			else if (Value->Type == EJson::Object)
			{
				for (const TPair<FString, TSharedPtr<FJsonValue>>& Member : Value->AsObject()->Values)
				{
					Pending.push_back(Member.Value);
				}
			}
		}
		return Count;
	}

	/** Heap blocks that reading the document takes (the reader's copy of the text included), per JSON value. */
	void DeserializeAllocationsPerValue(benchmark::State& State)
	{
		const FString& Document = MegabyteJsonDocument();
		int64 Values = 0;
		int64 Allocations = 0;
		for (auto _ : State)
		{
			TSharedPtr<FJsonObject> Object;
			{
				const FScopedMallocTracker Tracker;
				FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Document), Object);
				Allocations = Tracker.NumAllocations();
			}
			Values = CountValues(*Object);
		}
		State.counters["AllocationsPerValue"] = double(Allocations) / double(Values);
		State.counters["Values"] = double(Values);
	}

	void DeserializeNumbersAsStrings(benchmark::State& State)
	{
		const FString& Document = MegabyteJsonDocument();
		for (auto _ : State)
		{
			TSharedPtr<FJsonValue> Value;
			benchmark::DoNotOptimize(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Document), Value, FJsonSerializer::EFlags::StoreNumbersAsStrings));
		}
		SetDocumentBytesProcessed(State);
	}

	void SerializeCondensed(benchmark::State& State)
	{
		TSharedPtr<FJsonObject> Object;
		FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(MegabyteJsonDocument()), Object);
		for (auto _ : State)
		{
			FString Text;
			benchmark::DoNotOptimize(FJsonSerializer::Serialize(Object.ToSharedRef(), TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>::Create(&Text)));
		}
		SetDocumentBytesProcessed(State);
	}
}

BENCHMARK(DeserializeAllocationsPerValue)->Unit(benchmark::kMillisecond);
BENCHMARK(DeserializeNumbersAsStrings)->Unit(benchmark::kMillisecond);
BENCHMARK(SerializeCondensed)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
