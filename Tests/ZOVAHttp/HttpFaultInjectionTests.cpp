#include "FaultyHttpServer.h"
#include "HttpModule.h"
#include "LoopbackHttpServer.h"
#include "UObject/UObjectGlobals.h"
#include "ZOVAHttpTestFixture.h"

/** Servers that break the rules of HTTP, met by the request nodes as a Blueprint would drive them. */
class FHttpFaultInjectionTest : public FZOVAHttpTestBase
{
protected:
	/** Past the connection limit per server, so that some requests wait for a connection. */
	static constexpr int32 NumSilentRequests = 20;
	static constexpr float ShortTotalTimeout = 1.5f;
	/** Well under the 30 s activity timeout, so that only the total timeout can end a silent request in time. */
	static constexpr double TimeoutBoundSeconds = 15.0;
	static constexpr size_t TenMegabytes = 10 * 1024 * 1024;

	virtual void SetUp() override { SavedTotalTimeout = FHttpModule::Get().GetHttpTotalTimeout(); }

	virtual void TearDown() override
	{
		FHttpModule::Get().SetHttpTimeout(SavedTotalTimeout);
		FZOVAHttpTestBase::TearDown();
	}

	/**
	 * Activates every action as the node does and ticks until each has reported, then a few frames
	 * more. Whatever the report, nothing may hold an action afterwards: a collection takes them all.
	 * @return the listeners, in the order of the actions
	 */
	TArray<const UZOVAHttpTestListener*> ActivateAndWait(const TArray<UZOVAHttpRequest*>& Actions, double MaxSeconds)
	{
		TArray<const UZOVAHttpTestListener*> Started;
		TArray<TWeakObjectPtr<UZOVAHttpRequest>> Weak;
		for (UZOVAHttpRequest* const Action : Actions)
		{
			Started.Add(Activate(Action));
			Weak.Add(Action);
		}
		const bool bAllReported = TickEngineLoopUntil([&Started]() {
			return !Started.ContainsByPredicate([](const UZOVAHttpTestListener* Listener) { return Listener->Reports.IsEmpty(); });
		}, MaxSeconds, MaxWaitFrames);
		EXPECT_TRUE(bAllReported);
		for (int32 Frame = 0; Frame < 3; ++Frame)
		{
			GEngineLoop.Tick();
		}
		EXPECT_FALSE(Actions.ContainsByPredicate([](const UZOVAHttpRequest* Action) { return Action->IsRooted(); }));
		CollectGarbage();
		EXPECT_FALSE(Weak.ContainsByPredicate([](const TWeakObjectPtr<UZOVAHttpRequest>& Action) { return Action.IsValid(); }));
		return Started;
	}

	/** ExpectOneReport for a success whose body is too large to print when it differs. */
	static void ExpectLargeSuccess(const UZOVAHttpTestListener* Listener, const FString& Data)
	{
		ASSERT_EQ(Listener->Reports.Num(), 1);
		const FZOVAHttpReport& Report = Listener->Reports[0];
		EXPECT_TRUE(Report.bSuccess);
		EXPECT_EQ(Report.Code, 200);
		EXPECT_TRUE(Report.bOnGameThread);
		EXPECT_EQ(Report.Data.Len(), Data.Len());
		EXPECT_TRUE(Report.Data.Equals(Data, ESearchCase::CaseSensitive));
	}

	FFaultyHttpServer Faulty;
	FLoopbackHttpServer Server;
	float SavedTotalTimeout = 0.0f;
};

TEST_F(FHttpFaultInjectionTest, BodiesCutShortReachOnFail)
{
	struct FCase
	{
		const char* Path;
		bool bPost;
	};
	const FCase Cases[] = {
		{"/reset", false},
		{"/reset", true},
		{"/chunked-truncated", false},
		{"/chunked-truncated", true},
	};
	TArray<UZOVAHttpRequest*> Actions;
	for (const FCase& Case : Cases)
	{
		const FString Url = ToFString(Faulty.Url(Case.Path));
		Actions.Add(Case.bPost ? UZOVAHttpRequest::HttpPostRequest(Url, TEXT("{\"a\":1}")) : UZOVAHttpRequest::HttpGetRequest(Url));
	}
	const TArray<const UZOVAHttpTestListener*> Listeners = ActivateAndWait(Actions, MaxWaitSeconds);
	for (int32 Index = 0; Index < Listeners.Num(); ++Index)
	{
		SCOPED_TRACE(testing::Message() << Cases[Index].Path << (Cases[Index].bPost ? " POST" : " GET"));
		ExpectOneReport(Listeners[Index], false, -1, FString());
	}
	EXPECT_EQ(Faulty.GetRequestCount("/reset"), 2);
	EXPECT_EQ(Faulty.GetRequestCount("/chunked-truncated"), 2);
}

