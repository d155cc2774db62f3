#include "Kismet/BlueprintAsyncActionBase.h"

UBlueprintAsyncActionBase::UBlueprintAsyncActionBase(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UBlueprintAsyncActionBase::Activate()
{
}

void UBlueprintAsyncActionBase::RegisterWithGameInstance(const UObject* WorldContextObject)
{
	if (WorldContextObject)
	{
		Register();
	}
}

void UBlueprintAsyncActionBase::RegisterWithGameInstance(UGameInstance* GameInstance)
{
	if (GameInstance)
	{
		Register();
	}
}

void UBlueprintAsyncActionBase::SetReadyToDestroy()
{
	if (bRegisteredWithGameInstance)
	{
		bRegisteredWithGameInstance = false;
		RemoveFromRoot();
	}
}

void UBlueprintAsyncActionBase::Register()
{
	bRegisteredWithGameInstance = true;
	AddToRoot();
}
