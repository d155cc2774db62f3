#include "Containers/Ticker.h"
#include "LogCapture.h"
#include "LoopbackHttpServer.h"
#include "UObject/UObjectGlobals.h"
#include "ZOVAHttpTestFixture.h"

namespace
{
	/** A factory call, named for the trace. */
	struct FSendCase
	{
		const char* Name;
		UZOVAHttpRequest* (*Send)();
	};
}

class FHttpLifetimeTest : public FZOVAHttpTestBase
{
protected:
	FLoopbackHttpServer Server;
};

TEST_F(FHttpLifetimeTest, TheActionSurvivesCollectionWhileInFlightAndIsCollectedOnceItReports)
{
	UZOVAHttpRequest* const Action = UZOVAHttpRequest::HttpGetRequest(ToFString(Server.Url("/hold")));
	const TWeakObjectPtr<UZOVAHttpRequest> Weak(Action);
	const UZOVAHttpTestListener* const Listener = Activate(Action);
	ASSERT_TRUE(TickEngineLoopUntil([this]() { return !Server.GetRecordedRequests().empty(); }, MaxWaitSeconds, MaxWaitFrames));

	CollectGarbage();
	ASSERT_TRUE(Weak.IsValid());
	EXPECT_TRUE(Action->IsRooted());
	EXPECT_TRUE(Listener->Reports.IsEmpty());

	Server.ReleaseHeldRequests();
	WaitForReport(Listener);
	ExpectOneReport(Listener, true, 200, TEXT("held"));
	EXPECT_FALSE(Action->IsRooted());
	CollectGarbage();
	EXPECT_FALSE(Weak.IsValid());
}

TEST_F(FHttpLifetimeTest, RequestsStartedInTheSameFrameReportIndependently)
{
	const FString Closed = FString::Printf(TEXT("http://127.0.0.1:%d/"), FindClosedLoopbackPort());
	UZOVAHttpRequest* const Actions[] = {
		UZOVAHttpRequest::HttpGetRequest(ToFString(Server.Url("/slow/50"))),
		UZOVAHttpRequest::HttpPostRequest(ToFString(Server.Url("/status/404")), TEXT("{}")),
		UZOVAHttpRequest::HttpPostFormRequest(Closed, TEXT("a=1")),
	};
	const UZOVAHttpTestListener* const Listeners[] = {Activate(Actions[0]), Activate(Actions[1]), Activate(Actions[2])};
	for (const UZOVAHttpTestListener* Listener : Listeners)
	{
		WaitForReport(Listener);
	}
	ExpectOneReport(Listeners[0], true, 200, TEXT("slow"));
	ExpectOneReport(Listeners[1], true, 404, TEXT("status 404"));
	ExpectOneReport(Listeners[2], false, -1, FString());
	for (const UZOVAHttpRequest* Action : Actions)
	{
		EXPECT_FALSE(Action->IsRooted());
	}
}

// ProcessRequest fails a request without a URL at once, inside the factory: the result must wait
// for Activate, when the node has bound its pins, and the action must stay alive until then.
// UE 5.4 and 5.8 HttpRequestCommon.cpp; 5.8 Editor/BlueprintGraph/Private/K2Node_BaseAsyncTask.cpp
TEST_F(FHttpLifetimeTest, AResultThatArrivesBeforeActivateIsHeldForIt)
{
	const FSendCase Cases[] = {
		{"GET", []() { return UZOVAHttpRequest::HttpGetRequest(FString()); }},
		{"POST Json", []() { return UZOVAHttpRequest::HttpPostRequest(FString(), TEXT("{}")); }},
		{"POST Form", []() { return UZOVAHttpRequest::HttpPostFormRequest(FString(), TEXT("a=1")); }},
	};
	for (const FSendCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const FLogCapture Log;
		UZOVAHttpRequest* const Action = Case.Send();
		EXPECT_TRUE(Log.Lines.Contains(TEXT("LogHttp: Warning: ProcessRequest failed. No URL was specified.")));
		const TWeakObjectPtr<UZOVAHttpRequest> Weak(Action);
		CollectGarbage();
		ASSERT_TRUE(Weak.IsValid());
		EXPECT_TRUE(Action->IsRooted());

		UZOVAHttpTestListener* const Listener = Listen(Action);
		for (int32 Frame = 0; Frame < 3; ++Frame)
		{
			GEngineLoop.Tick();
		}
		EXPECT_TRUE(Listener->Reports.IsEmpty());

		Action->Activate();
		ExpectOneReport(Listener, false, -1, FString());
		EXPECT_FALSE(Action->IsRooted());
		Action->Activate();
		GEngineLoop.Tick();
		EXPECT_EQ(Listener->Reports.Num(), 1);
		CollectGarbage();
		EXPECT_FALSE(Weak.IsValid());
	}
}

// UE 5.2 and 5.8, Runtime/Engine/Private/Kismet/BlueprintAsyncActionBase.cpp: nothing keeps an action
// that was never activated unless it is registered with a game instance, and then only until the game
// instance goes. These actions root themselves, so they bound the wait for Activate themselves.
TEST_F(FHttpLifetimeTest, AnActionNeverActivatedReportsItsHeldResultAfterTheWaitAndIsCollected)
{
	const FSendCase Cases[] = {
		{"no URL", []() { return UZOVAHttpRequest::HttpGetRequest(FString()); }},
		{"a refused scheme", []() { return UZOVAHttpRequest::HttpPostRequest(TEXT("ftp://127.0.0.1/upload"), TEXT("{}")); }},
	};
	for (const FSendCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const FLogCapture Log;
		UZOVAHttpRequest* const Action = Case.Send();
		const TWeakObjectPtr<UZOVAHttpRequest> Weak(Action);
		// A C++ caller that binds the outputs and forgets Activate.
		const UZOVAHttpTestListener* const Listener = Listen(Action);

		FTSTicker::GetCoreTicker().Tick(UZOVAHttpRequest::UnactivatedResultSeconds - 1.0f);
		CollectGarbage();
		ASSERT_TRUE(Weak.IsValid());
		EXPECT_TRUE(Action->IsRooted());
		EXPECT_TRUE(Listener->Reports.IsEmpty()) << "the result still waits for Activate";

		FTSTicker::GetCoreTicker().Tick(2.0f);
		ExpectOneReport(Listener, false, -1, FString());
		EXPECT_FALSE(Action->IsRooted());
		Action->Activate();
		EXPECT_EQ(Listener->Reports.Num(), 1) << "a late Activate reports nothing more";
		// The engine collects garbage about once a minute, so the action may well live through another wait.
		FTSTicker::GetCoreTicker().Tick(UZOVAHttpRequest::UnactivatedResultSeconds + 1.0f);
		EXPECT_EQ(Listener->Reports.Num(), 1) << "the held result is reported once, not once per wait";
		CollectGarbage();
		EXPECT_FALSE(Weak.IsValid());
	}
}

TEST_F(FHttpLifetimeTest, ActivatingInTimeReportsOnceAndTheWaitEndsWithIt)
{
	UZOVAHttpRequest* const Action = UZOVAHttpRequest::HttpGetRequest(FString());
	UZOVAHttpTestListener* const Listener = Activate(Action);
	ExpectOneReport(Listener, false, -1, FString());
	FTSTicker::GetCoreTicker().Tick(UZOVAHttpRequest::UnactivatedResultSeconds + 1.0f);
	EXPECT_EQ(Listener->Reports.Num(), 1);
	EXPECT_FALSE(Action->IsRooted());
}
