#pragma once

#include "CoreMinimal.h"
#include "IHttpRouter.h"

/** The routes of one listener, touched on the game thread only. */
class FHttpRouter final : public IHttpRouter
{
public:
	//~ Begin IHttpRouter Interface
	virtual FHttpRouteHandle BindRoute(const FHttpPath& HttpPath, const EHttpServerRequestVerbs& HttpVerbs, const FHttpRequestHandler& Handler) override;
	virtual void UnbindRoute(const FHttpRouteHandle& RouteHandle) override;
	//~ End IHttpRouter Interface

	/** The route bound at exactly Path (compared ignoring case) that takes one of Verbs, or null. */
	FHttpRouteHandle FindRoute(const FString& Path, EHttpServerRequestVerbs Verbs) const;

private:
	TMap<FString, TArray<FHttpRouteHandle>> Routes;
};
