#pragma once

#include "CoreMinimal.h"
#include "Kismet/BlueprintAsyncActionBase.h"
#include "Kismet/BlueprintFunctionLibrary.h"
#include "AsyncActionTestTypes.generated.h"

DECLARE_DYNAMIC_MULTICAST_DELEGATE_TwoParams(FAsyncTestResult, int32, Count, FString, Words);

/** An async action with two outcomes; only CountWordsLater is a factory the action menu offers. */
UCLASS(meta = (DisplayName = "Async Test Action"))
class UAsyncTestAction : public UBlueprintAsyncActionBase
{
	GENERATED_BODY()

public:
	/** Fires when the words were counted. */
	UPROPERTY(BlueprintAssignable)
	FAsyncTestResult Done;

	/** Fires when they could not be. */
	UPROPERTY(BlueprintAssignable)
	FAsyncTestResult Failed;

	/**
	 * Counts the words of a text, later.
	 * @param Text - the words
	 * @return the action
	 */
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true", DisplayName = "Count Words Later"), Category = "Async Test|Words")
	static UAsyncTestAction* CountWordsLater(const FString& Text, int32 Limit);

	/** Deprecated: no entry. */
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true", DeprecatedFunction), Category = "Async Test")
	static UAsyncTestAction* OldCountWords(const FString& Text);

	/** Not static: no factory. */
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true"), Category = "Async Test")
	UAsyncTestAction* CountAgain();

	/** Static, but returns no action: no factory. */
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true"), Category = "Async Test")
	static FString DescribeCounting();
};

/** An action class with a node of its own: its factory gets no latent entry. */
UCLASS(meta = (HasDedicatedAsyncNode))
class UAsyncTestDedicatedAction : public UBlueprintAsyncActionBase
{
	GENERATED_BODY()

public:
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true"), Category = "Async Test")
	static UAsyncTestDedicatedAction* StartDedicated();
};

/** An abstract action class: its factory gets no entry. */
UCLASS(Abstract)
class UAsyncTestAbstractAction : public UBlueprintAsyncActionBase
{
	GENERATED_BODY()

public:
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true"), Category = "Async Test")
	static UAsyncTestAction* StartFromAbstract();
};

/** Factories outside action classes are not looked at; its plain functions are listed as calls. */
UCLASS(meta = (DisplayName = "Async Test Library"))
class UAsyncTestLibrary : public UBlueprintFunctionLibrary
{
	GENERATED_BODY()

public:
	UFUNCTION(BlueprintCallable, Category = "Async Test")
	static UAsyncTestAction* StartFromLibrary();

	/**
	 * Says hello.
	 * @note Quietly.
	 * @param Name - who to greet
	 * @return the greeting
	 */
	UFUNCTION(BlueprintPure)
	static FString Greet(const FString& Name);

	UFUNCTION(BlueprintPure, meta = (DisplayName = "Say Nothing"))
	static FString SayNothing();
};
