// Reading 1 MB of JSON into an FJsonObject and looking up 10 keys, beside a plain RapidJSON DOM parse
// of the same UTF-16 text in the same run. Target: at most 3x the plain parse.

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <benchmark/benchmark.h>
#include <rapidjson/document.h>

namespace
{
	/** About 1 MB of JSON: many members of mixed kinds, with nested objects and arrays. */
	const FString& Document()
	{
		static const FString Text = []()
		{
			FString Result = TEXT("{");
			int32 Index = 0;
			while (Result.Len() < 1024 * 1024)
			{
				Result += FString::Printf(TEXT("\"key%d\":{\"name\":\"用户 %d\",\"score\":%d.25,\"tags\":[\"a\",\"b\",%d],\"active\":true,\"note\":null},"), Index, Index, Index, Index);
				++Index;
			}
			Result += TEXT("\"last\":\"end\"}");
			return Result;
		}();
		return Text;
	}

	const TCHAR* const Keys[] = {TEXT("key0"), TEXT("key1"), TEXT("key17"), TEXT("key100"), TEXT("key999"), TEXT("key2500"), TEXT("key5000"), TEXT("KEY7000"), TEXT("last"), TEXT("missing")};

	void SetBytes(benchmark::State& State)
	{
		State.SetBytesProcessed(int64(State.iterations()) * Document().Len() * sizeof(TCHAR));
	}

	void PlainRapidJsonDomParse(benchmark::State& State)
	{
		typedef rapidjson::UTF16<TCHAR> FEncoding;
		for (auto _ : State)
		{
			rapidjson::GenericDocument<FEncoding> Parsed;
			rapidjson::GenericStringStream<FEncoding> Stream(*Document());
			Parsed.ParseStream<rapidjson::kParseDefaultFlags, FEncoding>(Stream);
			benchmark::DoNotOptimize(Parsed.HasParseError());
		}
		SetBytes(State);
	}

	void DeserializeObjectAndLookUpKeys(benchmark::State& State)
	{
		for (auto _ : State)
		{
			TSharedPtr<FJsonObject> Object;
			const bool bRead = FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Document()), Object);
			int32 Found = 0;
			for (const TCHAR* Key : Keys)
			{
				Found += bRead && Object->TryGetField(Key).IsValid();
			}
			benchmark::DoNotOptimize(Found);
		}
		SetBytes(State);
	}

	void DeserializeNumbersAsStrings(benchmark::State& State)
	{
		for (auto _ : State)
		{
			TSharedPtr<FJsonValue> Value;
			benchmark::DoNotOptimize(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Document()), Value, FJsonSerializer::EFlags::StoreNumbersAsStrings));
		}
		SetBytes(State);
	}

	void SerializeCondensed(benchmark::State& State)
	{
		TSharedPtr<FJsonObject> Object;
		FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Document()), Object);
		for (auto _ : State)
		{
			FString Text;
			benchmark::DoNotOptimize(FJsonSerializer::Serialize(Object.ToSharedRef(), TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>::Create(&Text)));
		}
		SetBytes(State);
	}
}

BENCHMARK(PlainRapidJsonDomParse)->Unit(benchmark::kMillisecond);
BENCHMARK(DeserializeObjectAndLookUpKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(DeserializeNumbersAsStrings)->Unit(benchmark::kMillisecond);
BENCHMARK(SerializeCondensed)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
