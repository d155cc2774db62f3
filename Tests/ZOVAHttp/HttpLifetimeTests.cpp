#include "Containers/Ticker.h"
#include "LogCapture.h"
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
};

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
