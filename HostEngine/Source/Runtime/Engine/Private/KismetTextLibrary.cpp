#include "Kismet/KismetTextLibrary.h"

UKismetTextLibrary::UKismetTextLibrary(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

FString UKismetTextLibrary::Conv_TextToString(const FText& InText)
{
	return InText.ToString();
}

FText UKismetTextLibrary::Conv_StringToText(const FString& InString)
{
	return FText::AsCultureInvariant(InString);
}

FText UKismetTextLibrary::Conv_NameToText(FName InName)
{
	return FText::AsCultureInvariant(InName.ToString());
}
