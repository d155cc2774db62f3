// Copyright ZOVA. All Rights Reserved.

#include "ZOVAJsonTextCheck.h"

namespace
{
	static_assert(PLATFORM_LITTLE_ENDIAN, "the scan reads the low byte of a character at the character's own address");

	/**
	 * The characters one part of the scan stops at, marked by their low byte. A stop is only a
	 * candidate until the whole character is compared, and the text's terminator is a stop in every
	 * table, so no scan runs past the text.
	 */
	struct FStops
	{
		bool bMarked[256] = {};

		constexpr explicit FStops(const char* Chars)
		{
			bMarked[0] = true;
			for (; *Chars != 0; ++Chars)
			{
				bMarked[uint8(*Chars)] = true;
			}
		}
	};

	/** Outside strings: quotes, brackets and the first letter of NaN. */
	constexpr FStops StructureStops("\"{}[]nN");

	/** Inside strings: the closing quote and the backslash that escapes the character after it. */
	constexpr FStops StringStops("\"\\");

	FORCEINLINE uint8 LowByte(const TCHAR* Char)
	{
		return *reinterpret_cast<const uint8*>(Char);
	}

	/** The first character from Cursor on that Stops marks; looking at a byte per character is most of the scan's work. */
	FORCEINLINE const TCHAR* SkipToStop(const TCHAR* Cursor, const FStops& Stops)
	{
		// Four characters a round share the loop's own cost; a stop ends the round wherever it falls.
		for (;; Cursor += 4)
		{
			for (int32 Offset = 0; Offset < 4; ++Offset)
			{
				if (Stops.bMarked[LowByte(Cursor + Offset)])
				{
					return Cursor + Offset;
				}
			}
		}
	}

	/** The quote that closes the string whose first character is at Cursor, or null when the text ends inside the string. */
	const TCHAR* FindClosingQuote(const TCHAR* Cursor, const TCHAR* End)
	{
		for (;; ++Cursor)
		{
			Cursor = SkipToStop(Cursor, StringStops);
			if (*Cursor == '"')
			{
				return Cursor;
			}
			if (*Cursor == '\\')
			{
				// The escaped character is skipped whatever it is, as the engine's tokenizer skips it.
				if (End - Cursor < 2)
				{
					return nullptr;
				}
				++Cursor;
			}
			else if (Cursor == End)
			{
				return nullptr;
			}
		}
	}
}

bool ZOVAJsonTextCheck::IsRefused(const FString& Text)
{
	// The bracket that opened each open level, the innermost last.
	uint8 Openers[MaxDepth];
	int32 Depth = 0;
	const TCHAR* Cursor = *Text;
	const TCHAR* const End = Cursor + Text.Len();
	for (;; ++Cursor)
	{
		Cursor = SkipToStop(Cursor, StructureStops);
		// Quotes are the stop met most often: every string begins with one.
		if (*Cursor == '"')
		{
			Cursor = FindClosingQuote(Cursor + 1, End);
			if (Cursor == nullptr)
			{
				return true;
			}
			continue;
		}
		// Setting bit 5 makes '[' a '{' and ']' a '}', and lowers an ASCII capital letter; a
		// character that only shares its low byte with a stop matches none of these.
		const TCHAR Folded = *Cursor | 0x20;
		if (Folded == '{')
		{
			if (Depth == MaxDepth)
			{
				return true;
			}
			Openers[Depth++] = uint8(*Cursor);
		}
		else if (Folded == '}')
		{
			// Each closer is its opener plus two: '{' and '}' are 0x7B and 0x7D, '[' and ']' 0x5B and 0x5D.
			if (Depth == 0 || Openers[--Depth] + 2 != *Cursor)
			{
				return true;
			}
		}
		else if (Folded == 'n')
		{
			// Bit 5 makes no other character an 'a' or an 'n' either.
			if (End - Cursor > 2 && (Cursor[1] | 0x20) == 'a' && (Cursor[2] | 0x20) == 'n')
			{
				return true;
			}
		}
		else if (Cursor == End)
		{
			return false;
		}
	}
}
