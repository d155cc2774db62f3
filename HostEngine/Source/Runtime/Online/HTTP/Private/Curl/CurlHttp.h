#pragma once

#include "CoreMinimal.h"
#include "Interfaces/IHttpRequest.h"
#include "Interfaces/IHttpResponse.h"

#include <curl/curl.h>

/** A response that arrived: its status code and body. */
class FCurlHttpResponse : public IHttpResponse
{
public:
	FCurlHttpResponse(const FString& InURL, int32 InResponseCode, TArray<uint8>&& InContent);

	//~ Begin IHttpBase Interface
	virtual const FString& GetURL() const override;
	virtual EHttpRequestStatus::Type GetStatus() const override;
	//~ End IHttpBase Interface

	//~ Begin IHttpResponse Interface
	virtual int32 GetResponseCode() const override;
	virtual FString GetContentAsString() const override;
	//~ End IHttpResponse Interface

private:
	FString URL;
	int32 ResponseCode;
	TArray<uint8> Content;
};

/**
 * A request run by libcurl. The game thread sets it up and finishes it; in between, its easy
 * handle and response buffer belong to the HTTP thread.
 */
class FCurlHttpRequest : public IHttpRequest
{
public:
	/** @param InCertificateBundle - certificate authorities to trust instead of the system file, or null */
	explicit FCurlHttpRequest(const TSharedPtr<const TArray<uint8>, ESPMode::ThreadSafe>& InCertificateBundle);
	virtual ~FCurlHttpRequest();

	//~ Begin IHttpBase Interface
	virtual const FString& GetURL() const override;
	virtual EHttpRequestStatus::Type GetStatus() const override;
	//~ End IHttpBase Interface

	//~ Begin IHttpRequest Interface
	virtual void SetVerb(const FString& InVerb) override;
	virtual void SetURL(const FString& InURL) override;
	virtual void SetContentAsString(const FString& ContentString) override;
	virtual void SetHeader(const FString& HeaderName, const FString& HeaderValue) override;
	virtual bool ProcessRequest() override;
	virtual FHttpRequestCompleteDelegate& OnProcessRequestComplete() override;
	virtual void CancelRequest() override;
	//~ End IHttpRequest Interface

	/** The transfer the HTTP thread runs; valid while the request is processing. */
	CURL* GetEasyHandle() const { return EasyHandle; }

	/** HTTP thread: records how the transfer ended, before handing the request back. */
	void SetCompletionResult(CURLcode Result) { CompletionResult = Result; }
	/** Names under ".invalid" never resolve (RFC 6761), so they fail without asking a name server. */
	bool IsHostReservedInvalid() const { return bHostReservedInvalid; }

	/** Game thread: builds the response, if one arrived, and calls the completion delegate. */
	void FinishRequest();

private:
	/** Creates the easy handle and sets every option of the transfer; false when libcurl cannot. */
	bool SetupRequest();
	void SetupConnection();
	/** The module's connection, total and activity timeouts, as they are when the request starts. */
	void SetupTimeouts();
	void SetupVerbAndBody();
	void SetupHeaders();
	void CleanUpRequest();
	/** Completes a request that could not start, inside ProcessRequest. */
	void FailBeforeStart(const TCHAR* Reason);
	void CallCompletionDelegate(bool bConnectedSuccessfully);

	static size_t ReceiveResponseBodyCallback(void* Ptr, size_t SizeInBlocks, size_t BlockSizeInBytes, void* UserData);

	FString URL;
	FString Verb = TEXT("GET");
	TMap<FString, FString> Headers;
	TArray<uint8> RequestPayload;
	FHttpRequestCompleteDelegate CompleteDelegate;
	EHttpRequestStatus::Type Status = EHttpRequestStatus::NotStarted;
	bool bCanceled = false;
	FHttpResponsePtr Response;
	TSharedPtr<const TArray<uint8>, ESPMode::ThreadSafe> CertificateBundle;

	CURL* EasyHandle = nullptr;
	curl_slist* HeaderList = nullptr;
	TArray<uint8> ResponseBody;
	CURLcode CompletionResult = CURLE_OK;
	bool bHostReservedInvalid = false;
	char ErrorBuffer[CURL_ERROR_SIZE] = {};
};
