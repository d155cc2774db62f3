#include "LoopbackHttpServer.h"
#include "UObject/UObjectGlobals.h"
#include "ZOVAHttpTestFixture.h"

class FHttpLoadTest : public FZOVAHttpTestBase
{
protected:
	static constexpr int32 NumRequests = 1000;

	FLoopbackHttpServer Server;
	FDroppingServer Dropping;
};

TEST_F(FHttpLoadTest, AThousandRequestsInFlightEachReportExactlyOnce)
{
	struct FExpected
	{
		bool bSuccess;
		int32 Code;
		FString Data;
	};
	TArray<FExpected> Expected;
	TArray<TWeakObjectPtr<UZOVAHttpRequest>> Actions;
	TArray<const UZOVAHttpTestListener*> Started;
	for (int32 Index = 0; Index < NumRequests; ++Index)
	{
		UZOVAHttpRequest* Action = nullptr;
		switch (Index % 10)
		{
		case 0:
			Action = UZOVAHttpRequest::HttpGetRequest(ToFString(Dropping.Url()));
			Expected.Add({false, -1, FString()});
			break;
		case 1:
			Action = UZOVAHttpRequest::HttpGetRequest(ToFString(Server.Url("/truncated")));
			Expected.Add({false, -1, FString()});
			break;
		case 2:
			Action = UZOVAHttpRequest::HttpGetRequest(ToFString(Server.Url("/slow/100")));
			Expected.Add({true, 200, TEXT("slow")});
			break;
		default:
		{
			const FString Json = FString::Printf(TEXT("{\"index\":%d}"), Index);
			Action = UZOVAHttpRequest::HttpPostRequest(ToFString(Server.Url("/echo")), Json);
			Expected.Add({true, 200, Json});
			break;
		}
		}
		Actions.Add(Action);
		Started.Add(Activate(Action));
	}

	const bool bAllReported = TickEngineLoopUntil([&Started]() {
		return !Started.ContainsByPredicate([](const UZOVAHttpTestListener* Listener) { return Listener->Reports.IsEmpty(); });
	}, 120.0, MaxWaitFrames);
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
			&& Reports[0].Data.Equals(Expected[Index].Data, ESearchCase::CaseSensitive) && Reports[0].bOnGameThread && !Actions[Index]->IsRooted();
		if (!bAsExpected && Mismatches++ < 5)
		{
			ADD_FAILURE() << "request " << Index << ": " << Reports.Num() << " reports";
		}
	}
	EXPECT_EQ(Mismatches, 0);

	CollectGarbage();
	EXPECT_FALSE(Actions.ContainsByPredicate([](const TWeakObjectPtr<UZOVAHttpRequest>& Action) { return Action.IsValid(); }));
}
