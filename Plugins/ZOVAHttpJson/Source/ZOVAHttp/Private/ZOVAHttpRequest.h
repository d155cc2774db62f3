// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "Containers/Ticker.h"
#include "CoreMinimal.h"
#include "HttpFwd.h"
#include "Kismet/BlueprintAsyncActionBase.h"
#include "ZOVAHttpRequest.generated.h"

/**
 * UMulticastDelegateProperty
 * 只能支持一个 Delegate Signature
 */
DECLARE_DYNAMIC_MULTICAST_DELEGATE_TwoParams(FHttpResponseDelegatge, int32, Code, FString, Data);

UCLASS()
class ZOVAHTTP_API UZOVAHttpRequest : public UBlueprintAsyncActionBase
{
	GENERATED_BODY()

public:
	/** 成功返回 */
	UPROPERTY(BlueprintAssignable)
	FHttpResponseDelegatge OnSuccess;

	/** 失败返回 */
	UPROPERTY(BlueprintAssignable)
	FHttpResponseDelegatge OnFail;

	/** Http Get 请求 */
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true", DisplayName = "Http Get Request"), Category = "ZOVA Http Json")
	static UZOVAHttpRequest* HttpGetRequest(const FString& Url);

	/** Http Post 请求 */
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true", DisplayName = "Http Post Request（Json）"), Category = "ZOVA Http Json")
	static UZOVAHttpRequest* HttpPostRequest(const FString& Url, const FString& Json);

	/** Http Post 请求 */
	UFUNCTION(BlueprintCallable, meta = (BlueprintInternalUseOnly = "true", DisplayName = "Http Post Request（Form）"), Category = "ZOVA Http Json")
	static UZOVAHttpRequest* HttpPostFormRequest(const FString& Url, const FString& Form);

	//~ Begin UBlueprintAsyncActionBase Interface
	/** Reports a result that came before the node had bound its pins. */
	virtual void Activate() override;
	//~ End UBlueprintAsyncActionBase Interface

	/**
	 * How long a result that came before Activate waits for it. The async node activates the action as
	 * soon as the factory returns; a C++ caller that never does still gets the result, through whatever
	 * it bound, once this time has passed, and the action then leaves the root set.
	 */
	static constexpr float UnactivatedResultSeconds = 60.0f;

private:
	void SendGETRequest(const FString& Url);
	void SendPOSTRequest(const FString& Url, const FString& Json);
	void SendPOSTFormRequest(const FString& Url, const FString& Form);
	/** Roots this object and sends the request; ContentType null sends neither header nor body. */
	void SendRequest(const FString& Url, const TCHAR* Verb, const TCHAR* ContentType, const FString& Body);

	void OnHttpResponse(FHttpRequestPtr Request, FHttpResponsePtr Response, bool bConnectedSuccessfully);
	/** Broadcasts the one delegate for the result and leaves the root set. */
	void Report(const FHttpResponsePtr& Response, bool bConnectedSuccessfully);
	/** Reports the held result; a ticker calls it once when the action was never activated. */
	bool ReportHeldResult(float DeltaTime);

	/** Set by Activate; a result that comes before it is held until then. */
	bool bActivated = false;
	bool bHoldingResult = false;
	bool bHeldConnectedSuccessfully = false;
	FHttpResponsePtr HeldResponse;
	FTSTicker::FDelegateHandle HeldResultTicker;
};
