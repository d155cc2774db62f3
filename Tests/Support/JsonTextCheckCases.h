#pragma once

// JSON texts that the plug-ins must keep from the engine's reader, or let through, for the tests of
// both plug-ins: each has its own check, and both must read these texts alike, as the engine's
// tokenizer reads them (UE 5.4 and 5.8, Json/Public/Serialization/JsonReader.h).

#include "CoreMinimal.h"

namespace JsonTextCheckCases
{
	/** The documented limit: 512 levels still parse, 513 do not. */
	constexpr int32 Limit = 512;

	/** Depth arrays, each the only element of the one around it: "[[[]]]" for 3. */
	inline FString NestedArrays(int32 Depth)
	{
		return FString::ChrN(Depth, '[') + FString::ChrN(Depth, ']');
	}

	/** Text repeated Count times. */
	inline FString Repeat(const FString& Text, int32 Count)
	{
		FString Result;
		Result.Reserve(Text.Len() * Count);
		for (int32 Index = 0; Index < Count; ++Index)
		{
			Result += Text;
		}
		return Result;
	}

	struct FCase
	{
		const char* Name;
		FString Text;
		bool bRefused;
	};

	inline TArray<FCase> Cases()
	{
		const FString Deep = FString::ChrN(1000, '[') + FString::ChrN(1000, '{');
		TArray<FCase> Result = {
			{"empty text", TEXT(""), false},
			{"flat object", TEXT("{\"a\":[1,{}]}"), false},
			{"at the limit", NestedArrays(Limit), false},
			{"one past the limit", NestedArrays(Limit + 1), true},
			{"a hundred thousand levels", NestedArrays(100000), true},
			{"objects and arrays count together, at the limit", Repeat(TEXT("{\"a\":["), Limit / 2) + Repeat(TEXT("]}"), Limit / 2), false},
			{"objects and arrays count together, past it", Repeat(TEXT("{\"a\":["), Limit / 2) + TEXT("{}") + Repeat(TEXT("]}"), Limit / 2), true},
			{"the deepest point counts, not the sum", Repeat(NestedArrays(Limit - 100), 10), false},
			{"brackets inside a string", TEXT("[\"") + Deep + TEXT("\"]"), false},
			{"brackets inside a member name", TEXT("{\"") + Deep + TEXT("\":1}"), false},
			{"an escaped quote keeps the string open", TEXT("[\"\\\"") + Deep + TEXT("\"]"), false},
			{"an escaped backslash leaves the quote to end the string", TEXT("[\"\\\\\",") + NestedArrays(Limit) + TEXT("]"), true},
			{"raw control characters stay inside the string", TEXT("[\"\n\t\x01") + Deep + TEXT("\"]"), false},
			{"a string that never ends", TEXT("[\"") + Deep, true},
			{"a backslash at the very end", TEXT("{\"a\":\"x\\"), true},
			{"single quotes do not make a string", TEXT("['") + NestedArrays(Limit) + TEXT("']"), true},
			{"a closer with nothing open", TEXT("{}]"), true},
			{"an array closed as an object", TEXT("{\"a\":[1,}}"), true},
			{"an object closed as an array", TEXT("[{\"a\":1]]"), true},
			{"mismatched closers a hundred thousand deep", FString::ChrN(100000, '[') + FString::ChrN(100000, '}'), true},
			{"opened and never closed", FString::ChrN(Limit + 1, '{'), true},
			{"opened and never closed, within the limit", FString::ChrN(Limit, '{'), false},
			{"lenient text the engine reads sanely", TEXT("{\"a\":TRUE,\"b\":[1,2,],\"c\":}"), false},
		};
		// Strings are scanned several characters at a time: put the escape, the closing quote and the
		// text's end at every position within a group.
		for (int32 Offset = 0; Offset < 9; ++Offset)
		{
			const FString Lead = FString::ChrN(Offset, 'x');
			Result.Add({"an escaped quote anywhere in a long string", TEXT("[\"") + Lead + TEXT("\\\"") + Deep + TEXT("\"]"), false});
			Result.Add({"a long string's closing quote ends it", TEXT("[\"") + Lead + TEXT("\",") + NestedArrays(Limit) + TEXT("]"), true});
			Result.Add({"a long string that never ends", TEXT("[\"") + Lead + TEXT("\\\\") + Lead, true});
		}
		return Result;
	}
}
