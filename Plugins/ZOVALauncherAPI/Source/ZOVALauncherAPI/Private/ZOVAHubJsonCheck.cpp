// Copyright ZOVA. All Rights Reserved.

#include "ZOVAHubJsonCheck.h"

namespace UE::ZOVALauncherAPI::Private
{
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
