#include "ZOVAJsonTextCheck.h"

namespace
{
	bool IsNaN(const TCHAR* Chars, int32 Len, int32 Index)
	{
		// Setting bit 5 lowers an ASCII capital letter and leaves no other character an 'a' or an 'n'.
		return Index + 2 < Len && (Chars[Index] | 0x20) == 'n' && (Chars[Index + 1] | 0x20) == 'a' && (Chars[Index + 2] | 0x20) == 'n';
	}
}

bool ZOVAJsonTextCheck::IsRefused(const FString& Text)
{
	// Bit N is set when the bracket open at depth N + 1 is an object's.
	uint64 ObjectBits[MaxDepth / 64] = {};
	const TCHAR* const Chars = *Text;
	const int32 Len = Text.Len();
	int32 Depth = 0;
	for (int32 Index = 0; Index < Len; ++Index)
	{
		const TCHAR Char = Chars[Index];
		if (Char == '"')
		{
			++Index;
			while (Index < Len && Chars[Index] != '"')
			{
				Index += Chars[Index] == '\\' ? 2 : 1;
			}
			if (Index >= Len)
			{
				return true;
			}
		}
		else if (Char == '{' || Char == '[')
		{
			if (Depth == MaxDepth)
			{
				return true;
			}
			const uint64 Bit = uint64(1) << (Depth % 64);
			ObjectBits[Depth / 64] = Char == '{' ? ObjectBits[Depth / 64] | Bit : ObjectBits[Depth / 64] & ~Bit;
			++Depth;
		}
		else if (Char == '}' || Char == ']')
		{
			if (Depth == 0)
			{
				return true;
			}
			--Depth;
			const bool bObjectOpen = (ObjectBits[Depth / 64] >> (Depth % 64)) & 1;
			if (bObjectOpen != (Char == '}'))
			{
				return true;
			}
		}
		else if (IsNaN(Chars, Len, Index))
		{
			return true;
		}
	}
	return false;
}
