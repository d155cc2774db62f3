#pragma once

#include "Policies/JsonPrintPolicy.h"

/** JSON without any whitespace between tokens. */
template <class CharType>
struct TCondensedJsonPrintPolicy : public TJsonPrintPolicy<CharType>
{
	static void WriteLineTerminator(TArray<CharType>* Stream)
	{
	}

	static void WriteTabs(TArray<CharType>* Stream, int32 Count)
	{
	}

	static void WriteSpace(TArray<CharType>* Stream)
	{
	}
};
