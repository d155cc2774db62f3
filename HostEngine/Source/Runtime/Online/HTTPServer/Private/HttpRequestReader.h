#pragma once

#include "CoreMinimal.h"
#include "HttpServerRequest.h"
#include "HttpServerResponse.h"

namespace httplib
{
	struct Request;
}

/**
 * Host engine only, with no engine twin: turns a request that the server library has read into the
 * request a route handler sees, by the rules the engine's own reader applies to the raw request: the
 * path as sent, the query decoded pair by pair, header names in lower case and values split at
 * commas, and the engine's refusals of bodies with missing or unexpected lengths.
 */
struct FHttpRequestReader
{
	/**
	 * @param OutReadError - when null is returned, the answer to a request the engine refuses to route
	 * @param OutReadErrorText - and the reason for it
	 * @return the request, or null when it is refused
	 */
	static TSharedPtr<FHttpServerRequest> Read(const httplib::Request& LibraryRequest, TUniquePtr<FHttpServerResponse>& OutReadError, FString& OutReadErrorText);
};
