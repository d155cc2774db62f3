// Automation tests for AutomationRunnerTests: the HostRunner.Pass tests pass only when run as the
// editor runs them, the HostRunner.Fail tests fail, and the others must not run at all.
#include "CoreMinimal.h"
#include "Containers/Ticker.h"
#include "Misc/AutomationTest.h"
#include "Modules/ModuleManager.h"
#include "Tests/AutomationCommon.h"

IMPLEMENT_MODULE(FDefaultModuleImpl, AutomationRunnerFixture)

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FRunnerTicksTheEngineTest, "HostRunner.Pass.EngineTicksBetweenUpdates", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FRunnerWaitTest, "HostRunner.Pass.WaitLatentCommand", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FRunnerWrongSumTest, "HostRunner.Fail.WrongSum", EAutomationTestFlags::EditorContext | EAutomationTestFlags::ProductFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FRunnerClientOnlyTest, "HostRunner.Pass.ClientOnly", EAutomationTestFlags::ClientContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FRunnerStressTest, "HostRunner.Pass.Stress", EAutomationTestFlags::EditorContext | EAutomationTestFlags::StressFilter)

BEGIN_DEFINE_SPEC(FRunnerSpec, "HostRunner.Pass.Spec", EAutomationTestFlags::EditorContext | EAutomationTestFlags::ProductFilter)
int32 Value = 0;
END_DEFINE_SPEC(FRunnerSpec)

namespace
{
	/** Counts the frames of the core ticker. */
	struct FFrameCounter
	{
		int32 Frames = 0;
		FTSTicker::FDelegateHandle Handle;
	};
}

bool FRunnerTicksTheEngineTest::RunTest(const FString& Parameters)
{
	TSharedRef<FFrameCounter> Counter = MakeShared<FFrameCounter>();
	Counter->Handle = FTSTicker::GetCoreTicker().AddTicker(FTickerDelegate::CreateLambda([Counter](float DeltaTime)
		{
			++Counter->Frames;
			return true;
		}));
	// Each update must see a frame of the engine since the one before it.
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Counter, LastSeen = -1, Updates = 0]() mutable
		{
			TestTrue(TEXT("The engine ticked since the last update"), Counter->Frames > LastSeen);
			LastSeen = Counter->Frames;
			if (++Updates < 3 && !HasAnyErrors())
			{
				return false;
			}
			FTSTicker::RemoveTicker(Counter->Handle);
			return true;
		}));
	return true;
}

bool FRunnerWaitTest::RunTest(const FString& Parameters)
{
	const double Start = FPlatformTime::Seconds();
	ADD_LATENT_AUTOMATION_COMMAND(FWaitLatentCommand(0.05f));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Start]()
		{
			TestTrue(TEXT("The next command ran after the wait"), FPlatformTime::Seconds() - Start >= 0.05);
			return true;
		}));
	return true;
}

bool FRunnerWrongSumTest::RunTest(const FString& Parameters)
{
	TestEqual(TEXT("Sum"), 2 + 2, 5);
	UE_LOG(LogTemp, Error, TEXT("Sum logged as wrong"));
	return true;
}

bool FRunnerClientOnlyTest::RunTest(const FString& Parameters)
{
	AddError(TEXT("A client test ran in the editor"));
	return false;
}

bool FRunnerStressTest::RunTest(const FString& Parameters)
{
	AddError(TEXT("A stress test ran under the controller's filters"));
	return false;
}

void FRunnerSpec::Define()
{
	BeforeEach([this]()
		{
			Value = 2;
		});
	It(TEXT("reads what BeforeEach set"), [this]()
		{
			TestEqual(TEXT("Value"), Value, 2);
		});
}
