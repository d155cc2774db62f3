#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "BlueprintAsyncActionBase.generated.h"

class UGameInstance;

/**
 * Base of asynchronous Blueprint actions. A static factory of a subclass becomes a latent node that
 * calls the factory, binds every BlueprintAssignable delegate to an output pin and then calls
 * Activate.
 */
UCLASS(MinimalAPI)
class UBlueprintAsyncActionBase : public UObject
{
	GENERATED_UCLASS_BODY()

	/** Starts the action; the latent node calls it once the output pins are bound. Does nothing in the base. */
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true"))
	ENGINE_API virtual void Activate();

	/**
	 * Keeps the action alive, even when nothing refers to it, until SetReadyToDestroy. The host runs
	 * no worlds and has no game instance: a registration holds the action in the root set instead.
	 */
	ENGINE_API virtual void RegisterWithGameInstance(const UObject* WorldContextObject);

	/** Ends a registration, so that the finished action can be collected once nothing refers to it. */
	ENGINE_API virtual void SetReadyToDestroy();

protected:
	ENGINE_API virtual void RegisterWithGameInstance(UGameInstance* GameInstance);

private:
	void Register();

	bool bRegisteredWithGameInstance = false;
};
