#include "ZOVAJsonTextCheck.h"

bool ZOVAJsonTextCheck::IsRefused(const FString& Text)
{
	// Bit N is set when the bracket open at depth N + 1 is an object's.
	uint64 ObjectBits[MaxDepth / 64] = {};
	const TCHAR* const Chars = *Text;
	const int32 Len = Text.Len();
	int32 Depth = 0;
	for (int32 Index = 0; Index < Len; ++Index)
	{
		switch (Chars[Index])
		{
		case '"':
			++Index;
			while (Index < Len && Chars[Index] != '"')
			{
				Index += Chars[Index] == '\\' ? 2 : 1;
			}
			if (Index >= Len)
			{
				return true;
			}
			break;
		case '{':
		case '[':
		{
			if (Depth == MaxDepth)
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
		case 'n':
		case 'N':
			// Setting bit 5 lowers an ASCII capital letter and makes no other character an 'a' or an 'n'.
			if (Index + 2 < Len && (Chars[Index + 1] | 0x20) == 'a' && (Chars[Index + 2] | 0x20) == 'n')
			{
				return true;
			}
			break;
		default:
			break;
		}
	}
	return false;
}
