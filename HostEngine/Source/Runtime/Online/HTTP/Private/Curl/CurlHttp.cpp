#include "Curl/CurlHttp.h"
#include "Http.h"
#include "HttpManager.h"

#include <cmath>

namespace CurlHttpSettings
{
	/** Redirects followed before the request fails. */
	constexpr long MaxRedirects = 10;
	const ANSICHAR* const UserAgent = "UnrealEngineHost/5.6 Linux";
}

FCurlHttpResponse::FCurlHttpResponse(const FString& InURL, int32 InResponseCode, TArray<uint8>&& InContent)
	: URL(InURL)
	, ResponseCode(InResponseCode)
	, Content(MoveTemp(InContent))
{
}

const FString& FCurlHttpResponse::GetURL() const
{
	return URL;
}

EHttpRequestStatus::Type FCurlHttpResponse::GetStatus() const
{
	return EHttpRequestStatus::Succeeded;
}

int32 FCurlHttpResponse::GetResponseCode() const
{
	return ResponseCode;
}

FString FCurlHttpResponse::GetContentAsString() const
{
	// By length, zeros included; the engine builds the string with the count-and-pointer constructor,
	// so a body that starts with a zero byte reads as empty.
	const FUTF8ToTCHAR Converted(reinterpret_cast<const ANSICHAR*>(Content.GetData()), Content.Num());
	PRAGMA_DISABLE_DEPRECATION_WARNINGS
	return FString(Converted.Length(), Converted.Get());
	PRAGMA_ENABLE_DEPRECATION_WARNINGS
}

// FCurlHttpRequest

FCurlHttpRequest::FCurlHttpRequest(const TSharedPtr<const TArray<uint8>, ESPMode::ThreadSafe>& InCertificateBundle)
	: CertificateBundle(InCertificateBundle)
{
}

FCurlHttpRequest::~FCurlHttpRequest()
{
	CleanUpRequest();
}

const FString& FCurlHttpRequest::GetURL() const
{
	return URL;
}

EHttpRequestStatus::Type FCurlHttpRequest::GetStatus() const
{
	return Status;
}

void FCurlHttpRequest::SetVerb(const FString& InVerb)
{
	Verb = InVerb.ToUpper();
}

void FCurlHttpRequest::SetURL(const FString& InURL)
{
	URL = InURL;
}

void FCurlHttpRequest::SetContentAsString(const FString& ContentString)
{
	// Every character, a last zero included (unlike FTCHARToUTF8, which takes it for a terminator).
	const int32 Utf8Length = FTCHARToUTF8_Convert::ConvertedLength(*ContentString, ContentString.Len());
	RequestPayload.SetNumUninitialized(Utf8Length);
	FTCHARToUTF8_Convert::Convert(reinterpret_cast<UTF8CHAR*>(RequestPayload.GetData()), Utf8Length, *ContentString, ContentString.Len());
}

void FCurlHttpRequest::SetHeader(const FString& HeaderName, const FString& HeaderValue)
{
	Headers.Add(HeaderName, HeaderValue);
}

FHttpRequestCompleteDelegate& FCurlHttpRequest::OnProcessRequestComplete()
{
	return CompleteDelegate;
}

bool FCurlHttpRequest::ProcessRequest()
{
	if (Status == EHttpRequestStatus::Processing)
	{
		UE_LOG(LogHttp, Warning, TEXT("ProcessRequest failed. Still processing last request."));
		return false;
	}
	if (URL.IsEmpty())
	{
		FailBeforeStart(TEXT("ProcessRequest failed. No URL was specified."));
		return false;
	}
	if (Verb.IsEmpty())
	{
		FailBeforeStart(TEXT("ProcessRequest failed. No Verb was specified."));
		return false;
	}
	if (!SetupRequest())
	{
		FailBeforeStart(TEXT("ProcessRequest failed. Could not set up the transfer."));
		return false;
	}
	Status = EHttpRequestStatus::Processing;
	bCanceled = false;
	FHttpModule::Get().GetHttpManager().AddThreadedRequest(SharedThis(this));
	return true;
}

void FCurlHttpRequest::CancelRequest()
{
	if (Status != EHttpRequestStatus::Processing || bCanceled)
	{
		return;
	}
	bCanceled = true;
	FHttpModule::Get().GetHttpManager().CancelThreadedRequest(SharedThis(this));
}

