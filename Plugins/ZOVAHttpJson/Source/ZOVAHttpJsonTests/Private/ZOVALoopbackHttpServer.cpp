// Copyright ZOVA. All Rights Reserved.

#include "ZOVALoopbackHttpServer.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "HttpPath.h"
#include "HttpRequestHandler.h"
#include "IHttpRouter.h"

namespace
{
	constexpr EHttpServerRequestVerbs EveryVerb = EHttpServerRequestVerbs::VERB_GET | EHttpServerRequestVerbs::VERB_POST | EHttpServerRequestVerbs::VERB_PUT
		| EHttpServerRequestVerbs::VERB_PATCH | EHttpServerRequestVerbs::VERB_DELETE | EHttpServerRequestVerbs::VERB_OPTIONS;
}

FZOVALoopbackHttpServer::FZOVALoopbackHttpServer(TSharedRef<IHttpRouter> InRouter, uint32 InPort)
	: Router(MoveTemp(InRouter))
	, Port(InPort)
{
}

FZOVALoopbackHttpServer::~FZOVALoopbackHttpServer()
{
	// A request still waiting is answered, so that no connection outlives its route.
	ReleaseHeld();
	for (const FHttpRouteHandle& Route : Routes)
	{
		Router->UnbindRoute(Route);
	}
}

bool FZOVALoopbackHttpServer::Route(const FString& Path, TFunction<TUniquePtr<FHttpServerResponse>(const FHttpServerRequest&)> Answer)
{
	return Bind(Path, [Answer = MoveTemp(Answer)](const FHttpServerRequest& Request, const FHttpResultCallback& OnComplete)
		{
			OnComplete(Answer(Request));
		});
}

bool FZOVALoopbackHttpServer::RouteHeld(const FString& Path, const FString& Text)
{
	return Bind(Path, [this, Text](const FHttpServerRequest& Request, const FHttpResultCallback& OnComplete)
		{
			Held.Emplace(OnComplete, Text);
		});
}

void FZOVALoopbackHttpServer::ReleaseHeld()
{
	TArray<TPair<FHttpResultCallback, FString>> Waiting = MoveTemp(Held);
	for (const TPair<FHttpResultCallback, FString>& Request : Waiting)
	{
		Request.Key(FHttpServerResponse::Create(Request.Value, TEXT("text/plain")));
	}
}

FString FZOVALoopbackHttpServer::Url(const FString& PathAndQuery, const TCHAR* Scheme) const
{
	return FString::Printf(TEXT("%s://127.0.0.1:%u%s"), Scheme, Port, *PathAndQuery);
}

int32 FZOVALoopbackHttpServer::CountRequests(const FString& Path) const
{
	int32 Count = 0;
	for (const FZOVAServedRequest& Request : Requests)
	{
		if (Request.Path.Equals(Path, ESearchCase::CaseSensitive) || Request.Path.StartsWith(Path + TEXT("/"), ESearchCase::CaseSensitive))
		{
			++Count;
		}
	}
	return Count;
}

bool FZOVALoopbackHttpServer::Bind(const FString& Path, TFunction<void(const FHttpServerRequest&, const FHttpResultCallback&)> Handle)
{
	const FHttpRouteHandle Route = Router->BindRoute(FHttpPath(Path), EveryVerb, FHttpRequestHandler::CreateLambda([this, Handle = MoveTemp(Handle)](const FHttpServerRequest& Request, const FHttpResultCallback& OnComplete)
		{
			Requests.Add({Request.FullPath.GetPath(), Request.Verb, Request.Headers, Request.Body});
			Handle(Request, OnComplete);
			return true;
		}));
	if (!Route.IsValid())
	{
		return false;
	}
	Routes.Add(Route);
	return true;
}

#endif
