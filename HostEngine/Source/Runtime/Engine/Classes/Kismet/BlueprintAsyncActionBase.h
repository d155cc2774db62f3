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

	/** Called to trigger the action once the delegates have been bound */
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true"))
	ENGINE_API virtual void Activate();

	/**
	 * Keeps the action alive until SetReadyToDestroy. The host runs no worlds and has no game
	 * instance: a registration holds the action in the root set instead, with the same effect.
	 */
	ENGINE_API virtual void RegisterWithGameInstance(const UObject* WorldContextObject);
	ENGINE_API virtual void RegisterWithGameInstance(UGameInstance* GameInstance);

	/** Call when the action is completely done, this makes the action free to delete, and will unregister it with the game instance */
	UFUNCTION(BlueprintCallable, Category = "Async Action")
	ENGINE_API virtual void SetReadyToDestroy();

private:
	void Register();

	bool bRegisteredWithGameInstance = false;
};