void FCurlHttpRequest::FinishRequest()
{
	check(IsInGameThread());
	const bool bConnectedSuccessfully = !bCanceled && CompletionResult == CURLE_OK;
	if (bConnectedSuccessfully)
	{
		long ResponseCode = 0;
		curl_easy_getinfo(EasyHandle, CURLINFO_RESPONSE_CODE, &ResponseCode);
		Response = MakeShared<FCurlHttpResponse>(URL, (int32)ResponseCode, MoveTemp(ResponseBody));
	}
	else if (!bCanceled)
	{
		const ANSICHAR* const Reason = ErrorBuffer[0] ? ErrorBuffer : curl_easy_strerror(CompletionResult);
		UE_LOG(LogHttp, Warning, TEXT("Request to %s failed: %s"), *URL, UTF8_TO_TCHAR(Reason));
	}
	Status = bConnectedSuccessfully ? EHttpRequestStatus::Succeeded : EHttpRequestStatus::Failed;
	CleanUpRequest();
	CallCompletionDelegate(bConnectedSuccessfully);
}

bool FCurlHttpRequest::SetupRequest()
{
	CleanUpRequest();
	Response.Reset();
	EasyHandle = curl_easy_init();
	if (EasyHandle == nullptr)
	{
		return false;
	}
	SetupConnection();
	SetupVerbAndBody();
	SetupHeaders();

	ResponseBody.Reset();
	curl_easy_setopt(EasyHandle, CURLOPT_WRITEFUNCTION, &FCurlHttpRequest::ReceiveResponseBodyCallback);
	curl_easy_setopt(EasyHandle, CURLOPT_WRITEDATA, this);
	CompletionResult = CURLE_OK;
	return true;
}

namespace
{
	bool IsReservedInvalidHost(const FString& URL)
	{
		CURLU* const Parsed = curl_url();
		char* Host = nullptr;
		bool bInvalid = false;
		if (curl_url_set(Parsed, CURLUPART_URL, TCHAR_TO_UTF8(*URL), CURLU_GUESS_SCHEME) == CURLUE_OK && curl_url_get(Parsed, CURLUPART_HOST, &Host, 0) == CURLUE_OK)
		{
			FString Name(UTF8_TO_TCHAR(Host));
			Name.RemoveFromEnd(TEXT("."));
			bInvalid = Name == TEXT("invalid") || Name.EndsWith(TEXT(".invalid"));
		}
		curl_free(Host);
		curl_url_cleanup(Parsed);
		return bInvalid;
	}

	/** Rounded up, so that a positive timeout never becomes libcurl's 0, which means none. */
	long ToMilliseconds(float Seconds)
	{
		return (long)std::ceil(Seconds * 1000.0f);
	}
}

