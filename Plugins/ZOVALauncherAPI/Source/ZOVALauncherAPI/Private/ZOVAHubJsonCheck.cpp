#include "ZOVAHubJsonCheck.h"

namespace UE::ZOVALauncherAPI::Private
{
	namespace
	{
		/** Whether any of the four UTF-16 units that start at Chars is a quote or a backslash. */
		bool HasQuoteOrBackslash(const TCHAR* Chars)
		{
			static_assert(sizeof(TCHAR) == 2, "four characters to a 64-bit word");
			constexpr uint64 Ones = 0x0001000100010001ull;
			constexpr uint64 HighBits = 0x8000800080008000ull;
			uint64 Word = 0;
			FMemory::Memcpy(&Word, Chars, sizeof(Word));
			// A unit equal to the character becomes zero, and (X - 1) & ~X keeps a high bit only where some unit is zero.
			const uint64 Quotes = Word ^ (Ones * '"');
			const uint64 Backslashes = Word ^ (Ones * '\\');
			return ((((Quotes - Ones) & ~Quotes) | ((Backslashes - Ones) & ~Backslashes)) & HighBits) != 0;
		}

		/** The index of the quote that ends the string whose first character is at Index, or Len when the text ends first. */
		int32 SkipString(const TCHAR* Chars, int32 Len, int32 Index)
		{
			for (;;)
			{
				// Most of a document is string text: four characters at a time while none ends or escapes.
				while (Index + 4 <= Len && !HasQuoteOrBackslash(Chars + Index))
				{
					Index += 4;
				}
				if (Index >= Len || Chars[Index] == '"')
				{
					return Index < Len ? Index : Len;
				}
				Index += Chars[Index] == '\\' ? 2 : 1;
			}
		}
	}

	bool IsHubJsonRefused(const FString& JsonText)
	{
		// Bit N is set when the bracket open at depth N + 1 is an object's.
		uint64 ObjectBits[MaxHubJsonDepth / 64] = {};
		const TCHAR* const Chars = *JsonText;
		const int32 Len = JsonText.Len();
		int32 Depth = 0;
		for (int32 Index = 0; Index < Len; ++Index)
		{
			switch (Chars[Index])
			{
			case '"':
				Index = SkipString(Chars, Len, Index + 1);
				if (Index == Len)
				{
					return true;
				}
				break;
			case '{':
			case '[':
			{
				if (Depth == MaxHubJsonDepth)
				{
					return true;
				}
				const uint64 Bit = uint64(1) << (Depth % 64);
				ObjectBits[Depth / 64] = Chars[Index] == '{' ? ObjectBits[Depth / 64] | Bit : ObjectBits[Depth / 64] & ~Bit;
				++Depth;
				break;
			}
			case '}':
			case ']':
			{
				if (Depth == 0)
				{
					return true;
				}
				--Depth;
				const bool bObjectOpen = (ObjectBits[Depth / 64] >> (Depth % 64)) & 1;
				if (bObjectOpen != (Chars[Index] == '}'))
				{
					return true;
				}
				break;
			}
			default:
				break;
			}
		}
		return false;
	}
}
