// Copyright ZOVA. All Rights Reserved.

#include "ZOVAHttpTestBase.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "HttpServerModule.h"
#include "IHttpRouter.h"
#include "ZOVALoopbackHttpServer.h"

namespace
{
	constexpr uint32 FirstCandidatePort = 19400;
	constexpr uint32 NumCandidatePorts = 100;
}

FZOVAHttpTestBase::FZOVAHttpTestBase(const FString& InName, const bool bInComplexTask)
	: FAutomationTestBase(InName, bInComplexTask)
{
}

bool FZOVAHttpTestBase::ShouldCaptureLogCategory(const FName& Category) const
{
	// The HTTP module logs each failed request as a warning, followed by as many more as libcurl left
	// messages, and the editor counts warnings as errors: the tests judge the nodes by their outputs.
	if (Category == FName(TEXT("LogHttp")))
	{
		return false;
	}
	if (bSeekingPort && (Category == FName(TEXT("LogHttpListener")) || Category == FName(TEXT("LogHttpServerModule"))))
	{
		return false;
	}
	return FAutomationTestBase::ShouldCaptureLogCategory(Category);
}

TSharedPtr<FZOVALoopbackHttpServer> FZOVAHttpTestBase::StartServer()
{
	FHttpServerModule& ServerModule = FHttpServerModule::Get();
	ServerModule.StartAllListeners();
	TSharedPtr<FZOVALoopbackHttpServer> Server;
	// With listeners started, a port that cannot be bound gives no router. A port this process already
	// listens on (an earlier test's) gives its router again.
	bSeekingPort = true;
	for (uint32 Port = FirstCandidatePort; Port < FirstCandidatePort + NumCandidatePorts && !Server; ++Port)
	{
		if (const TSharedPtr<IHttpRouter> Router = ServerModule.GetHttpRouter(Port, true))
		{
			Server = MakeShared<FZOVALoopbackHttpServer>(Router.ToSharedRef(), Port);
		}
	}
	bSeekingPort = false;
	if (!Server)
	{
		AddError(FString::Printf(TEXT("No port from %u to %u could be listened on"), FirstCandidatePort, FirstCandidatePort + NumCandidatePorts - 1));
	}
	return Server;
}

#endif
