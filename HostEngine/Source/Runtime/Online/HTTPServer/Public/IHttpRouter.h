#pragma once

#include "CoreMinimal.h"
#include "HttpRequestHandler.h"
#include "HttpRouteHandle.h"

struct FHttpPath;

/** The routes of one listening port. */
class IHttpRouter : public TSharedFromThis<IHttpRouter>
{
public:
	/**
	 * Binds Handler to requests for HttpPath, or a path below it, with one of HttpVerbs. The path must
	 * be valid (FHttpPath::IsValidPath) and the verbs not VERB_NONE.
	 * @return the route, or null when a route of the same path already takes one of these verbs
	 */
	virtual FHttpRouteHandle BindRoute(const FHttpPath& HttpPath, const EHttpServerRequestVerbs& HttpVerbs, const FHttpRequestHandler& Handler) = 0;

	/** Removes a route that BindRoute returned. */
	virtual void UnbindRoute(const FHttpRouteHandle& RouteHandle) = 0;

protected:
	virtual ~IHttpRouter();
};
