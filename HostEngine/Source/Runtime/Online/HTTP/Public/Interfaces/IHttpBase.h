#pragma once

#include "CoreMinimal.h"

/** Enumerates the current state of an Http request */
namespace EHttpRequestStatus
{
	enum Type
	{
		/** Has not been started via ProcessRequest() */
		NotStarted,
		/** Currently being ticked and processed */
		Processing,
		/** Finished but failed */
		Failed,
		/** Finished and was successful */
		Succeeded,
	};
}

/** Base interface for Http Requests and Responses. */
class IHttpBase
{
public:
	virtual ~IHttpBase() = default;

	/** The URL the request was sent to. */
	virtual const FString& GetURL() const = 0;

	/** The current status of the request being processed. */
	virtual EHttpRequestStatus::Type GetStatus() const = 0;
};
