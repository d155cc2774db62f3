#include "UObject/ScriptDelegates.h"

FName UE::Delegates::Private::GetTrimmedMemberFunctionName(const TCHAR* InMacroFunctionName)
{
	FString Name(InMacroFunctionName);
	int32 Scope = Name.Find(TEXT("::"), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
	if (Scope != INDEX_NONE)
	{
		Name.RightChopInline(Scope + 2);
	}
	Name.TrimStartAndEndInline();
	return FName(*Name);
}
