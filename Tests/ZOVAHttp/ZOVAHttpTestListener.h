#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "ZOVAHttpRequest.h"
#include "ZOVAHttpTestListener.generated.h"

/** One broadcast that reached a listener. */
struct FZOVAHttpReport
{
	bool bSuccess = false;
	int32 Code = 0;
	FString Data;
	bool bOnGameThread = false;
};

/** Stands in for the async node's output pins: records what each delegate of one action sends. */
UCLASS()
class UZOVAHttpTestListener : public UObject
{
	GENERATED_BODY()

public:
	/** Binds both outputs, as the node does once the factory has returned. */
	void Listen(UZOVAHttpRequest* Action)
	{
		Action->OnSuccess.AddDynamic(this, &UZOVAHttpTestListener::HandleSuccess);
		Action->OnFail.AddDynamic(this, &UZOVAHttpTestListener::HandleFail);
	}

	UFUNCTION()
	void HandleSuccess(int32 Code, FString Data) { Reports.Add({true, Code, Data, IsInGameThread()}); }

	UFUNCTION()
	void HandleFail(int32 Code, FString Data) { Reports.Add({false, Code, Data, IsInGameThread()}); }

	TArray<FZOVAHttpReport> Reports;
};
