#include "CoreMinimal.h"
#include "HAL/PlatformProcess.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace
{
	/** What one run of the automation runner printed on standard output, and its exit status. */
	struct FRunnerRun
	{
		int ExitStatus = -1;
		std::string Output;

		bool Printed(const std::string& Line) const { return Output.find(Line + "\n") != std::string::npos; }
	};

	class FAutomationRunnerTest : public ::testing::Test
	{
	protected:
		/** Runs the runner built beside this test with Arguments (already quoted for the shell). */
		static FRunnerRun RunRunner(const std::string& Arguments)
		{
			const std::string Command = std::string("'") + TCHAR_TO_UTF8(FPlatformProcess::BaseDir()) + "AutomationRunner' " + Arguments;
			FRunnerRun Run;
			FILE* Pipe = popen(Command.c_str(), "r");
			if (!Pipe)
			{
				ADD_FAILURE() << "could not start " << Command;
				return Run;
			}
			char Buffer[4096];
			size_t Read = 0;
			while ((Read = fread(Buffer, 1, sizeof(Buffer), Pipe)) > 0)
			{
				Run.Output.append(Buffer, Read);
			}
			const int Status = pclose(Pipe);
			Run.ExitStatus = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
			return Run;
		}
	};
}

TEST_F(FAutomationRunnerTest, RunsTheMatchingTestsAnEditorRunsTickingTheEngineBetweenLatentUpdates)
{
	const FRunnerRun Run = RunRunner("HostRunner.Pass. AutomationRunnerFixture");
	EXPECT_EQ(Run.ExitStatus, 0) << Run.Output;
	EXPECT_TRUE(Run.Printed("LogAutomationCommandLine: Display: Found 3 automation tests based on 'HostRunner.Pass.'")) << Run.Output;
	EXPECT_TRUE(Run.Printed("LogAutomationController: Display: Test Completed. Result={Success} Name={EngineTicksBetweenUpdates} Path={HostRunner.Pass.EngineTicksBetweenUpdates}")) << Run.Output;
	EXPECT_TRUE(Run.Printed("LogAutomationController: Display: Test Completed. Result={Success} Name={reads what BeforeEach set} Path={HostRunner.Pass.Spec.reads what BeforeEach set}")) << Run.Output;
	EXPECT_TRUE(Run.Printed("LogAutomationController: Display: Test Completed. Result={Success} Name={WaitLatentCommand} Path={HostRunner.Pass.WaitLatentCommand}")) << Run.Output;
	EXPECT_TRUE(Run.Printed("LogAutomationCommandLine: Display: ...Automation Test Queue Empty 3 tests performed.")) << Run.Output;
}

TEST_F(FAutomationRunnerTest, AFailedTestPrintsItsErrorsAndFailsTheRun)
{
	const FRunnerRun Run = RunRunner("HostRunner. AutomationRunnerFixture 2>/dev/null");
	EXPECT_EQ(Run.ExitStatus, 1) << Run.Output;
	EXPECT_TRUE(Run.Printed("LogAutomationController: Error: Test Completed. Result={Fail} Name={WrongSum} Path={HostRunner.Fail.WrongSum}")) << Run.Output;
	EXPECT_TRUE(Run.Printed("LogAutomationController: Error: Expected 'Sum' to be 5, but it was 4.")) << Run.Output;
	EXPECT_TRUE(Run.Printed("LogAutomationController: Error: LogTemp: Sum logged as wrong [log] ")) << Run.Output;
	EXPECT_TRUE(Run.Printed("LogAutomationCommandLine: Display: ...Automation Test Queue Empty 4 tests performed.")) << Run.Output;
}

TEST_F(FAutomationRunnerTest, NoMatchingTestOrAModuleThatDoesNotLoadFailsTheRun)
{
	const FRunnerRun NoMatch = RunRunner("HostRunner.Missing. AutomationRunnerFixture");
	EXPECT_EQ(NoMatch.ExitStatus, 1);
	EXPECT_TRUE(NoMatch.Printed("LogAutomationCommandLine: Error: No automation tests matched 'HostRunner.Missing.'")) << NoMatch.Output;

	EXPECT_EQ(RunRunner("HostRunner. NoSuchTestModule 2>/dev/null").ExitStatus, 2);
	EXPECT_EQ(RunRunner("HostRunner. 2>/dev/null").ExitStatus, 2);
}
