#pragma once

#include "CoreMinimal.h"
#include "Containers/StringView.h"

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

	/** "%.17g": seventeen significant digits, enough for every double to read back the same; 0.1 is 0.10000000000000001. */
	static void WriteDouble(TArray<CharType>* Stream, double Value)
	{
		WriteString(Stream, FString::Printf(TEXT("%.17g"), Value));
	}

	/** "%g": six significant digits. */
	static void WriteFloat(TArray<CharType>* Stream, float Value)
	{
		WriteString(Stream, FString::Printf(TEXT("%g"), Value));
	}
};
