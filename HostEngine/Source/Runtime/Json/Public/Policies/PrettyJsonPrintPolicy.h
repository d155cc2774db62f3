#pragma once

#include "Policies/JsonPrintPolicy.h"

/** Readable JSON: members on their own lines, indented with tabs, a space after each colon. */
template <class CharType>
struct TPrettyJsonPrintPolicy : public TJsonPrintPolicy<CharType>
{
	static void WriteLineTerminator(TArray<CharType>* Stream)
	{
		TJsonPrintPolicy<CharType>::WriteString(Stream, LINE_TERMINATOR);
	}

	static void WriteTabs(TArray<CharType>* Stream, int32 Count)
	{
		for (int32 Tab = 0; Tab < Count; ++Tab)
		{
			Stream->Add(CharType('\t'));
		}
	}

	static void WriteSpace(TArray<CharType>* Stream)
	{
		Stream->Add(CharType(' '));
	}
};
