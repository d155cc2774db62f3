#include "ZOVAJsonNesting.h"

bool ZOVAJsonNesting::IsTooDeep(const FString& Text)
{
	const TCHAR* const Chars = *Text;
	const int32 Len = Text.Len();
	int32 Depth = 0;
	int32 Index = 0;
	while (Index < Len)
	{
		const TCHAR Char = Chars[Index++];
		if (Char == '"')
		{
			// A string runs to the next quote that no backslash escapes, whatever else it holds.
			while (Index < Len)
			{
				const TCHAR StringChar = Chars[Index++];
				if (StringChar == '"')
				{
					break;
				}
				if (StringChar == '\\')
				{
					++Index;
				}
			}
		}
		else if (Char == '{' || Char == '[')
		{
			++Depth;
			if (Depth > MaxDepth)
			{
				return true;
			}
		}
		else if ((Char == '}' || Char == ']') && Depth > 0)
		{
			// A surplus closer makes the text invalid anyway; going below zero would leave as many later openers uncounted.
			--Depth;
		}
	}
	return false;
}
