#include "EditorUITestTypes.h"

void UTestEditTarget::AddKey(FString Key, int32 Times)
{
	for (int32 Index = 0; Index < Times; ++Index)
	{
		Keys.Add(Key);
	}
}
