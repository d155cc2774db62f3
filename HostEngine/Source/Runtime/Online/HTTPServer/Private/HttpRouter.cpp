#include "HttpRouter.h"
#include "HttpPath.h"

FHttpRouteHandle FHttpRouter::BindRoute(const FHttpPath& HttpPath, const EHttpServerRequestVerbs& HttpVerbs, const FHttpRequestHandler& Handler)
{
	check(HttpPath.IsValidPath());
	check(EHttpServerRequestVerbs::VERB_NONE != HttpVerbs);
	// A ':' makes a route parameterized ("/items/:id"), which the host does not route.
	checkf(!HttpPath.GetPath().Contains(TEXT(":")), TEXT("The host HTTP server has no parameterized routes: %s"), *HttpPath.GetPath());

	if (FindRoute(HttpPath.GetPath(), HttpVerbs))
	{
		return nullptr;
	}
	const FHttpRouteHandle RouteHandle = MakeShared<FHttpRouteHandleInternal>(HttpPath.GetPath(), HttpVerbs, Handler);
	Routes.FindOrAdd(HttpPath.GetPath()).Add(RouteHandle);
	return RouteHandle;
}

void FHttpRouter::UnbindRoute(const FHttpRouteHandle& RouteHandle)
{
	if (!ensure(RouteHandle.IsValid()))
	{
		return;
	}
	if (const FHttpRouteHandle Bound = FindRoute(RouteHandle->Path, RouteHandle->Verbs))
	{
		// Only the owner of a route may unbind it.
		check(Bound == RouteHandle);
		Routes.FindChecked(RouteHandle->Path).Remove(Bound);
	}
}

FHttpRouteHandle FHttpRouter::FindRoute(const FString& Path, EHttpServerRequestVerbs Verbs) const
{
	if (const TArray<FHttpRouteHandle>* const RoutesAtPath = Routes.Find(Path))
	{
		for (const FHttpRouteHandle& Route : *RoutesAtPath)
		{
			if ((Route->Verbs & Verbs) != EHttpServerRequestVerbs::VERB_NONE)
			{
				return Route;
			}
		}
	}
	return nullptr;
}
