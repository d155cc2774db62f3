// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Kismet/BlueprintAsyncActionBase.h"
#include "Misc/AutomationTest.h"
#include "UObject/GarbageCollection.h"
#include "ZOVAHttpNodeRun.h"
#include "ZOVAHttpResultRecorder.h"
#include "ZOVAHttpTestBase.h"
#include "ZOVALoopbackHttpServer.h"
#include "ZOVAWaitUntilLatentCommand.h"

#if WITH_DEV_AUTOMATION_TESTS

IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpInFlightTest, FZOVAHttpTestBase, "ZOVA.Http.Lifetime.InFlightSurvivesCollection", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpSameFrameTest, FZOVAHttpTestBase, "ZOVA.Http.Lifetime.SameFrameRequestsReportApart", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpEarlyResultTest, FZOVAHttpTestBase, "ZOVA.Http.Lifetime.ResultBeforeActivateWaits", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FZOVAHttpInFlightTest::RunTest(const FString& Parameters)
{
	const TSharedPtr<FZOVALoopbackHttpServer> Server = StartServer();
	UTEST_VALID(TEXT("The loopback server"), Server);
	UTEST_TRUE(TEXT("A route that answers when told"), Server->RouteHeld(TEXT("/zova-tests/hold"), TEXT("held")));
	const TSharedRef<FZOVAHttpNodeRun> Run = FZOVAHttpNodeRun::Start(*this, TEXT("HttpGetRequest"), Server->Url(TEXT("/zova-tests/hold")));
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("The request reaching the server"), [Server]()
		{
			return Server->GetRequests().Num() > 0;
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Run]()
		{
			// Nothing but the action itself keeps it while its request is in flight.
			CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
			if (TestNotNull(TEXT("The action in flight after a collection"), Run->GetAction()))
			{
				TestTrue(TEXT("The action in flight is rooted"), Run->GetAction()->IsRooted());
			}
			TestEqual(TEXT("Outputs fired in flight"), Run->GetResults().Num(), 0);
			Server->ReleaseHeld();
			return true;
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("The node's result"), [Run]()
		{
			return FZOVAHttpNodeRun::HaveAllReported({Run});
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Run]()
		{
			Run->TestOneResult(*this, true, 200, TEXT("held"));
			if (TestNotNull(TEXT("The action that reported"), Run->GetAction()))
			{
				TestFalse(TEXT("The action that reported is rooted"), Run->GetAction()->IsRooted());
			}
			CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
			TestNull(TEXT("The action after a collection"), Run->GetAction());
			return true;
		}));
	return true;
}

bool FZOVAHttpSameFrameTest::RunTest(const FString& Parameters)
{
	const TSharedPtr<FZOVALoopbackHttpServer> Server = StartServer();
	UTEST_VALID(TEXT("The loopback server"), Server);
	UTEST_TRUE(TEXT("A route that answers when told"), Server->RouteHeld(TEXT("/zova-tests/later"), TEXT("later")));
	UTEST_TRUE(TEXT("A missing page"), Server->Route(TEXT("/zova-tests/missing"), [](const FHttpServerRequest&)
		{
			TUniquePtr<FHttpServerResponse> Response = FHttpServerResponse::Create(TEXT("missing"), TEXT("text/plain"));
			Response->Code = EHttpServerResponseCodes::NotFound;
			return Response;
		}));
	// Started in one frame; the first is answered only once the other two have reported.
	const TArray<TSharedRef<FZOVAHttpNodeRun>> Runs = {
		FZOVAHttpNodeRun::Start(*this, TEXT("HttpGetRequest"), Server->Url(TEXT("/zova-tests/later"))),
		FZOVAHttpNodeRun::Start(*this, TEXT("HttpPostRequest"), Server->Url(TEXT("/zova-tests/missing")), TEXT("{}")),
		FZOVAHttpNodeRun::Start(*this, TEXT("HttpPostFormRequest"), TEXT("http://zova-http-request-test.invalid/"), TEXT("a=1")),
	};
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("Results from the second and third nodes"), [Runs]()
		{
			return FZOVAHttpNodeRun::HaveAllReported({Runs[1], Runs[2]});
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Runs]()
		{
			TestEqual(TEXT("Outputs fired by the held request"), Runs[0]->GetResults().Num(), 0);
			Server->ReleaseHeld();
			return true;
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("The first node's result"), [Runs]()
		{
			return FZOVAHttpNodeRun::HaveAllReported(Runs);
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Runs]()
		{
			Runs[0]->TestOneResult(*this, true, 200, TEXT("later"));
			Runs[1]->TestOneResult(*this, true, 404, TEXT("missing"));
			Runs[2]->TestOneResult(*this, false, -1, FString());
			for (const TSharedRef<FZOVAHttpNodeRun>& Run : Runs)
			{
				TestFalse(FString::Printf(TEXT("%s is rooted after its result"), *Run->GetName()), Run->GetAction() && Run->GetAction()->IsRooted());
			}
			return true;
		}));
	return true;
}

// The engine fails a request without a URL at once, inside the factory: the result must wait for
// Activate, when the node has bound its outputs, and the action must stay alive until then.
bool FZOVAHttpEarlyResultTest::RunTest(const FString& Parameters)
{
	TArray<TSharedRef<FZOVAHttpNodeRun>> Runs;
	for (const TCHAR* const Factory : {TEXT("HttpGetRequest"), TEXT("HttpPostRequest"), TEXT("HttpPostFormRequest")})
	{
		Runs.Add(MakeShared<FZOVAHttpNodeRun>(*this, Factory, FString(), TEXT("{}")));
	}
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("Frames before Activate"), []()
		{
			return true;
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Runs]()
		{
			CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
			for (const TSharedRef<FZOVAHttpNodeRun>& Run : Runs)
			{
				TestEqual(*FString::Printf(TEXT("Outputs fired by %s before Activate"), *Run->GetName()), Run->GetResults().Num(), 0);
				if (!TestNotNull(*FString::Printf(TEXT("%s before Activate"), *Run->GetName()), Run->GetAction()))
				{
					continue;
				}
				TestTrue(FString::Printf(TEXT("%s is rooted before Activate"), *Run->GetName()), Run->GetAction()->IsRooted());
				Run->Activate();
				Run->TestOneResult(*this, false, -1, FString());
				TestFalse(FString::Printf(TEXT("%s is rooted after Activate"), *Run->GetName()), Run->GetAction()->IsRooted());
				// A second Activate reports nothing more.
				Run->Activate();
			}
			return true;
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("Frames after Activate"), []()
		{
			return true;
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Runs]()
		{
			CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
			for (const TSharedRef<FZOVAHttpNodeRun>& Run : Runs)
			{
				TestEqual(*FString::Printf(TEXT("Outputs fired by %s"), *Run->GetName()), Run->GetResults().Num(), 1);
				TestNull(*FString::Printf(TEXT("%s once collected"), *Run->GetName()), Run->GetAction());
			}
			return true;
		}));
	return true;
}

#endif