// The plug-in sets no timeout of its own: the module's total timeout is what ends these.
TEST_F(FHttpFaultInjectionTest, AServerThatNeverAnswersOrNeverFinishesEndsInOnFailAtTheTotalTimeout)
{
	FHttpModule::Get().SetHttpTimeout(ShortTotalTimeout);
	TArray<UZOVAHttpRequest*> Actions;
	for (int32 Index = 0; Index < NumSilentRequests; ++Index)
	{
		const FString Url = ToFString(Faulty.Url("/silent"));
		Actions.Add(Index % 2 == 0 ? UZOVAHttpRequest::HttpGetRequest(Url) : UZOVAHttpRequest::HttpPostFormRequest(Url, TEXT("a=1")));
	}
	// On a server of its own, so that it does not wait behind the silent ones for a connection.
	const FFaultyHttpServer TrickleServer;
	Actions.Add(UZOVAHttpRequest::HttpPostRequest(ToFString(TrickleServer.Url("/trickle")), TEXT("{}")));

	const TArray<const UZOVAHttpTestListener*> Listeners = ActivateAndWait(Actions, TimeoutBoundSeconds);
	for (int32 Index = 0; Index < Listeners.Num(); ++Index)
	{
		SCOPED_TRACE(testing::Message() << "request " << Index);
		ExpectOneReport(Listeners[Index], false, -1, FString());
	}
	// Those that waited for a connection may have timed out before the server saw them.
	EXPECT_GT(Faulty.GetRequestCount("/silent"), 0);
	EXPECT_LE(Faulty.GetRequestCount("/silent"), NumSilentRequests);
	EXPECT_EQ(TrickleServer.GetRequestCount("/trickle"), 1);
}

TEST_F(FHttpFaultInjectionTest, TenMegabyteBodiesArriveWholeBothWays)
{
	// Multi-byte characters throughout, so that a block boundary inside a character would show.
	std::string Json = "[";
	for (int32 Index = 0; Json.size() < TenMegabytes; ++Index)
	{
		Json += "\"名前 " + std::to_string(Index) + "\",";
	}
	Json += "\"end\"]";

	const TArray<UZOVAHttpRequest*> Actions = {
		UZOVAHttpRequest::HttpGetRequest(ToFString(Faulty.Url("/large/" + std::to_string(TenMegabytes)))),
		UZOVAHttpRequest::HttpPostRequest(ToFString(Server.Url("/echo")), ToFString(Json)),
	};
	const TArray<const UZOVAHttpTestListener*> Listeners = ActivateAndWait(Actions, MaxWaitSeconds);
	{
		SCOPED_TRACE("GET");
		ExpectLargeSuccess(Listeners[0], ToFString(FFaultyHttpServer::LargeBody(TenMegabytes)));
	}
	{
		SCOPED_TRACE("POST Json");
		ExpectLargeSuccess(Listeners[1], ToFString(Json));
		const std::vector<FRecordedRequest> Seen = Server.GetRecordedRequests();
		ASSERT_EQ(Seen.size(), 1u);
		EXPECT_EQ(Seen[0].Body.size(), Json.size());
		EXPECT_TRUE(Seen[0].Body == Json);
	}
}

TEST_F(FHttpFaultInjectionTest, RedirectChainsAreFollowedAndALoopEndsInOnFail)
{
	const TArray<UZOVAHttpRequest*> Actions = {
		UZOVAHttpRequest::HttpGetRequest(ToFString(Faulty.Url("/redirect/3"))),
		UZOVAHttpRequest::HttpGetRequest(ToFString(Faulty.Url("/redirect-loop"))),
	};
	const TArray<const UZOVAHttpTestListener*> Listeners = ActivateAndWait(Actions, MaxWaitSeconds);
	ExpectOneReport(Listeners[0], true, 200, TEXT("redirected"));
	for (const char* const Hop : {"/redirect/3", "/redirect/2", "/redirect/1", "/redirect/0"})
	{
		EXPECT_EQ(Faulty.GetRequestCount(Hop), 1) << Hop;
	}
	ExpectOneReport(Listeners[1], false, -1, FString());
	// The first request and ten redirects followed.
	EXPECT_EQ(Faulty.GetRequestCount("/redirect-loop"), 11);
}
