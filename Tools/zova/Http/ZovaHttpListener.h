#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "ZovaHttpListener.generated.h"

/**
 * Stands in for the two output pins of an HTTP request node: the request's OnSuccess and OnFail are
 * bound to its functions, which keep what the first broadcast sent.
 */
UCLASS()
class UZovaHttpListener : public UObject
{
	GENERATED_BODY()

public:
	UFUNCTION()
	void HandleSuccess(int32 InCode, FString InData) { Keep(TEXT("OnSuccess"), InCode, InData); }

	UFUNCTION()
	void HandleFail(int32 InCode, FString InData) { Keep(TEXT("OnFail"), InCode, InData); }

	bool HasFired() const { return !Delegate.IsEmpty(); }

	/** "OnSuccess" or "OnFail" once one has fired. */
	FString Delegate;
	int32 Code = 0;
	FString Data;

private:
	void Keep(const TCHAR* InDelegate, int32 InCode, const FString& InData)
	{
		if (!HasFired())
		{
			Delegate = InDelegate;
			Code = InCode;
			Data = InData;
		}
	}
};
