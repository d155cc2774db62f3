// Reading 1 MB of JSON into an FJsonObject and looking up 10 keys, beside a plain RapidJSON DOM parse
// of the same UTF-16 text in the same run. Target: at most 5x the plain parse, the ratio of the
// RapidJSON-based reader that the engine-faithful one replaced.

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "MegabyteJsonDocument.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

namespace
{
	const TCHAR* const Keys[] = {TEXT("key0"), TEXT("key1"), TEXT("key17"), TEXT("key100"), TEXT("key999"), TEXT("key2500"), TEXT("key5000"), TEXT("KEY7000"), TEXT("last"), TEXT("missing")};

	void DeserializeObjectAndLookUpKeys(benchmark::State& State)
	{
		for (auto _ : State)
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
		SetDocumentBytesProcessed(State);
	}

	void DeserializeNumbersAsStrings(benchmark::State& State)
	{
		for (auto _ : State)
		{
			TSharedPtr<FJsonValue> Value;
			benchmark::DoNotOptimize(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(MegabyteJsonDocument()), Value, FJsonSerializer::EFlags::StoreNumbersAsStrings));
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

BENCHMARK(PlainRapidJsonParse)->Unit(benchmark::kMillisecond);
BENCHMARK(DeserializeObjectAndLookUpKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(DeserializeNumbersAsStrings)->Unit(benchmark::kMillisecond);
BENCHMARK(SerializeCondensed)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
