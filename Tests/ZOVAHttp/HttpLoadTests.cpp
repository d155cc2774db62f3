#include "FaultyHttpServer.h"
#include "HttpModule.h"
#include "LoopbackHttpServer.h"
#include "UObject/UObjectGlobals.h"
#include "ZOVAHttpTestFixture.h"

/** Many requests in flight at once: normal ones among servers that fail in every way the fault tests know. */
class FHttpLoadTest : public FZOVAHttpTestBase
{
protected:
	static constexpr int32 NumRequests = 2000;
	static constexpr float SilentTimeout = 1.5f;
	static constexpr size_t LargeBodyBytes = 64 * 1024;
	static constexpr double SliceSeconds = 0.25;
	static constexpr int32 MaxWaitSlices = 480;

	/** The one report a request of the mix must get: OnFail with -1 and no data unless set. */
	struct FExpected
	{
		bool bSuccess = false;
		int32 Code = -1;
		FString Data;
	};

	static UZOVAHttpRequest* SendGet(const std::string& Url) { return UZOVAHttpRequest::HttpGetRequest(ToFString(Url)); }

	/** Starts request Index of the mix, one of twenty kinds in turn, and says what it must report. */
	UZOVAHttpRequest* StartMixed(int32 Index, FExpected& OutExpected)
	{
		switch (Index % 20)
		{
		case 0:
		{
			// Only these get a total timeout: with one for all, requests waiting their turn for a
			// connection could run out of time. A request keeps the timeout it started with.
			const float SavedTimeout = FHttpModule::Get().GetHttpTotalTimeout();
			FHttpModule::Get().SetHttpTimeout(SilentTimeout);
			UZOVAHttpRequest* const Action = SendGet(Silent.Url("/silent"));
			FHttpModule::Get().SetHttpTimeout(SavedTimeout);
			return Action;
		}
		case 1:
			return SendGet(Faulty.Url("/reset"));
		case 2:
			return SendGet(Faulty.Url("/chunked-truncated"));
		case 3:
			return SendGet(Dropping.Url());
		case 4:
			return SendGet("http://127.0.0.1:" + std::to_string(ClosedPort) + "/");
		case 5:
			OutExpected = {true, 200, TEXT("redirected")};
			return SendGet(Faulty.Url("/redirect/3"));
		case 6:
			return SendGet(Faulty.Url("/redirect-loop"));
		case 7:
			OutExpected = {true, 200, ToFString(FFaultyHttpServer::LargeBody(LargeBodyBytes))};
			return SendGet(Faulty.Url("/large/" + std::to_string(LargeBodyBytes)));
		case 8:
			OutExpected = {true, 200, TEXT("slow")};
			return SendGet(Server.Url("/slow/100"));
		case 9:
			OutExpected = {true, 404, TEXT("status 404")};
			return UZOVAHttpRequest::HttpPostFormRequest(ToFString(Server.Url("/status/404")), FString::Printf(TEXT("index=%d"), Index));
		default:
		{
			const FString Json = FString::Printf(TEXT("{\"index\":%d,\"text\":\"名前\"}"), Index);
			OutExpected = {true, 200, Json};
			return UZOVAHttpRequest::HttpPostRequest(ToFString(Server.Url("/echo")), Json);
		}
		}
	}

	FLoopbackHttpServer Server;
	FDroppingServer Dropping;
	FFaultyHttpServer Faulty;
	/** Apart from the others, so that the connections it holds keep no other request waiting. */
	FFaultyHttpServer Silent;
	const int ClosedPort = FindClosedLoopbackPort();
};

TEST_F(FHttpLoadTest, TwoThousandRequestsAmongFaultyServersEachReportExactlyOnce)
{
	TArray<FExpected> Expected;
	TArray<TWeakObjectPtr<UZOVAHttpRequest>> Actions;
	TArray<const UZOVAHttpTestListener*> Started;
	for (int32 Index = 0; Index < NumRequests; ++Index)
	{
		FExpected& Expect = Expected.AddDefaulted_GetRef();
		UZOVAHttpRequest* const Action = StartMixed(Index, Expect);
		Actions.Add(Action);
		Started.Add(Activate(Action));
	}

	// Collections run while the requests are in flight, as a game's do: none may take an action
	// before it has reported.
	const auto AllReported = [&Started]() {
		return !Started.ContainsByPredicate([](const UZOVAHttpTestListener* Listener) { return Listener->Reports.IsEmpty(); });
	};
	bool bAllReported = false;
	for (int32 Slice = 0; Slice < MaxWaitSlices && !bAllReported; ++Slice)
	{
		bAllReported = TickEngineLoopUntil(AllReported, SliceSeconds, MaxWaitFrames);
		CollectGarbage();
	}
	ASSERT_TRUE(bAllReported);
	for (int32 Frame = 0; Frame < 3; ++Frame)
	{
		GEngineLoop.Tick();
	}

	int32 Mismatches = 0;
	for (int32 Index = 0; Index < NumRequests; ++Index)
	{
		const TArray<FZOVAHttpReport>& Reports = Started[Index]->Reports;
		const bool bAsExpected = Reports.Num() == 1 && Reports[0].bSuccess == Expected[Index].bSuccess && Reports[0].Code == Expected[Index].Code
			&& Reports[0].Data.Equals(Expected[Index].Data, ESearchCase::CaseSensitive) && Reports[0].bOnGameThread && !(Actions[Index].IsValid() && Actions[Index]->IsRooted());
		if (!bAsExpected && Mismatches++ < 5)
		{
			ADD_FAILURE() << "request " << Index << " (kind " << Index % 20 << "): " << Reports.Num() << " reports";
		}
	}
	EXPECT_EQ(Mismatches, 0);

	CollectGarbage();
	EXPECT_FALSE(Actions.ContainsByPredicate([](const TWeakObjectPtr<UZOVAHttpRequest>& Action) { return Action.IsValid(); }));
}
