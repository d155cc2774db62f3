#pragma once

// The document the JSON benchmarks read, and the plain RapidJSON parse of it that they are measured
// against in the same run.

#include "CoreMinimal.h"

#include <benchmark/benchmark.h>
#include <rapidjson/document.h>

/** About 1 MB of JSON: many members of mixed kinds, with nested objects and arrays. */
inline const FString& MegabyteJsonDocument()
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

/** Reports the document's bytes for every iteration, so that results read as throughput too. */
inline void SetDocumentBytesProcessed(benchmark::State& State)
{
	State.SetBytesProcessed(int64(State.iterations()) * MegabyteJsonDocument().Len() * sizeof(TCHAR));
}

/** The baseline: one RapidJSON DOM parse of the same UTF-16 text. */
inline void ParseWithPlainRapidJson()
{
	typedef rapidjson::UTF16<TCHAR> FEncoding;
	rapidjson::GenericDocument<FEncoding> Parsed;
	rapidjson::GenericStringStream<FEncoding> Stream(*MegabyteJsonDocument());
	Parsed.ParseStream<rapidjson::kParseDefaultFlags, FEncoding>(Stream);
	benchmark::DoNotOptimize(Parsed.HasParseError());
}
