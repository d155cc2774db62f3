#pragma once

#include "CoreMinimal.h"
#include "HttpRouteHandle.h"

class FHttpRouter;

/**
 * The routes that match a request, longest path first: "/a/b/c" tries routes at "/a/b/c", "/a/b",
 * "/a" and then "/", each taking the request's verb.
 */
class FHttpRequestHandlerIterator
{
public:
	FHttpRequestHandlerIterator(TSharedPtr<FHttpServerRequest> InRequest, const FHttpRouter& InRouter);

	/** The next matching route, with the request's relative path made relative to it; null after the last. */
	FHttpRouteHandle Next();

private:
	TSharedPtr<FHttpServerRequest> Request;
	const FHttpRouter& Router;
	FString NextPath;
	bool bFirstIteration = true;
	bool bLastIteration = false;
};
