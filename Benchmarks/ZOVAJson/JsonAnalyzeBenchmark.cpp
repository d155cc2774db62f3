// OnJsonAnalyze on a 1 MB document with 10 keys, beside a plain RapidJSON parse of the same
// UTF-16 text in the same run. Target: OnJsonAnalyze costs at most 3x the plain parse.

#include "CoreUObject.h"
#include "ZOVABlueprintFunctionLibrary.h"

#include <benchmark/benchmark.h>
#include <rapidjson/document.h>

namespace
{
	/** About 1 MB of JSON: many members of mixed kinds, nested objects and arrays. */
	const FString& Document()
	{
		static const FString Text = []()
		{
			FString Result = TEXT("{");
			int32 Index = 0;
			while (Result.Len() < 1024 * 1024)
			{
				Result += FString::Printf(TEXT("\"key%d\":{\"name\":\"用户 %d\",\"score\":%d.25,\"tags\":[\"a\",\"b\",%d],\"active\":true},"), Index, Index, Index, Index);
				++Index;
			}
			Result += TEXT("\"last\":null}");
			return Result;
		}();
		return Text;
	}

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
			benchmark::DoNotOptimize(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Document(), Keys(), Values));
		}
		State.SetBytesProcessed(int64(State.iterations()) * Document().Len() * sizeof(TCHAR));
	}

	void PlainRapidJsonParse(benchmark::State& State)
	{
		typedef rapidjson::UTF16<char16_t> FEncoding;
		for (auto _ : State)
		{
			rapidjson::GenericDocument<FEncoding> Parsed;
			rapidjson::GenericStringStream<FEncoding> Stream(*Document());
			Parsed.ParseStream<rapidjson::kParseDefaultFlags, FEncoding>(Stream);
			benchmark::DoNotOptimize(Parsed.HasParseError());
		}
		State.SetBytesProcessed(int64(State.iterations()) * Document().Len() * sizeof(TCHAR));
	}
}

BENCHMARK(PlainRapidJsonParse)->Unit(benchmark::kMillisecond);
BENCHMARK(OnJsonAnalyze)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
