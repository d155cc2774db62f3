#include "ZOVAHubJsonNesting.h"

namespace UE::ZOVALauncherAPI::Private
{
	bool IsNestedTooDeep(const FString& JsonText)
	{
		const TCHAR* const Chars = *JsonText;
		const int32 Len = JsonText.Len();
		int32 Depth = 0;
		bool bInString = false;
		for (int32 Index = 0; Index < Len; ++Index)
		{
			const TCHAR Char = Chars[Index];
			if (bInString)
			{
				if (Char == '\\')
				{
					// The escaped character cannot end the string, even when it is a quote.
					++Index;
				}
				else if (Char == '"')
				{
					bInString = false;
				}
			}
			else if (Char == '"')
			{
				bInString = true;
			}
			else if (Char == '{' || Char == '[')
			{
				++Depth;
				if (Depth > MaxHubJsonDepth)
				{
					return true;
				}
			}
			else if ((Char == '}' || Char == ']') && Depth > 0)
			{
				// A surplus closer makes the document invalid anyway; below zero, as many later openers would go uncounted.
				--Depth;
			}
		}
		return false;
	}
}
