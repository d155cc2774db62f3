// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"

#if WITH_DEV_AUTOMATION_TESTS

/**
 * Waits frame by frame until Condition holds, then FramesAfter frames more, in which a second report
 * would show. When Condition has not held after a minute, fails the test with "<Awaited> did not
 * happen" and ends the wait.
 */
class FZOVAWaitUntilLatentCommand : public IAutomationLatentCommand
{
public:
	FZOVAWaitUntilLatentCommand(FAutomationTestBase& InTest, const FString& InAwaited, TFunction<bool()> InCondition, int32 InFramesAfter = 3)
		: Test(InTest)
		, Awaited(InAwaited)
		, Condition(MoveTemp(InCondition))
		, FramesAfter(InFramesAfter)
	{
	}

	virtual bool Update() override
	{
		if (!bHeld && !Condition())
		{
			if (GetCurrentRunTime() < MaxWaitSeconds)
			{
				return false;
			}
			Test.AddError(FString::Printf(TEXT("%s did not happen within %.0f seconds"), *Awaited, MaxWaitSeconds));
			return true;
		}
		bHeld = true;
		return FramesAfter-- <= 0;
	}

private:
	static constexpr double MaxWaitSeconds = 60.0;

	FAutomationTestBase& Test;
	FString Awaited;
	TFunction<bool()> Condition;
	int32 FramesAfter;
	bool bHeld = false;
};

#endif
