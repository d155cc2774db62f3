#pragma once

#include "CoreMinimal.h"
#include "HttpFwd.h"
#include "Interfaces/IHttpBase.h"

/**
 * Called when a request has finished, on the game thread: with bConnectedSuccessfully true
 * whenever a response arrived (whatever its status code), false when there was none (no
 * connection, a name that does not resolve, a cancel, a request that could not start).
 */
using FHttpRequestCompleteDelegate = TTSDelegate<void(FHttpRequestPtr /*Request*/, FHttpResponsePtr /*Response*/, bool /*bConnectedSuccessfully*/)>;

/** Interface for Http requests (created using FHttpModule::CreateRequest) */
class IHttpRequest : public IHttpBase, public TSharedFromThis<IHttpRequest>
{
public:
	/** Sets the verb; "GET" unless set. */
	virtual void SetVerb(const FString& Verb) = 0;

	virtual void SetURL(const FString& URL) = 0;

	/** Sets the body to the text encoded as UTF-8, without a terminator. */
	virtual void SetContentAsString(const FString& ContentString) = 0;

	/** Sets a header, replacing one of the same name. */
	virtual void SetHeader(const FString& HeaderName, const FString& HeaderValue) = 0;

	/**
	 * Starts the request. It completes later, from the HTTP manager's tick on the game thread.
	 * A request that cannot start (no URL, no verb) completes inside this call instead.
	 * @return whether the request started
	 */
	virtual bool ProcessRequest() = 0;

	/** The delegate called when the request completes, for binding. */
	virtual FHttpRequestCompleteDelegate& OnProcessRequestComplete() = 0;

	/** Stops a request in progress; it completes with bConnectedSuccessfully false. */
	virtual void CancelRequest() = 0;
};
