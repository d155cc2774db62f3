#include "HttpRequestHandlerIterator.h"
#include "HttpRouter.h"

FHttpRequestHandlerIterator::FHttpRequestHandlerIterator(TSharedPtr<FHttpServerRequest> InRequest, const FHttpRouter& InRouter)
	: Request(MoveTemp(InRequest))
	, Router(InRouter)
	, NextPath(Request->RelativePath.GetPath())
{
}

FHttpRouteHandle FHttpRequestHandlerIterator::Next()
{
	while (!bLastIteration)
	{
		if (!bFirstIteration)
		{
			int32 SlashIndex = INDEX_NONE;
			if (NextPath.FindLastChar(TEXT('/'), SlashIndex))
			{
				NextPath.RemoveAt(SlashIndex, NextPath.Len() - SlashIndex);
				if (NextPath.IsEmpty())
				{
					NextPath.AppendChar(TEXT('/'));
					bLastIteration = true;
				}
			}
			else
			{
				bLastIteration = true;
			}
		}
		bFirstIteration = false;

		if (const FHttpRouteHandle Route = Router.FindRoute(NextPath, Request->Verb))
		{
			Request->RelativePath.MakeRelative(NextPath);
			return Route;
		}
	}
	return nullptr;
}
