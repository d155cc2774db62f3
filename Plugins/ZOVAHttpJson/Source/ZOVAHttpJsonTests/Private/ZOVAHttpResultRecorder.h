// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "ZOVAHttpResultRecorder.generated.h"

/** What one output of a request node sent. */
struct FZOVAHttpResult
{
	bool bSuccess = false;
	int32 Code = 0;
	FString Data;
	bool bOnGameThread = false;
};

/**
 * Stands in for a request node's output pins: its functions are bound to the action's On Success and
 * On Fail delegates, and it keeps what each call sent.
 */
UCLASS()
class UZOVAHttpResultRecorder : public UObject
{
	GENERATED_BODY()

public:
	UFUNCTION()
	void HandleSuccess(int32 Code, FString Data);

	UFUNCTION()
	void HandleFail(int32 Code, FString Data);

	TArray<FZOVAHttpResult> Results;
};
