// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "HttpResultCallback.h"
#include "HttpRouteHandle.h"
#include "HttpServerRequest.h"
#include "HttpServerResponse.h"

#if WITH_DEV_AUTOMATION_TESTS

class IHttpRouter;

/** A request that reached one of the server's routes. */
struct FZOVAServedRequest
{
	FString Path;
	EHttpServerRequestVerbs Verb = EHttpServerRequestVerbs::VERB_NONE;
	TMap<FString, TArray<FString>> Headers;
	TArray<uint8> Body;
};

/**
 * Routes of one test on a port of 127.0.0.1, served by the engine's HTTP server module: requests of
 * every verb to a route's path, or below it, are recorded and answered; the routes go with the object.
 */
class FZOVALoopbackHttpServer
{
public:
	FZOVALoopbackHttpServer(TSharedRef<IHttpRouter> InRouter, uint32 InPort);
	~FZOVALoopbackHttpServer();
	FZOVALoopbackHttpServer(const FZOVALoopbackHttpServer&) = delete;
	FZOVALoopbackHttpServer& operator=(const FZOVALoopbackHttpServer&) = delete;

	/** Answers each request for Path at once with what Answer makes of it. @return false when the path cannot be bound */
	bool Route(const FString& Path, TFunction<TUniquePtr<FHttpServerResponse>(const FHttpServerRequest&)> Answer);

	/** Keeps each request for Path waiting until ReleaseHeld, then answers it with 200 and Text. */
	bool RouteHeld(const FString& Path, const FString& Text);

	/** Answers the requests RouteHeld keeps waiting. */
	void ReleaseHeld();

	/** "<Scheme>://127.0.0.1:<port><PathAndQuery>" */
	FString Url(const FString& PathAndQuery, const TCHAR* Scheme = TEXT("http")) const;

	uint32 GetPort() const { return Port; }

	/** The requests that reached the routes, in the order they arrived. */
	const TArray<FZOVAServedRequest>& GetRequests() const { return Requests; }

	/** How many requests reached a route at Path or below it. */
	int32 CountRequests(const FString& Path) const;

private:
	bool Bind(const FString& Path, TFunction<void(const FHttpServerRequest&, const FHttpResultCallback&)> Handle);

	TSharedRef<IHttpRouter> Router;
	uint32 Port;
	TArray<FHttpRouteHandle> Routes;
	TArray<FZOVAServedRequest> Requests;
	TArray<TPair<FHttpResultCallback, FString>> Held;
};

#endif
