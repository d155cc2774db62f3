#include "ReflectionTestTypes.h"

FString UTestReflected::JoinTwo(const FString& First, const FString& Second, const FString& Separator)
{
	return First + Separator + Second;
}

bool UTestReflected::SplitAtCommas(const FString& InText, TArray<FString>& OutParts)
{
	InText.ParseIntoArray(OutParts, TEXT(","), false);
	return OutParts.Num() > 1;
}

int32 UTestReflected::CountEntries(const TMap<FString, FString>& InMap)
{
	return InMap.Num();
}

void UTestReflected::HandleStep(int32 Code, FString Data)
{
	ReceivedSteps.Add(FString::Printf(TEXT("%d:%s"), Code, *Data));
}