void FCurlHttpRequest::SetupConnection()
{
	bHostReservedInvalid = IsReservedInvalidHost(URL);
	ErrorBuffer[0] = 0;
	curl_easy_setopt(EasyHandle, CURLOPT_ERRORBUFFER, ErrorBuffer);
	curl_easy_setopt(EasyHandle, CURLOPT_URL, TCHAR_TO_UTF8(*URL));
	// Stricter than the engine, which keeps libcurl's defaults (any protocol built in, redirects to HTTP,
	// HTTPS, FTP and FTPS): the host reaches HTTP and HTTPS only, by a URL or a redirect. Any other scheme
	// ends as a transfer libcurl refuses, completed by the next tick without a connection.
	verify(curl_easy_setopt(EasyHandle, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK);
	verify(curl_easy_setopt(EasyHandle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK);
	// Signals cannot reach the HTTP thread; resolver time-outs are handled without them.
	curl_easy_setopt(EasyHandle, CURLOPT_NOSIGNAL, 1L);
	curl_easy_setopt(EasyHandle, CURLOPT_FOLLOWLOCATION, 1L);
	curl_easy_setopt(EasyHandle, CURLOPT_MAXREDIRS, CurlHttpSettings::MaxRedirects);
	SetupTimeouts();
	curl_easy_setopt(EasyHandle, CURLOPT_SSL_VERIFYPEER, 1L);
	curl_easy_setopt(EasyHandle, CURLOPT_SSL_VERIFYHOST, 2L);
	if (CertificateBundle.IsValid())
	{
		curl_blob Blob = {const_cast<uint8*>(CertificateBundle->GetData()), (size_t)CertificateBundle->Num(), CURL_BLOB_NOCOPY};
		curl_easy_setopt(EasyHandle, CURLOPT_CAINFO_BLOB, &Blob);
	}
	// The engine uses a proxy only when one is configured, never one named by the environment.
	curl_easy_setopt(EasyHandle, CURLOPT_PROXY, "");
	curl_easy_setopt(EasyHandle, CURLOPT_USERAGENT, CurlHttpSettings::UserAgent);
}

void FCurlHttpRequest::SetupTimeouts()
{
	const FHttpModule& Module = FHttpModule::Get();
	curl_easy_setopt(EasyHandle, CURLOPT_CONNECTTIMEOUT_MS, ToMilliseconds(Module.GetHttpConnectionTimeout()));
	if (Module.GetHttpTotalTimeout() > 0.0f)
	{
		curl_easy_setopt(EasyHandle, CURLOPT_TIMEOUT_MS, ToMilliseconds(Module.GetHttpTotalTimeout()));
	}
	if (Module.GetHttpActivityTimeout() > 0.0f)
	{
		// libcurl has no idle timer: a transfer slower than one byte a second for that long is idle.
		curl_easy_setopt(EasyHandle, CURLOPT_LOW_SPEED_LIMIT, 1L);
		curl_easy_setopt(EasyHandle, CURLOPT_LOW_SPEED_TIME, (long)std::ceil(Module.GetHttpActivityTimeout()));
	}
}

void FCurlHttpRequest::SetupVerbAndBody()
{
	if (Verb == TEXT("GET"))
	{
		curl_easy_setopt(EasyHandle, CURLOPT_HTTPGET, 1L);
	}
	else if (Verb == TEXT("HEAD"))
	{
		curl_easy_setopt(EasyHandle, CURLOPT_NOBODY, 1L);
	}
	else
	{
		// The body goes as it is, also when empty (a POST then says Content-Length: 0).
		curl_easy_setopt(EasyHandle, CURLOPT_POSTFIELDSIZE_LARGE, (curl_off_t)RequestPayload.Num());
		curl_easy_setopt(EasyHandle, CURLOPT_POSTFIELDS, RequestPayload.Num() > 0 ? (const char*)RequestPayload.GetData() : "");
		if (Verb != TEXT("POST"))
		{
			curl_easy_setopt(EasyHandle, CURLOPT_CUSTOMREQUEST, TCHAR_TO_UTF8(*Verb));
		}
	}
}

void FCurlHttpRequest::SetupHeaders()
{
	for (const TPair<FString, FString>& Header : Headers)
	{
		HeaderList = curl_slist_append(HeaderList, TCHAR_TO_UTF8(*FString::Printf(TEXT("%s: %s"), *Header.Key, *Header.Value)));
	}
	// Without this, libcurl holds larger bodies back until the server answers "100 Continue".
	HeaderList = curl_slist_append(HeaderList, "Expect:");
	curl_easy_setopt(EasyHandle, CURLOPT_HTTPHEADER, HeaderList);
}

void FCurlHttpRequest::CleanUpRequest()
{
	if (EasyHandle)
	{
		curl_easy_cleanup(EasyHandle);
		EasyHandle = nullptr;
	}
	if (HeaderList)
	{
		curl_slist_free_all(HeaderList);
		HeaderList = nullptr;
	}
}

void FCurlHttpRequest::FailBeforeStart(const TCHAR* Reason)
{
	UE_LOG(LogHttp, Warning, TEXT("%s"), Reason);
	Status = EHttpRequestStatus::Failed;
	Response.Reset();
	CallCompletionDelegate(false);
}

void FCurlHttpRequest::CallCompletionDelegate(bool bConnectedSuccessfully)
{
	// Held for the call, in case the delegate drops the last other reference.
	const FHttpRequestRef Self = AsShared();
	CompleteDelegate.ExecuteIfBound(Self, Response, bConnectedSuccessfully);
}

size_t FCurlHttpRequest::ReceiveResponseBodyCallback(void* Ptr, size_t SizeInBlocks, size_t BlockSizeInBytes, void* UserData)
{
	FCurlHttpRequest* const Request = static_cast<FCurlHttpRequest*>(UserData);
	const size_t Size = SizeInBlocks * BlockSizeInBytes;
	Request->ResponseBody.Append(static_cast<const uint8*>(Ptr), (int32)Size);
	return Size;
}
