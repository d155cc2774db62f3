#include "AutomationTestRun.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
	/** What the latent blocks did, each step with the frame it ran in. */
	std::vector<std::string> GTrace;
	int32 GFrame = 0;
	FDoneDelegate GPendingDone;

	void Trace(const char* Step)
	{
		GTrace.push_back(std::string(Step) + "@" + std::to_string(GFrame));
	}

	/** Runs a test with GFrame following its frames, and returns the trace it left. */
	std::vector<std::string> TraceRun(const FString& TestCommand, FAutomationTestRun& OutRun, int32 DoneAtFrame = -1)
	{
		GTrace.clear();
		GFrame = 0;
		GPendingDone.Unbind();
		OutRun = RunAutomationTest(TestCommand, [DoneAtFrame](int32 Frame)
			{
				GFrame = Frame;
				if (Frame == DoneAtFrame)
				{
					GPendingDone.Execute();
				}
			});
		return GTrace;
	}
}

DEFINE_LATENT_AUTOMATION_COMMAND_ONE_PARAMETER(FAutomationTraceCommand, const char*, Step);

bool FAutomationTraceCommand::Update()
{
	Trace(Step);
	return true;
}

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationLatentOrderTest, "HostCore.Automation.LatentOrder", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FAutomationLatentOrderTest::RunTest(const FString& Parameters)
{
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([Polls = 0]() mutable
		{
			Trace("poll");
			return ++Polls == 3;
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FAutomationTraceCommand("first"));
	AddCommand(new FFunctionLatentCommand([]()
		{
			Trace("enqueue");
			ADD_LATENT_AUTOMATION_COMMAND(FAutomationTraceCommand("queued last"));
			return true;
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FAutomationTraceCommand("second"));
	Trace("RunTest");
	return true;
}

BEGIN_DEFINE_SPEC(FAutomationOrderSpec, "HostCore.Automation.Spec", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
END_DEFINE_SPEC(FAutomationOrderSpec)

void FAutomationOrderSpec::Define()
{
	BeforeEach([]()
		{
			Trace("outer before");
		});
	AfterEach([]()
		{
			Trace("outer after");
		});

	Describe(TEXT("Inner"), [this]()
		{
			BeforeEach([]()
				{
					Trace("inner before");
				});
			AfterEach([]()
				{
					Trace("inner after");
				});
			It(TEXT("runs its block"), []()
				{
					Trace("it");
				});
			LatentIt(TEXT("waits for done"), [](const FDoneDelegate& Done)
				{
					Trace("latent it");
					GPendingDone = Done;
				});
			LatentIt(TEXT("gives up"), FTimespan::FromMilliseconds(20), [](const FDoneDelegate& Done)
				{
					Trace("latent it");
				});
		});

	Describe(TEXT("Failing setup"), [this]()
		{
			BeforeEach([this]()
				{
					AddError(TEXT("setup failed"));
				});
			It(TEXT("is skipped"), []()
				{
					Trace("it");
				});
			AfterEach([]()
				{
					Trace("cleanup");
				});
		});
}

class FAutomationLatentCommandTest : public ::testing::Test
{
};

TEST_F(FAutomationLatentCommandTest, CommandsRunInQueueOrderAndEachWaitsForTheOneBeforeIt)
{
	FAutomationTestRun Run;
	const std::vector<std::string> Trace = TraceRun(TEXT("FAutomationLatentOrderTest"), Run);
	// Every command that completes lets the next one run in the same frame; a command queued while
	// the queue runs goes to its end; the test stops on the first frame that finds the queue empty.
	EXPECT_EQ(Trace, std::vector<std::string>({"RunTest@0", "poll@0", "poll@1", "poll@2", "first@2", "enqueue@2", "second@2", "queued last@2"}));
	EXPECT_EQ(Run.Frames, 3);
	EXPECT_TRUE(Run.bSucceeded);
}

TEST_F(FAutomationLatentCommandTest, SpecVariantsAreNamedByTheirDescriptionsAndRunTheirBlocksOutsideIn)
{
	FAutomationTestFramework::Get().SetRequestedTestFilter(EAutomationTestFlags::EngineFilter);
	TArray<FAutomationTestInfo> TestInfo;
	FAutomationTestFramework::Get().GetValidTestNames(TestInfo);
	std::vector<std::string> Variants;
	for (const FAutomationTestInfo& Info : TestInfo)
	{
		if (Info.GetFullTestPath().StartsWith(TEXT("HostCore.Automation.Spec."), ESearchCase::CaseSensitive))
		{
			Variants.push_back(std::string(TCHAR_TO_UTF8(*Info.GetFullTestPath())) + " <- " + TCHAR_TO_UTF8(*Info.GetTestName()));
		}
	}
	std::sort(Variants.begin(), Variants.end());
	EXPECT_EQ(Variants, std::vector<std::string>({
							"HostCore.Automation.Spec.Failing setup.is skipped <- FAutomationOrderSpec Failing setup is skipped",
							"HostCore.Automation.Spec.Inner.gives up <- FAutomationOrderSpec Inner gives up",
							"HostCore.Automation.Spec.Inner.runs its block <- FAutomationOrderSpec Inner runs its block",
							"HostCore.Automation.Spec.Inner.waits for done <- FAutomationOrderSpec Inner waits for done",
						}));

	FAutomationTestRun Run;
	EXPECT_EQ(TraceRun(TEXT("FAutomationOrderSpec Inner runs its block"), Run), std::vector<std::string>({"outer before@0", "inner before@0", "it@0", "inner after@0", "outer after@0"}));
	EXPECT_TRUE(Run.bSucceeded);

	// After a failed BeforeEach the It is skipped, but every AfterEach still runs.
	EXPECT_EQ(TraceRun(TEXT("FAutomationOrderSpec Failing setup is skipped"), Run), std::vector<std::string>({"outer before@0", "cleanup@0", "outer after@0"}));
	EXPECT_FALSE(Run.bSucceeded);
	EXPECT_EQ(Run.GetMessages(EAutomationEventType::Error), std::vector<std::string>({"setup failed"}));
}

TEST_F(FAutomationLatentCommandTest, LatentItEndsWhenItsDoneDelegateIsCalledOrFailsAfterItsTimeout)
{
	FAutomationTestRun Run;
	EXPECT_EQ(TraceRun(TEXT("FAutomationOrderSpec Inner waits for done"), Run, 3), std::vector<std::string>({"outer before@0", "inner before@0", "latent it@0", "inner after@3", "outer after@3"}));
	EXPECT_TRUE(Run.bSucceeded);
	EXPECT_TRUE(Run.GetMessages(EAutomationEventType::Error).empty());

	EXPECT_EQ(TraceRun(TEXT("FAutomationOrderSpec Inner gives up"), Run).back().rfind("outer after@", 0), 0u);
	EXPECT_FALSE(Run.bSucceeded);
	EXPECT_EQ(Run.GetMessages(EAutomationEventType::Error), std::vector<std::string>({"Latent command timed out."}));
}
