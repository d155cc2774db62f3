#include "FaultyHttpServer.h"
#include "HttpTestFixture.h"
#include "LogCapture.h"
#include "LoopbackHttpServer.h"

class FHttpFailureTest : public FHttpTestBase
{
protected:
	static void ExpectFailedOnce(const FHttpCompletions& Completions)
	{
		EXPECT_EQ(Completions.Calls, 1);
		EXPECT_TRUE(Completions.bOnGameThread);
		EXPECT_FALSE(Completions.bConnectedSuccessfully);
		EXPECT_FALSE(Completions.Response.IsValid());
		ASSERT_TRUE(Completions.Request.IsValid());
		EXPECT_EQ(Completions.Request->GetStatus(), EHttpRequestStatus::Failed);
	}

	FLoopbackHttpServer Server;
};

// UE 5.4 and 5.8, Online/HTTP/Private/GenericPlatform/HttpRequestCommon.cpp
TEST_F(FHttpFailureTest, RequestsThatCannotStartCompleteInsideProcessRequest)
{
	struct FCase
	{
		const TCHAR* Verb;
		std::string Url;
		const TCHAR* LogLine;
	};
	const FCase Cases[] = {
		{TEXT("GET"), "", TEXT("LogHttp: Warning: ProcessRequest failed. No URL was specified.")},
		{TEXT(""), Server.Url("/status/200"), TEXT("LogHttp: Warning: ProcessRequest failed. No Verb was specified.")},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.LogLine));
		const FLogCapture Log;
		FHttpCompletions Completions;
		const FHttpRequestRef Request = MakeRequest(Case.Verb, Case.Url, Completions);
		EXPECT_FALSE(Request->ProcessRequest());
		ExpectFailedOnce(Completions);
		EXPECT_TRUE(Log.Lines.Contains(Case.LogLine));

		for (int32 Frame = 0; Frame < 3; ++Frame)
		{
			GEngineLoop.Tick();
		}
		EXPECT_EQ(Completions.Calls, 1);
	}
	EXPECT_TRUE(Server.GetRecordedRequests().empty());
}

TEST_F(FHttpFailureTest, NoAnswerCompletesWithoutConnectionOrResponse)
{
	const FDroppingServer Dropping;
	const std::pair<const char*, std::string> Cases[] = {
		{"closed port", "http://127.0.0.1:" + std::to_string(FindClosedLoopbackPort()) + "/"},
		{"unresolvable name", "http://zova-http-test.invalid/"},
		{"dropped before answering", Dropping.Url()},
		{"dropped in the middle of the body", Server.Url("/truncated")},
	};
	for (const std::pair<const char*, std::string>& Case : Cases)
	{
		SCOPED_TRACE(Case.first);
		FHttpCompletions Completions;
		Send(Completions, TEXT("GET"), Case.second);
		ExpectFailedOnce(Completions);
	}
}

TEST_F(FHttpFailureTest, CancelEndsARequestInFlight)
{
	FHttpCompletions Completions;
	const FHttpRequestRef Request = MakeRequest(TEXT("GET"), Server.Url("/hold"), Completions);
	ASSERT_TRUE(Request->ProcessRequest());
	ASSERT_TRUE(TickEngineLoopUntil([this]() { return !Server.GetRecordedRequests().empty(); }, MaxWaitSeconds, MaxWaitFrames));
	EXPECT_EQ(Request->GetStatus(), EHttpRequestStatus::Processing);
	Request->CancelRequest();
	EXPECT_EQ(Completions.Calls, 0);
	WaitForCompletion(Completions);
	ExpectFailedOnce(Completions);
}

// UE 5.4 and 5.8, Online/HTTP/Private/GenericPlatform/HttpRequestCommon.cpp
TEST_F(FHttpFailureTest, ARequestInFlightRefusesToStartAgain)
{
	FHttpCompletions Completions;
	const FHttpRequestRef Request = MakeRequest(TEXT("GET"), Server.Url("/slow/100"), Completions);
	ASSERT_TRUE(Request->ProcessRequest());
	EXPECT_FALSE(Request->ProcessRequest());
	WaitForCompletion(Completions);
	EXPECT_EQ(Completions.Calls, 1);
	EXPECT_TRUE(Completions.bConnectedSuccessfully);
	EXPECT_EQ(Server.GetRecordedRequests().size(), 1u);
}

TEST_F(FHttpFailureTest, TheTotalTimeoutEndsRequestsThatGetNoAnswerOrNeverFinish)
{
	const FFaultyHttpServer Faulty;
	const std::string Paths[] = {"/silent", "/trickle"};
	FHttpCompletions Completions[2];
	const FLogCapture Log;
	const float SavedTimeout = FHttpModule::Get().GetHttpTotalTimeout();
	FHttpModule::Get().SetHttpTimeout(1.0f);
	for (int32 Index = 0; Index < 2; ++Index)
	{
		EXPECT_TRUE(MakeRequest(TEXT("GET"), Faulty.Url(Paths[Index]), Completions[Index])->ProcessRequest());
	}
	// A request keeps the timeout it started with.
	FHttpModule::Get().SetHttpTimeout(SavedTimeout);

	// Well before the activity timeout, which the trickle never trips anyway.
	const bool bBothCompleted = TickEngineLoopUntil([&Completions]() { return Completions[0].Calls > 0 && Completions[1].Calls > 0; }, 15.0, MaxWaitFrames);
	ASSERT_TRUE(bBothCompleted);
	for (int32 Index = 0; Index < 2; ++Index)
	{
		SCOPED_TRACE(Paths[Index]);
		ExpectFailedOnce(Completions[Index]);
		EXPECT_EQ(Faulty.GetRequestCount(Paths[Index]), 1);
		const FString LogStart = FString::Printf(TEXT("LogHttp: Warning: Request to %s failed: "), *ToFString(Faulty.Url(Paths[Index])));
		EXPECT_TRUE(Log.Lines.ContainsByPredicate([&LogStart](const FString& Line) { return Line.StartsWith(LogStart) && Line.Contains(TEXT("timed out")); }));
	}
}
