#include "Misc/Parse.h"

#include "Misc/CString.h"

namespace
{
	/** Inside quotes the engine reads up to a closing quote, a line end or the end of the text. */
	bool ShouldParse(TCHAR Character)
	{
		return Character != 0 && Character != '"' && Character != '\n' && Character != '\r';
	}

	bool IsOctDigit(TCHAR Character)
	{
		return Character >= '0' && Character <= '7';
	}

	/**
	 * The digits at Buffer that pass the test, at most MaxDigits of them, as a number in Base; like the
	 * engine's strtol, a value past the largest 64-bit signed number stays at it.
	 */
	uint64 ReadDigits(const TCHAR*& Buffer, int32 MaxDigits, uint64 Base, bool (*IsDigit)(TCHAR))
	{
		constexpr uint64 Largest = 0x7FFFFFFFFFFFFFFFull;
		uint64 Value = 0;
		for (int32 Count = 0; Count < MaxDigits && ShouldParse(*Buffer) && IsDigit(*Buffer); ++Count, ++Buffer)
		{
			const TCHAR Digit = *Buffer;
			const uint64 DigitValue = FChar::IsDigit(Digit) ? Digit - '0' : FChar::ToLower(Digit) - 'a' + 10;
			Value = Value > (Largest - DigitValue) / Base ? Largest : Value * Base + DigitValue;
		}
		return Value;
	}

	bool IsHexDigit(TCHAR Character)
	{
		return FChar::IsHexDigit(Character);
	}

	/** A code point as UTF-16; one beyond Unicode as '?'. */
	void AppendCodepoint(FString& Value, uint32 Codepoint)
	{
		if (Codepoint <= 0xFFFF)
		{
			Value.AppendChar((TCHAR)Codepoint);
		}
		else if (Codepoint <= 0x10FFFF)
		{
			Codepoint -= 0x10000;
			Value.AppendChar((TCHAR)(0xD800 + (Codepoint >> 10)));
			Value.AppendChar((TCHAR)(0xDC00 + (Codepoint & 0x3FF)));
		}
		else
		{
			Value.AppendChar('?');
		}
	}
}

bool FParse::QuotedString(const TCHAR* Buffer, FString& Value, int32* OutNumCharsRead)
{
	const TCHAR* const Start = Buffer;
	if (*Buffer++ != '"')
	{
		return false;
	}
	while (ShouldParse(*Buffer))
	{
		if (*Buffer != '\\')
		{
			Value.AppendChar(*Buffer++);
			continue;
		}
		++Buffer;
		const TCHAR Escaped = *Buffer;
		switch (Escaped)
		{
		case '\\':
		case '"':
		case '\'':
			Value.AppendChar(Escaped);
			++Buffer;
			continue;
		case 'n':
			Value.AppendChar('\n');
			++Buffer;
			continue;
		case 'r':
			Value.AppendChar('\r');
			++Buffer;
			continue;
		case 't':
			Value.AppendChar('\t');
			++Buffer;
			continue;
		default:
			break;
		}
		if (IsOctDigit(Escaped))
		{
			Value.AppendChar((TCHAR)ReadDigits(Buffer, 3, 8, &IsOctDigit));
		}
		else if (Escaped == 'x' && FChar::IsHexDigit(Buffer[1]))
		{
			++Buffer;
			// As many hex digits as follow, the value cut to one character.
			Value.AppendChar((TCHAR)ReadDigits(Buffer, MAX_int32, 16, &IsHexDigit));
		}
		else if (Escaped == 'u' && FChar::IsHexDigit(Buffer[1]))
		{
			++Buffer;
			Value.AppendChar((TCHAR)ReadDigits(Buffer, 4, 16, &IsHexDigit));
		}
		else if (Escaped == 'U' && FChar::IsHexDigit(Buffer[1]))
		{
			++Buffer;
			AppendCodepoint(Value, (uint32)ReadDigits(Buffer, 8, 16, &IsHexDigit));
		}
		else
		{
			// The backslash stays; a backslash that ends the text stays alone.
			Value.AppendChar('\\');
			if (*Buffer)
			{
				Value.AppendChar(*Buffer++);
			}
		}
	}
	if (*Buffer++ != '"')
	{
		return false;
	}
	if (OutNumCharsRead)
	{
		*OutNumCharsRead = (int32)(Buffer - Start);
	}
	return true;
}

bool FParse::Command(const TCHAR** Stream, const TCHAR* Match, bool bParseMightTriggerExecution)
{
	while (**Stream == ' ' || **Stream == '\t')
	{
		++*Stream;
	}
	const int32 MatchLength = FCString::Strlen(Match);
	if (FCString::Strnicmp(*Stream, Match, MatchLength) != 0 || FChar::IsAlnum((*Stream)[MatchLength]))
	{
		return false;
	}
	*Stream += MatchLength;
	while (**Stream == ' ' || **Stream == '\t')
	{
		++*Stream;
	}
	return true;
}
