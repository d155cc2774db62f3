// Host engine only, with no engine twin: stands for "UnrealEditor-Cmd <Project> -ExecCmds="Automation
// RunTests <Prefix>" -nullrhi -unattended", the editor with its automation controller and worker in
// one process. It loads the modules named on its command line by name, as the editor loads a
// plug-in's modules, and runs every test whose full path starts with the prefix, one at a time, in
// the order of their display names. Between test frames the engine loop ticks, as in the editor:
// each frame the engine runs its tickers (HTTP completions among them), then the test's latent
// commands advance, and the test stops on the first frame that finds its queue empty. As in the
// editor, GEngine is the editor's engine object, GEditor, with its undo buffer.
//
// Usage: AutomationRunner <TestPathPrefix> <Module> [<Module>...]
// Exit status: 0 when every test passed, 1 when a test failed or none matched, 2 for bad usage or a
// module that does not load.

#include "CoreMinimal.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "Editor/TransBuffer.h"
#include "HAL/PlatformProcess.h"
#include "LaunchEngineLoop.h"
#include "Misc/AutomationTest.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"

#include <cstdio>

namespace
{
	/** The filters the editor's automation controller requests by default. */
	constexpr EAutomationTestFlags ControllerTestFilter = EAutomationTestFlags::SmokeFilter | EAutomationTestFlags::EngineFilter | EAutomationTestFlags::ProductFilter | EAutomationTestFlags::PerfFilter;

	void PrintLine(const FString& Line)
	{
		fputs(TCHAR_TO_UTF8(*Line), stdout);
		fputc('\n', stdout);
		fflush(stdout);
	}

	/** The name the controller reports a test by: the last part of its path. */
	FString GetLeafName(const FString& FullTestPath)
	{
		int32 DotIndex = INDEX_NONE;
		return FullTestPath.FindLastChar(TEXT('.'), DotIndex) ? FullTestPath.RightChop(DotIndex + 1) : FullTestPath;
	}

	/** Starts the editor's engine object as the editor's start-up does: GEngine and GEditor, then its undo buffer. */
	void StartEditorEngine()
	{
		UEditorEngine* const Editor = NewObject<UEditorEngine>(GetTransientPackage());
		Editor->AddToRoot();
		GEngine = Editor;
		GEditor = Editor;
		Editor->Trans = Editor->CreateTrans();
	}

	void StopEditorEngine()
	{
		GEditor->RemoveFromRoot();
		GEditor = nullptr;
		GEngine = nullptr;
	}

	/** Runs one test to its end, ticking the engine between latent command updates. @return whether it passed */
	bool RunTest(const FAutomationTestInfo& Test)
	{
		const FString Name = GetLeafName(Test.GetFullTestPath());
		PrintLine(FString::Printf(TEXT("LogAutomationController: Display: Test Started. Name={%s} Path={%s}"), *Name, *Test.GetFullTestPath()));

		FAutomationTestFramework& Framework = FAutomationTestFramework::Get();
		FString SkipReason;
		bool bWarn = false;
		if (!Framework.CanRunTestInEnvironment(Test.GetTestName(), &SkipReason, &bWarn))
		{
			PrintLine(FString::Printf(TEXT("LogAutomationController: Display: Test Completed. Result={Skipped} Name={%s} Path={%s}"), *Name, *Test.GetFullTestPath()));
			PrintLine(FString::Printf(TEXT("LogAutomationController: Skipping test: %s"), *SkipReason));
			return true;
		}

		Framework.StartTestByName(Test.GetTestName(), 0, Test.GetFullTestPath());
		if (!GIsAutomationTesting)
		{
			PrintLine(FString::Printf(TEXT("LogAutomationController: Error: Test Completed. Result={Fail} Name={%s} Path={%s}"), *Name, *Test.GetFullTestPath()));
			return false;
		}
		do
		{
			FPlatformProcess::Sleep(0.001f);
			GEngineLoop.Tick();
		} while (!Framework.ExecuteLatentCommands());

		FAutomationTestExecutionInfo ExecutionInfo;
		const bool bSuccess = Framework.StopTest(ExecutionInfo);
		PrintLine(FString::Printf(TEXT("LogAutomationController: %s: Test Completed. Result={%s} Name={%s} Path={%s}"), bSuccess ? TEXT("Display") : TEXT("Error"), bSuccess ? TEXT("Success") : TEXT("Fail"), *Name, *Test.GetFullTestPath()));
		for (const FAutomationExecutionEntry& Entry : ExecutionInfo.GetEntries())
		{
			if (Entry.Event.Type == EAutomationEventType::Error)
			{
				PrintLine(TEXT("LogAutomationController: Error: ") + Entry.ToString());
			}
			else if (Entry.Event.Type == EAutomationEventType::Warning)
			{
				PrintLine(TEXT("LogAutomationController: Warning: ") + Entry.ToString());
			}
		}
		return bSuccess;
	}
}

int main(int argc, char** argv)
{
	if (argc < 3)
	{
		fputs("Usage: AutomationRunner <TestPathPrefix> <Module> [<Module>...]\n", stderr);
		return 2;
	}
	const FString Prefix = UTF8_TO_TCHAR(argv[1]);

	if (GEngineLoop.PreInit(TEXT("")) != 0)
	{
		return 2;
	}
	for (int32 ArgIndex = 2; ArgIndex < argc; ++ArgIndex)
	{
		if (!FModuleManager::Get().LoadModule(FName(UTF8_TO_TCHAR(argv[ArgIndex]))))
		{
			fprintf(stderr, "AutomationRunner: the module %s could not be loaded\n", argv[ArgIndex]);
			return 2;
		}
	}
	if (GEngineLoop.Init() != 0)
	{
		return 2;
	}
	StartEditorEngine();

	FAutomationTestFramework& Framework = FAutomationTestFramework::Get();
	Framework.SetRequestedTestFilter(ControllerTestFilter);
	TArray<FAutomationTestInfo> ValidTests;
	Framework.GetValidTestNames(ValidTests);
	TArray<FAutomationTestInfo> Tests;
	for (const FAutomationTestInfo& Test : ValidTests)
	{
		if (Test.GetFullTestPath().StartsWith(Prefix, ESearchCase::CaseSensitive))
		{
			Tests.Add(Test);
		}
	}
	Tests.Sort([](const FAutomationTestInfo& A, const FAutomationTestInfo& B)
		{
			return A.GetDisplayName() < B.GetDisplayName();
		});

	int32 NumFailed = 0;
	if (Tests.IsEmpty())
	{
		PrintLine(FString::Printf(TEXT("LogAutomationCommandLine: Error: No automation tests matched '%s'"), *Prefix));
	}
	else
	{
		PrintLine(FString::Printf(TEXT("LogAutomationCommandLine: Display: Found %d automation tests based on '%s'"), Tests.Num(), *Prefix));
		for (const FAutomationTestInfo& Test : Tests)
		{
			NumFailed += RunTest(Test) ? 0 : 1;
		}
		PrintLine(FString::Printf(TEXT("LogAutomationCommandLine: Display: ...Automation Test Queue Empty %d tests performed."), Tests.Num()));
	}

	StopEditorEngine();
	GEngineLoop.Exit();
	return Tests.IsEmpty() || NumFailed > 0 ? 1 : 0;
}
