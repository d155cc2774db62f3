#pragma once

#include "CoreMinimal.h"
#include "HAL/PlatformProcess.h"
#include "Misc/AutomationTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

/** What one run of an automation test reported. */
struct FAutomationTestRun
{
	bool bSucceeded = false;
	/** Frames that found latent commands queued. */
	int32 Frames = 0;
	TArray<FAutomationExecutionEntry> Entries;

	/** The messages of the entries of one type, in report order, as UTF-8 to compare exactly. */
	std::vector<std::string> GetMessages(EAutomationEventType Type) const
	{
		std::vector<std::string> Messages;
		for (const FAutomationExecutionEntry& Entry : Entries)
		{
			if (Entry.Event.Type == Type)
			{
				Messages.push_back(TCHAR_TO_UTF8(*Entry.Event.Message));
			}
		}
		return Messages;
	}
};

/**
 * Runs a test as the editor's automation worker does: StartTestByName, then one latent update a
 * frame until a frame finds the queue empty, then StopTest. OnFrame runs before each update, where
 * the engine's other tickers would. Gives up after MaxFrames, which fails the calling test.
 * @param TestCommand - the test's class name, then its parameter after a space
 */
template <typename OnFrameType>
FAutomationTestRun RunAutomationTest(const FString& TestCommand, OnFrameType&& OnFrame, int32 MaxFrames = 5000)
{
	FAutomationTestFramework& Framework = FAutomationTestFramework::Get();
	Framework.SetRequestedTestFilter(EAutomationTestFlags::SmokeFilter | EAutomationTestFlags::EngineFilter | EAutomationTestFlags::ProductFilter | EAutomationTestFlags::PerfFilter);
	FAutomationTestRun Run;
	Framework.StartTestByName(TestCommand, 0);
	if (!GIsAutomationTesting)
	{
		ADD_FAILURE() << "the test " << TCHAR_TO_UTF8(*TestCommand) << " did not start";
		return Run;
	}
	for (;;)
	{
		OnFrame(Run.Frames);
		if (Framework.ExecuteLatentCommands())
		{
			break;
		}
		if (++Run.Frames >= MaxFrames)
		{
			ADD_FAILURE() << "the latent commands of " << TCHAR_TO_UTF8(*TestCommand) << " did not end";
			Framework.DequeueAllCommands();
		}
		FPlatformProcess::Sleep(0.001f);
	}
	FAutomationTestExecutionInfo ExecutionInfo;
	Run.bSucceeded = Framework.StopTest(ExecutionInfo);
	Run.Entries = ExecutionInfo.GetEntries();
	return Run;
}

inline FAutomationTestRun RunAutomationTest(const FString& TestCommand)
{
	return RunAutomationTest(TestCommand, [](int32) {});
}
