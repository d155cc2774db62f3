#pragma once

#include "CoreMinimal.h"
#include "Containers/StringView.h"

#include <charconv>
#include <cmath>

/**
 * How a JSON writer puts out text. Host engine: the output is the writer's character buffer rather
 * than an archive.
 */
template <class CharType>
struct TJsonPrintPolicy
{
	static void WriteChar(TArray<CharType>* Stream, CharType Char)
	{
		Stream->Add(Char);
	}

	static void WriteString(TArray<CharType>* Stream, FStringView String)
	{
		Stream->Append(String.GetData(), String.Len());
	}

	/** Whole numbers without a fraction; anything else with the fewest digits that read back the same value. */
	static void WriteDouble(TArray<CharType>* Stream, double Value)
	{
		char Digits[32];
		const bool bWholeNumber = std::trunc(Value) == Value && std::fabs(Value) < 1e17;
		const std::to_chars_result Result = bWholeNumber
			? std::to_chars(Digits, Digits + sizeof(Digits), (long long)Value)
			: std::to_chars(Digits, Digits + sizeof(Digits), Value);
		for (const char* Digit = Digits; Digit != Result.ptr; ++Digit)
		{
			Stream->Add(CharType(*Digit));
		}
	}
};
