#include "AsyncActionTestTypes.h"

#include "UObject/UObjectGlobals.h"

UAsyncTestAction* UAsyncTestAction::CountWordsLater(const FString& Text, int32 Limit)
{
	return NewObject<UAsyncTestAction>();
}

UAsyncTestAction* UAsyncTestAction::OldCountWords(const FString& Text)
{
	return NewObject<UAsyncTestAction>();
}

UAsyncTestAction* UAsyncTestAction::CountAgain()
{
	return this;
}

FString UAsyncTestAction::DescribeCounting()
{
	return TEXT("counts words");
}

UAsyncTestDedicatedAction* UAsyncTestDedicatedAction::StartDedicated()
{
	return NewObject<UAsyncTestDedicatedAction>();
}

UAsyncTestAction* UAsyncTestAbstractAction::StartFromAbstract()
{
	return NewObject<UAsyncTestAction>();
}

UAsyncTestAction* UAsyncTestLibrary::StartFromLibrary()
{
	return NewObject<UAsyncTestAction>();
}

FString UAsyncTestLibrary::Greet(const FString& Name)
{
	return TEXT("hello ") + Name;
}

FString UAsyncTestLibrary::SayNothing()
{
	return FString();
}
