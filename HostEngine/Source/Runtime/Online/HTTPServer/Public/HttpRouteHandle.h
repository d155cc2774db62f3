#pragma once

#include "CoreMinimal.h"
#include "HttpServerRequest.h"

/** One bound route: its path, its verbs and its handler. */
struct FHttpRouteHandleInternal
{
	FHttpRouteHandleInternal(const FString& InPath, const EHttpServerRequestVerbs& InVerbs, const FHttpRequestHandler& InHandler)
		: Path(InPath)
		, Verbs(InVerbs)
		, Handler(InHandler)
	{
	}

	const FString Path;
	const EHttpServerRequestVerbs Verbs;
	const FHttpRequestHandler Handler;
};

/** What BindRoute returns and UnbindRoute takes back; null when the binding was refused. */
typedef TSharedPtr<const FHttpRouteHandleInternal> FHttpRouteHandle;
