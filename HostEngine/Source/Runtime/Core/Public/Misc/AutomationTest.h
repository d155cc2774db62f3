#pragma once

#include "HAL/Platform.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Containers/StringView.h"
#include "Containers/UnrealString.h"
#include "CoreGlobals.h"
#include "Delegates/Delegate.h"
#include "HAL/PlatformTime.h"
#include "Logging/LogMacros.h"
#include "Logging/LogVerbosity.h"
#include "Math/UnrealMathUtility.h"
#include "Misc/AssertionMacros.h"
#include "Misc/AutomationEvent.h"
#include "Misc/Char.h"
#include "Misc/EnumClassFlags.h"
#include "Misc/OutputDevice.h"
#include "Misc/Timespan.h"
#include "Templates/Function.h"
#include "Templates/SharedPointer.h"
#include "Templates/UnrealTemplate.h"
#include "UObject/NameTypes.h"

#include <atomic>
#include <mutex>

CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogLatentCommands, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogAutomationTestFramework, Log, All);

class FAutomationTestBase;

#ifndef WITH_AUTOMATION_TESTS
#define WITH_AUTOMATION_TESTS (WITH_DEV_AUTOMATION_TESTS || WITH_PERF_AUTOMATION_TESTS)
#endif

/** What a test needs to run (application context, features) and which run filter it belongs to. */
enum class EAutomationTestFlags
{
	None = 0x00000000,
	//~ Application context required for the test
	EditorContext = 0x00000001,
	ClientContext = 0x00000002,
	ServerContext = 0x00000004,
	CommandletContext = 0x00000008,
	ProgramContext = 0x00000010,

	//~ Features required for the test; none means any
	NonNullRHI = 0x00000100,
	RequiresUser = 0x00000200,

	//~ Turns a test off without removing its code
	Disabled = 0x00010000,

	//~ Priority
	CriticalPriority = 0x00100000,
	HighPriority = 0x00200000,
	MediumPriority = 0x00400000,
	LowPriority = 0x00800000,

	//~ Run filters; a test has exactly one
	SmokeFilter = 0x01000000,
	EngineFilter = 0x02000000,
	ProductFilter = 0x04000000,
	PerfFilter = 0x08000000,
	StressFilter = 0x10000000,
	NegativeFilter = 0x20000000,
};

ENUM_CLASS_FLAGS(EAutomationTestFlags)

inline constexpr EAutomationTestFlags EAutomationTestFlags_ApplicationContextMask = EAutomationTestFlags::EditorContext | EAutomationTestFlags::ClientContext | EAutomationTestFlags::ServerContext | EAutomationTestFlags::CommandletContext | EAutomationTestFlags::ProgramContext;
inline constexpr EAutomationTestFlags EAutomationTestFlags_FeatureMask = EAutomationTestFlags::NonNullRHI | EAutomationTestFlags::RequiresUser;
inline constexpr EAutomationTestFlags EAutomationTestFlags_HighPriorityAndAbove = EAutomationTestFlags::CriticalPriority | EAutomationTestFlags::HighPriority;
inline constexpr EAutomationTestFlags EAutomationTestFlags_MediumPriorityAndAbove = EAutomationTestFlags::CriticalPriority | EAutomationTestFlags::HighPriority | EAutomationTestFlags::MediumPriority;
inline constexpr EAutomationTestFlags EAutomationTestFlags_PriorityMask = EAutomationTestFlags::CriticalPriority | EAutomationTestFlags::HighPriority | EAutomationTestFlags::MediumPriority | EAutomationTestFlags::LowPriority;
inline constexpr EAutomationTestFlags EAutomationTestFlags_FilterMask = EAutomationTestFlags::SmokeFilter | EAutomationTestFlags::EngineFilter | EAutomationTestFlags::ProductFilter | EAutomationTestFlags::PerfFilter | EAutomationTestFlags::StressFilter | EAutomationTestFlags::NegativeFilter;

/** How an expected log message is matched. */
namespace EAutomationExpectedMessageFlags
{
	enum MatchType
	{
		/** The whole message must match. */
		Exact,
		/** The message must contain the pattern. */
		Contains,
	};

	inline const TCHAR* ToString(EAutomationExpectedMessageFlags::MatchType ThisType)
	{
		switch (ThisType)
		{
		case Contains:
			return TEXT("Contains");
		case Exact:
			return TEXT("Exact");
		}
		return TEXT("Unknown");
	}
}

namespace EAutomationExpectedErrorFlags = EAutomationExpectedMessageFlags;

/** The report of one run of a test: its entries and how many were errors and warnings. */
class FAutomationTestExecutionInfo
{
public:
	FAutomationTestExecutionInfo()
		: bSuccessful(false)
		, Duration(0.0)
		, Errors(0)
		, Warnings(0)
	{
	}

	CORE_API void Clear();

	const TArray<FAutomationExecutionEntry>& GetEntries() const { return Entries; }

	CORE_API void AddEvent(const FAutomationEvent& Event, int StackOffset = 0, bool bCaptureStack = true);
	CORE_API void AddWarning(const FString& WarningMessage);
	CORE_API void AddError(const FString& ErrorMessage);

	int32 GetWarningTotal() const { return Warnings; }
	int32 GetErrorTotal() const { return Errors; }

	const FString& GetContext() const
	{
		static FString EmptyContext;
		return ContextStack.Num() ? ContextStack.Last() : EmptyContext;
	}

	void PushContext(const FString& Context) { ContextStack.Push(Context); }

	void PopContext()
	{
		if (ContextStack.Num() > 0)
		{
			ContextStack.Pop();
		}
	}

public:
	bool bSuccessful;
	double Duration;

private:
	TArray<FAutomationExecutionEntry> Entries;
	int32 Errors;
	int32 Warnings;
	TArray<FString> ContextStack;
};

/** One runnable test as the framework lists it: its names, its command and its flags. */
class FAutomationTestInfo
{
public:
	FAutomationTestInfo() = default;

	/**
	 * @param InDisplayName - the name shown in the test tree
	 * @param InFullTestPath - the dot-separated path that names the test
	 * @param InTestName - the command that runs it: the test's class name, then its parameter after a space
	 */
	FAutomationTestInfo(const FString& InDisplayName, const FString& InFullTestPath, const FString& InTestName, const EAutomationTestFlags InTestFlags, const int32 InNumParticipantsRequired, const FString& InParameterName = FString(), const FString& InSourceFile = FString(), int32 InSourceFileLine = 0)
		: DisplayName(InDisplayName)
		, FullTestPath(InFullTestPath)
		, TestName(InTestName)
		, TestParameter(InParameterName)
		, SourceFile(InSourceFile)
		, SourceFileLine(InSourceFileLine)
		, TestFlags(InTestFlags)
		, NumParticipantsRequired(InNumParticipantsRequired)
	{
	}

	const FString& GetDisplayName() const { return DisplayName; }
	const FString& GetFullTestPath() const { return FullTestPath; }
	FString GetTestName() const { return TestName; }
	FString GetTestParameter() const { return TestParameter; }
	FString GetSourceFile() const { return SourceFile; }
	int32 GetSourceFileLine() const { return SourceFileLine; }
	EAutomationTestFlags GetTestFlags() const { return TestFlags; }
	int32 GetNumParticipantsRequired() const { return NumParticipantsRequired; }

private:
	FString DisplayName;
	FString FullTestPath;
	FString TestName;
	FString TestParameter;
	FString SourceFile;
	int32 SourceFileLine = 0;
	EAutomationTestFlags TestFlags = EAutomationTestFlags::None;
	uint32 NumParticipantsRequired = 0;
};

/**
 * A step of a test that runs over several frames: Update is called once a frame until it returns
 * true, and the next queued command runs only after that.
 */
class IAutomationLatentCommand : public TSharedFromThis<IAutomationLatentCommand>
{
public:
	virtual ~IAutomationLatentCommand() = default;

	/** @return true when the command has done its part */
	virtual bool Update() = 0;

private:
	/** Notes the time of the first update, from which commands measure their waits. */
	bool InternalUpdate()
	{
		if (StartTime == 0.0)
		{
			StartTime = FPlatformTime::Seconds();
		}
		return Update();
	}

protected:
	IAutomationLatentCommand()
		: StartTime(0.0)
	{
	}

	/** Seconds since the first update, 0 before it. */
	double GetCurrentRunTime() const
	{
		if (StartTime == 0.0)
		{
			return 0.0;
		}
		return FPlatformTime::Seconds() - StartTime;
	}

	/** The time of the first update. */
	double StartTime;

	friend class FAutomationTestFramework;
};

/** A log message a test announces it will cause, matched against what is logged while it runs. */
struct FAutomationExpectedMessage
{
	FString MessagePatternString;
	EAutomationExpectedMessageFlags::MatchType CompareType;
	/** More than 0: exactly this many times; 0: at least once. */
	int32 ExpectedNumberOfOccurrences;
	int32 ActualNumberOfOccurrences;
	ELogVerbosity::Type Verbosity;

	FAutomationExpectedMessage(FString& InMessagePattern, ELogVerbosity::Type InVerbosity, EAutomationExpectedMessageFlags::MatchType InCompareType, int32 InExpectedNumberOfOccurrences = 1, bool IsRegex = true)
		: MessagePatternString(InMessagePattern)
		, CompareType(InCompareType)
		, ExpectedNumberOfOccurrences(InExpectedNumberOfOccurrences)
		, ActualNumberOfOccurrences(0)
		, Verbosity(InVerbosity)
		, bIsRegex(IsRegex)
	{
	}

	bool IsRegex() const { return bIsRegex; }
	bool IsExactCompareType() const { return CompareType == EAutomationExpectedMessageFlags::Exact; }

	/**
	 * Whether Message matches, as a case-insensitive regular expression or as plain text; counts the match.
	 */
	CORE_API bool Matches(const FString& Message);

	bool operator==(const FAutomationExpectedMessage& Other) const { return MessagePatternString == Other.MessagePatternString; }

private:
	bool bIsRegex;
};

/** The registry of every automation test in the process, and the runner of one test at a time. */
class FAutomationTestFramework
{
public:
	static CORE_API FAutomationTestFramework& Get();
	static FAutomationTestFramework& GetInstance() { return Get(); }

	/**
	 * Registers a test under its class name; tests register themselves when their library loads.
	 * @return false when a test is already registered under that name
	 */
	CORE_API bool RegisterAutomationTest(const FString& InTestNameToRegister, FAutomationTestBase* InTestToRegister);

	/** @return false when no test is registered under that name */
	CORE_API bool UnregisterAutomationTest(const FString& InTestNameToUnregister);

	/** Queues a latent command of the running test; asserts when no test runs or only smoke tests were requested. */
	CORE_API void EnqueueLatentCommand(TSharedPtr<IAutomationLatentCommand> NewCommand);

	CORE_API bool ContainsTest(const FString& InTestName) const;

	/**
	 * Starts the test: InTestToRun is its class name, then its parameter after a space. RunTest runs
	 * at once; latent commands it queued run from ExecuteLatentCommands.
	 */
	CORE_API void StartTestByName(const FString& InTestToRun, const int32 InRoleIndex, const FString& InFullTestPath = FString());

	/**
	 * Ends the running test; its latent commands must be done.
	 * @return whether RunTest returned true, no error was reported and every expected message was met
	 */
	CORE_API bool StopTest(FAutomationTestExecutionInfo& OutExecutionInfo);

	/**
	 * Updates the queued latent commands in order, as long as each one completes.
	 * @return true only when the queue was already empty, so the test may be stopped
	 */
	CORE_API bool ExecuteLatentCommands();

	/** Drops every queued latent command. */
	CORE_API void DequeueAllCommands();

	bool IsLatentCommandQueueEmpty() const { return LatentCommands.IsEmpty(); }

	/**
	 * The tests, one entry per parameter, that may run here: enabled, of a requested filter, and
	 * needing only the application context and features this process has.
	 */
	CORE_API void GetValidTestNames(TArray<FAutomationTestInfo>& TestInfo) const;

	/** The run filters (EAutomationTestFlags_FilterMask bits) GetValidTestNames keeps; smoke tests until set. */
	CORE_API void SetRequestedTestFilter(const EAutomationTestFlags InRequestedTestFlags);

	/** @return the running test, or null */
	FAutomationTestBase* GetCurrentTest() const { return CurrentTest; }

	/** @return the full path the running test was started with */
	FString GetCurrentTestFullPath() const { return CurrentTestFullPath; }

	/** Whether the test (class name, then its parameter after a space) can run here; OutReason says why not. */
	CORE_API bool CanRunTestInEnvironment(const FString& InTestToRun, FString* OutReason, bool* OutWarn) const;

private:
	/** Receives the log while a test runs and reports its errors, warnings and displayed lines to the test. */
	class FAutomationTestOutputDevice : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override;
		virtual bool CanBeUsedOnMultipleThreads() const override { return true; }

		void SetCurrentAutomationTest(FAutomationTestBase* InAutomationTest) { CurTest = InAutomationTest; }

	private:
		std::atomic<FAutomationTestBase*> CurTest = nullptr;
	};

	void PrepForAutomationTests();
	void ConcludeAutomationTests();
	void InternalStartTest(const FString& InTestToRun, const FString& InFullTestPath);
	bool InternalStopTest(FAutomationTestExecutionInfo& OutExecutionInfo);

	FAutomationTestFramework();
	~FAutomationTestFramework();
	FAutomationTestFramework(const FAutomationTestFramework&) = delete;
	FAutomationTestFramework& operator=(const FAutomationTestFramework&) = delete;

	FAutomationTestOutputDevice AutomationTestOutputDevice;
	TMap<FString, FAutomationTestBase*> AutomationTestClassNameToInstanceMap;
	/** First in, first out. */
	TArray<TSharedPtr<IAutomationLatentCommand>> LatentCommands;
	EAutomationTestFlags RequestedTestFilter;
	double StartTime;
	bool bTestSuccessful;
	FAutomationTestBase* CurrentTest;
	FString Parameters;
	FString CurrentTestFullPath;
};

/** The base of every automation test: its identity and flags, and the checks it reports with. */
class FAutomationTestBase
{
public:
	/**
	 * Registers the test with the framework under InName, its class name.
	 * @param bInComplexTask - whether the test enumerates several parameters (a complex test)
	 */
	CORE_API FAutomationTestBase(const FString& InName, const bool bInComplexTask);
	CORE_API virtual ~FAutomationTestBase();

	/** Whether log warnings and errors are left out of the results, or warnings counted as errors. */
	static CORE_API bool bSuppressLogWarnings;
	static CORE_API bool bSuppressLogErrors;
	static CORE_API bool bElevateLogWarningsToErrors;

	virtual EAutomationTestFlags GetTestFlags() const = 0;

	/** The C++ class name the test is registered under. */
	FString GetTestName() const { return TestName; }

	/** The parameter of the current run. */
	FString GetTestContext() const { return TestParameterContext; }

	virtual FString GetBeautifiedTestName() const = 0;

	/** The name shown in the test tree: while the test runs, the path it was started with. */
	virtual FString GetTestFullName() const
	{
		if (FAutomationTestFramework::Get().GetCurrentTest() == this)
		{
			return FAutomationTestFramework::Get().GetCurrentTestFullPath();
		}
		if (GetTestContext().IsEmpty())
		{
			return GetBeautifiedTestName();
		}
		return FString::Printf(TEXT("%s.%s"), *GetBeautifiedTestName(), *GetTestContext());
	}

	virtual uint32 GetRequiredDeviceNum() const = 0;

	CORE_API void ClearExecutionInfo();

	/** Reports an error, unless an expected message matches it. */
	CORE_API virtual void AddError(const FString& InError, int32 StackOffset = 0);

	/** @return bCondition; reports InError when it is false */
	CORE_API virtual bool AddErrorIfFalse(bool bCondition, const FString& InError, int32 StackOffset = 0);

	/** Reports a warning, unless an expected message matches it. */
	CORE_API virtual void AddWarning(const FString& InWarning, int32 StackOffset = 0);

	/** Adds a note to the report, unless an expected message matches it. */
	CORE_API virtual void AddInfo(const FString& InLogItem, int32 StackOffset = 0, bool bCaptureStack = false);

	/** Adds the event, unless an expected message of its level matches it. */
	CORE_API virtual void AddEvent(const FAutomationEvent& InEvent, int32 StackOffset = 0, bool bCaptureStack = false);

	CORE_API bool HasAnyErrors() const;

	/**
	 * Whether every expected message (of VerbosityType or more severe) occurred as often as expected;
	 * reports an error for each one that did not.
	 */
	CORE_API bool HasMetExpectedMessages(ELogVerbosity::Type VerbosityType = ELogVerbosity::All);

	/** HasMetExpectedMessages for the expected warnings and errors. */
	CORE_API bool HasMetExpectedErrors();

	CORE_API bool GetLastExecutionSuccessState();

	CORE_API void GetExecutionInfo(FAutomationTestExecutionInfo& OutInfo) const;

	/** One entry per parameter GetTests enumerates. */
	CORE_API void GenerateTestNames(TArray<FAutomationTestInfo>& TestInfo) const;

	/** Whether Actual is MaximumVerbosity or more severe; All matches everything. */
	static CORE_API bool LogCategoryMatchesSeverityInclusive(ELogVerbosity::Type Actual, ELogVerbosity::Type MaximumVerbosity);

	/**
	 * Expects a log message of ExpectedVerbosity or more severe while the test runs; the test fails when
	 * it does not occur Occurrences times (at least once for 0). A matching message is not reported.
	 * @param IsRegex - whether the pattern is a regular expression (matched ignoring case) or plain text
	 */
	CORE_API void AddExpectedMessage(FString ExpectedPatternString, ELogVerbosity::Type ExpectedVerbosity, EAutomationExpectedMessageFlags::MatchType CompareType = EAutomationExpectedMessageFlags::Contains, int32 Occurrences = 1, bool IsRegex = true);
	CORE_API void AddExpectedMessagePlain(FString ExpectedString, ELogVerbosity::Type ExpectedVerbosity, EAutomationExpectedMessageFlags::MatchType CompareType = EAutomationExpectedMessageFlags::Contains, int32 Occurrences = 1);
	CORE_API void AddExpectedMessage(FString ExpectedPatternString, EAutomationExpectedMessageFlags::MatchType CompareType = EAutomationExpectedMessageFlags::Contains, int32 Occurrences = 1, bool IsRegex = true);
	CORE_API void AddExpectedMessagePlain(FString ExpectedString, EAutomationExpectedMessageFlags::MatchType CompareType = EAutomationExpectedMessageFlags::Contains, int32 Occurrences = 1);

	/** AddExpectedMessage for warnings and errors. */
	CORE_API void AddExpectedError(FString ExpectedPatternString, EAutomationExpectedErrorFlags::MatchType CompareType = EAutomationExpectedErrorFlags::Contains, int32 Occurrences = 1, bool IsRegex = true);
	CORE_API void AddExpectedErrorPlain(FString ExpectedString, EAutomationExpectedErrorFlags::MatchType CompareType = EAutomationExpectedErrorFlags::Contains, int32 Occurrences = 1);

	bool IsComplexTask() const { return bComplexTask; }

	/** Whether no log line at all is captured into the results. */
	virtual bool SuppressLogs() { return bSuppressLogs; }

	/** Whether lines of Category are captured into the results. */
	virtual bool ShouldCaptureLogCategory(const class FName& Category) const { return true; }

	virtual bool SuppressLogErrors() { return bSuppressLogErrors; }
	virtual bool SuppressLogWarnings() { return bSuppressLogWarnings; }
	virtual bool ElevateLogWarningsToErrors() { return bElevateLogWarningsToErrors; }

	/** Queues a latent command of this test; the framework owns it from now on. */
	void AddCommand(IAutomationLatentCommand* NewCommand)
	{
		TSharedRef<IAutomationLatentCommand> CommandPtr = MakeShareable(NewCommand);
		FAutomationTestFramework::Get().EnqueueLatentCommand(CommandPtr);
	}

	virtual FString GetTestSourceFileName() const { return TEXT(""); }
	virtual int32 GetTestSourceFileLine() const { return 0; }
	virtual FString GetTestSourceFileName(const FString& InTestName) const { return GetTestSourceFileName(); }
	virtual int32 GetTestSourceFileLine(const FString& InTestName) const { return GetTestSourceFileLine(); }

	/** Entries reported until PopContext carry Context. */
	void PushContext(const FString& Context) { ExecutionInfo.PushContext(Context); }
	void PopContext() { ExecutionInfo.PopContext(); }

	/** Whether the test can run here; a test that cannot is skipped with OutReason. */
	virtual bool CanRunInEnvironment(const FString& TestParams, FString* OutReason, bool* OutWarn) const { return true; }

public:
	CORE_API bool TestEqual(const TCHAR* What, const int32 Actual, const int32 Expected);
	CORE_API bool TestEqual(const TCHAR* What, const int64 Actual, const int64 Expected);
	CORE_API bool TestEqual(const TCHAR* What, const SIZE_T Actual, const SIZE_T Expected);
	CORE_API bool TestEqual(const TCHAR* What, const float Actual, const float Expected, float Tolerance = UE_KINDA_SMALL_NUMBER);
	CORE_API bool TestEqual(const TCHAR* What, const double Actual, const double Expected, double Tolerance = UE_KINDA_SMALL_NUMBER);
	/** Compares ignoring case; TestEqualSensitive compares exactly. */
	CORE_API bool TestEqual(const TCHAR* What, const TCHAR* Actual, const TCHAR* Expected);
	CORE_API bool TestEqual(const TCHAR* What, FStringView Actual, FStringView Expected);
	bool TestEqual(const TCHAR* What, const FString& Actual, const FString& Expected) { return TestEqual(What, *Actual, *Expected); }
	CORE_API bool TestNotEqual(const TCHAR* What, const TCHAR* Actual, const TCHAR* Expected);
	CORE_API bool TestNotEqual(const TCHAR* What, FStringView Actual, FStringView Expected);
	bool TestNotEqual(const TCHAR* What, const FString& Actual, const FString& Expected) { return TestNotEqual(What, *Actual, *Expected); }
	CORE_API bool TestEqualSensitive(const TCHAR* What, const TCHAR* Actual, const TCHAR* Expected);
	CORE_API bool TestEqualSensitive(const TCHAR* What, FStringView Actual, FStringView Expected);
	bool TestEqualSensitive(const TCHAR* What, const FString& Actual, const FString& Expected) { return TestEqualSensitive(What, *Actual, *Expected); }

	bool TestEqual(const FString& What, const int32 Actual, const int32 Expected) { return TestEqual(*What, Actual, Expected); }
	bool TestEqual(const FString& What, const float Actual, const float Expected, float Tolerance = UE_KINDA_SMALL_NUMBER) { return TestEqual(*What, Actual, Expected, Tolerance); }
	bool TestEqual(const FString& What, const double Actual, const double Expected, double Tolerance = UE_KINDA_SMALL_NUMBER) { return TestEqual(*What, Actual, Expected, Tolerance); }
	bool TestEqual(const FString& What, const TCHAR* Actual, const TCHAR* Expected) { return TestEqual(*What, Actual, Expected); }
	bool TestEqual(const FString& What, FStringView Actual, FStringView Expected) { return TestEqual(*What, Actual, Expected); }
	bool TestEqualSensitive(const FString& What, const TCHAR* Actual, const TCHAR* Expected) { return TestEqualSensitive(*What, Actual, Expected); }
	bool TestEqualSensitive(const FString& What, FStringView Actual, FStringView Expected) { return TestEqualSensitive(*What, Actual, Expected); }

	/** Compares with operator!=, for the types without an overload of their own. */
	template <typename ValueType>
	bool TestEqual(const TCHAR* What, const ValueType& Actual, const ValueType& Expected)
	{
		if (Actual != Expected)
		{
			AddError(FString::Printf(TEXT("%s: The two values are not equal."), What));
			return false;
		}
		return true;
	}

	template <typename ValueType>
	bool TestEqual(const FString& What, const ValueType& Actual, const ValueType& Expected)
	{
		return TestEqual(*What, Actual, Expected);
	}

	template <typename ValueType>
	bool TestNotEqual(const TCHAR* Description, const ValueType& Actual, const ValueType& Expected)
	{
		if (Actual == Expected)
		{
			AddError(FString::Printf(TEXT("%s: The two values are equal."), Description));
			return false;
		}
		return true;
	}

	template <typename ValueType>
	bool TestNotEqual(const FString& Description, const ValueType& Actual, const ValueType& Expected)
	{
		return TestNotEqual(*Description, Actual, Expected);
	}

	CORE_API bool TestLessThan(const TCHAR* What, const int32 Actual, const int32 Expected);
	CORE_API bool TestLessThan(const TCHAR* What, const int64 Actual, const int64 Expected);
	CORE_API bool TestGreaterThan(const TCHAR* What, const int32 Actual, const int32 Expected);
	CORE_API bool TestGreaterThan(const TCHAR* What, const int64 Actual, const int64 Expected);
	CORE_API bool TestLessEqual(const TCHAR* What, const int32 Actual, const int32 Expected);
	CORE_API bool TestLessEqual(const TCHAR* What, const int64 Actual, const int64 Expected);
	CORE_API bool TestGreaterEqual(const TCHAR* What, const int32 Actual, const int32 Expected);
	CORE_API bool TestGreaterEqual(const TCHAR* What, const int64 Actual, const int64 Expected);

	bool TestLessThan(const FString& What, const int32 Actual, const int32 Expected) { return TestLessThan(*What, Actual, Expected); }
	bool TestGreaterThan(const FString& What, const int32 Actual, const int32 Expected) { return TestGreaterThan(*What, Actual, Expected); }
	bool TestLessEqual(const FString& What, const int32 Actual, const int32 Expected) { return TestLessEqual(*What, Actual, Expected); }
	bool TestGreaterEqual(const FString& What, const int32 Actual, const int32 Expected) { return TestGreaterEqual(*What, Actual, Expected); }

	CORE_API bool TestFalse(const TCHAR* What, bool Value);
	bool TestFalse(const FString& What, bool Value) { return TestFalse(*What, Value); }

	CORE_API bool TestTrue(const TCHAR* What, bool Value);
	bool TestTrue(const FString& What, bool Value) { return TestTrue(*What, Value); }

	CORE_API bool TestNull(const TCHAR* What, const void* Pointer);
	bool TestNull(const FString& What, const void* Pointer) { return TestNull(*What, Pointer); }

	template <typename ValueType>
	bool TestNotNull(const TCHAR* What, const ValueType* Pointer)
	{
		if (Pointer == nullptr)
		{
			AddError(FString::Printf(TEXT("Expected '%s' to be not null."), What));
			return false;
		}
		return true;
	}

	template <typename ValueType>
	bool TestNotNull(const FString& What, const ValueType* Pointer)
	{
		return TestNotNull(*What, Pointer);
	}

	/** Checks Value.IsValid(), for shared and weak pointers and the like. */
	template <typename ValueType>
	bool TestValid(const TCHAR* Description, const ValueType& Value)
	{
		if (!Value.IsValid())
		{
			AddError(FString::Printf(TEXT("%s: The value is not valid (.IsValid() returned false)."), Description));
			return false;
		}
		return true;
	}

	template <typename ValueType>
	bool TestValid(const FString& Description, const ValueType& Value)
	{
		return TestValid(*Description, Value);
	}

	template <typename ValueType>
	bool TestInvalid(const TCHAR* Description, const ValueType& Value)
	{
		if (Value.IsValid())
		{
			AddError(FString::Printf(TEXT("%s: The value is valid (.IsValid() returned true)."), Description));
			return false;
		}
		return true;
	}

	template <typename ValueType>
	bool TestInvalid(const FString& Description, const ValueType& Value)
	{
		return TestInvalid(*Description, Value);
	}

protected:
	/**
	 * Lists the variants RunTest runs: a display name and a parameter for each. A simple test has one,
	 * with an empty parameter.
	 */
	virtual void GetTests(TArray<FString>& OutBeautifiedNames, TArray<FString>& OutTestCommands) const = 0;

	/**
	 * Runs the test, or queues its latent commands.
	 * @param Parameters - the variant's parameter; empty for a simple test
	 * @return false to fail the test
	 */
	virtual bool RunTest(const FString& Parameters) = 0;

	virtual void SetTestContext(FString Context) { TestParameterContext = Context; }

protected:
	bool bComplexTask;
	bool bSuppressLogs = false;
	FString TestName;
	FString TestParameterContext;
	FAutomationTestExecutionInfo ExecutionInfo;

	friend class FAutomationTestFramework;

private:
	/**
	 * Whether an expected message of a level that Verbosity reaches matches Message; counts the match.
	 */
	CORE_API bool IsExpectedMessage(const FString& Message, const ELogVerbosity::Type& Verbosity = ELogVerbosity::All);

	CORE_API void InternalSetSuccessState(bool bSuccessful);

	/** Message in quotes, or nullptr, for a failed string check. */
	FString GetStringValueToDisplay(FStringView Value) const;

	/** One entry per pattern (ignoring case); adding a pattern again replaces the earlier one. */
	TArray<FAutomationExpectedMessage> ExpectedMessages;

	/** Guards ExpectedMessages and ExecutionInfo against log lines from other threads. */
	mutable std::mutex ActionCS;
};

DECLARE_DELEGATE(FDoneDelegate);

/**
 * A test told as nested scenarios: Define describes it with Describe, It, LatentIt, BeforeEach and
 * AfterEach; each It becomes a variant of the test, run as a chain of latent commands (the BeforeEach
 * blocks outside in, the It, the AfterEach blocks inside out).
 */
class FAutomationSpecBase
	: public FAutomationTestBase,
	  public TSharedFromThis<FAutomationSpecBase>
{
private:
	/** Runs a block once; skipped when the test already failed and bInSkipIfErrored. */
	class FSingleExecuteLatentCommand : public IAutomationLatentCommand
	{
	public:
		FSingleExecuteLatentCommand(const FAutomationSpecBase* const InSpec, TFunction<void()> InPredicate, bool bInSkipIfErrored = false)
			: Spec(InSpec)
			, Predicate(MoveTemp(InPredicate))
			, bSkipIfErrored(bInSkipIfErrored)
		{
		}

		virtual bool Update() override
		{
			if (bSkipIfErrored && Spec->HasAnyErrors())
			{
				return true;
			}
			Predicate();
			return true;
		}

	private:
		const FAutomationSpecBase* const Spec;
		const TFunction<void()> Predicate;
		const bool bSkipIfErrored;
	};

	/** Starts a block with a done delegate and waits until it is called, or fails the test after Timeout. */
	class FUntilDoneLatentCommand : public IAutomationLatentCommand
	{
	public:
		FUntilDoneLatentCommand(FAutomationSpecBase* const InSpec, TFunction<void(const FDoneDelegate&)> InPredicate, const FTimespan& InTimeout, bool bInSkipIfErrored = false)
			: Spec(InSpec)
			, Predicate(MoveTemp(InPredicate))
			, Timeout(InTimeout)
			, bSkipIfErrored(bInSkipIfErrored)
		{
		}

		virtual bool Update() override
		{
			if (!bIsRunning)
			{
				if (bSkipIfErrored && Spec->HasAnyErrors())
				{
					return true;
				}
				bDone = false;
				bIsRunning = true;
				StartedRunning = FPlatformTime::Seconds();
				Predicate(FDoneDelegate::CreateSP(this, &FUntilDoneLatentCommand::Done));
			}

			if (bDone)
			{
				Reset();
				return true;
			}
			else if (FPlatformTime::Seconds() >= StartedRunning + Timeout.GetTotalSeconds())
			{
				Reset();
				Spec->AddError(TEXT("Latent command timed out."), 0);
				return true;
			}
			return false;
		}

	private:
		void Done()
		{
			if (bIsRunning)
			{
				bDone = true;
			}
		}

		/** Readies the command for the next run of its variant. */
		void Reset()
		{
			bDone = false;
			bIsRunning = false;
		}

		FAutomationSpecBase* const Spec;
		const TFunction<void(const FDoneDelegate&)> Predicate;
		const FTimespan Timeout;
		const bool bSkipIfErrored;
		bool bIsRunning = false;
		double StartedRunning = 0.0;
		std::atomic<bool> bDone = false;
	};

	struct FSpecIt
	{
		FString Description;
		FString Id;
		TSharedRef<IAutomationLatentCommand> Command;

		FSpecIt(FString InDescription, FString InId, TSharedRef<IAutomationLatentCommand> InCommand)
			: Description(MoveTemp(InDescription))
			, Id(MoveTemp(InId))
			, Command(MoveTemp(InCommand))
		{
		}
	};

	struct FSpecDefinitionScope
	{
		FString Description;
		TArray<TSharedRef<IAutomationLatentCommand>> BeforeEach;
		TArray<TSharedRef<FSpecIt>> It;
		TArray<TSharedRef<IAutomationLatentCommand>> AfterEach;
		TArray<TSharedRef<FSpecDefinitionScope>> Children;
	};

	struct FSpec
	{
		FString Id;
		FString Description;
		TArray<TSharedRef<IAutomationLatentCommand>> Commands;
	};

public:
	FAutomationSpecBase(const FString& InName, const bool bInComplexTask)
		: FAutomationTestBase(InName, bInComplexTask)
		, DefaultTimeout(FTimespan::FromSeconds(30))
		, bEnableSkipIfError(true)
		, RootDefinitionScope(MakeShared<FSpecDefinitionScope>())
	{
		DefinitionScopeStack.Push(RootDefinitionScope.ToSharedRef());
	}

	/** Queues the commands of the variant whose id is InParameters, or of every variant when it is empty. */
	virtual bool RunTest(const FString& InParameters) override
	{
		EnsureDefinitions();
		if (!InParameters.IsEmpty())
		{
			if (const TSharedRef<FSpec>* SpecToRun = IdToSpecMap.Find(InParameters))
			{
				for (const TSharedRef<IAutomationLatentCommand>& Command : (*SpecToRun)->Commands)
				{
					FAutomationTestFramework::GetInstance().EnqueueLatentCommand(Command);
				}
			}
		}
		else
		{
			TArray<TSharedRef<FSpec>> Specs;
			IdToSpecMap.GenerateValueArray(Specs);
			for (const TSharedRef<FSpec>& Spec : Specs)
			{
				for (const TSharedRef<IAutomationLatentCommand>& Command : Spec->Commands)
				{
					FAutomationTestFramework::GetInstance().EnqueueLatentCommand(Command);
				}
			}
		}
		return true;
	}

	virtual uint32 GetRequiredDeviceNum() const override { return 1; }

	virtual void GetTests(TArray<FString>& OutBeautifiedNames, TArray<FString>& OutTestCommands) const override
	{
		EnsureDefinitions();
		TArray<TSharedRef<FSpec>> Specs;
		IdToSpecMap.GenerateValueArray(Specs);
		for (const TSharedRef<FSpec>& Spec : Specs)
		{
			OutTestCommands.Push(Spec->Id);
			OutBeautifiedNames.Push(Spec->Description);
		}
	}

	void xDescribe(const FString& InDescription, TFunction<void()> DoWork) {}

	void Describe(const FString& InDescription, TFunction<void()> DoWork)
	{
		const TSharedRef<FSpecDefinitionScope> ParentScope = DefinitionScopeStack.Last();
		const TSharedRef<FSpecDefinitionScope> NewScope = MakeShared<FSpecDefinitionScope>();
		NewScope->Description = InDescription;
		ParentScope->Children.Push(NewScope);

		DefinitionScopeStack.Push(NewScope);
		PushDescription(InDescription);
		DoWork();
		PopDescription(InDescription);
		DefinitionScopeStack.Pop();

		if (NewScope->It.Num() == 0 && NewScope->Children.Num() == 0)
		{
			ParentScope->Children.Remove(NewScope);
		}
	}

	void xIt(const FString& InDescription, TFunction<void()> DoWork) {}
	void xLatentIt(const FString& InDescription, TFunction<void(const FDoneDelegate&)> DoWork) {}
	void xLatentIt(const FString& InDescription, const FTimespan& Timeout, TFunction<void(const FDoneDelegate&)> DoWork) {}

	void It(const FString& InDescription, TFunction<void()> DoWork)
	{
		AddIt(InDescription, [this, &DoWork]()
			{
				return MakeShareable(new FSingleExecuteLatentCommand(this, DoWork, bEnableSkipIfError));
			});
	}

	/** An It that ends when its block calls the done delegate; DefaultTimeout (30 seconds) fails it. */
	void LatentIt(const FString& InDescription, TFunction<void(const FDoneDelegate&)> DoWork)
	{
		AddIt(InDescription, [this, &DoWork]()
			{
				return MakeShareable(new FUntilDoneLatentCommand(this, DoWork, DefaultTimeout, bEnableSkipIfError));
			});
	}

	void LatentIt(const FString& InDescription, const FTimespan& Timeout, TFunction<void(const FDoneDelegate&)> DoWork)
	{
		AddIt(InDescription, [this, &DoWork, &Timeout]()
			{
				return MakeShareable(new FUntilDoneLatentCommand(this, DoWork, Timeout, bEnableSkipIfError));
			});
	}

	void BeforeEach(TFunction<void()> DoWork)
	{
		DefinitionScopeStack.Last()->BeforeEach.Push(MakeShareable(new FSingleExecuteLatentCommand(this, DoWork, bEnableSkipIfError)));
	}

	void LatentBeforeEach(TFunction<void(const FDoneDelegate&)> DoWork)
	{
		DefinitionScopeStack.Last()->BeforeEach.Push(MakeShareable(new FUntilDoneLatentCommand(this, DoWork, DefaultTimeout, bEnableSkipIfError)));
	}

	void LatentBeforeEach(const FTimespan& Timeout, TFunction<void(const FDoneDelegate&)> DoWork)
	{
		DefinitionScopeStack.Last()->BeforeEach.Push(MakeShareable(new FUntilDoneLatentCommand(this, DoWork, Timeout, bEnableSkipIfError)));
	}

	/** Runs after each It of its scope, also after a failure. */
	void AfterEach(TFunction<void()> DoWork)
	{
		DefinitionScopeStack.Last()->AfterEach.Push(MakeShareable(new FSingleExecuteLatentCommand(this, DoWork)));
	}

	void LatentAfterEach(TFunction<void(const FDoneDelegate&)> DoWork)
	{
		DefinitionScopeStack.Last()->AfterEach.Push(MakeShareable(new FUntilDoneLatentCommand(this, DoWork, DefaultTimeout)));
	}

	void LatentAfterEach(const FTimespan& Timeout, TFunction<void(const FDoneDelegate&)> DoWork)
	{
		DefinitionScopeStack.Last()->AfterEach.Push(MakeShareable(new FUntilDoneLatentCommand(this, DoWork, Timeout)));
	}

protected:
	/** How long a latent block may run before it fails the test. */
	FTimespan DefaultTimeout;

	/** Whether BeforeEach and It blocks are skipped once the test has failed. */
	bool bEnableSkipIfError;

	void EnsureDefinitions() const
	{
		if (!bHasBeenDefined)
		{
			const_cast<FAutomationSpecBase*>(this)->Define();
			const_cast<FAutomationSpecBase*>(this)->PostDefine();
		}
	}

	virtual void Define() = 0;

	/** Turns the described scopes into one chain of commands per It. */
	CORE_API void PostDefine();

private:
	template <typename MakeCommandType>
	void AddIt(const FString& InDescription, MakeCommandType&& MakeCommand)
	{
		const TSharedRef<FSpecDefinitionScope> CurrentScope = DefinitionScopeStack.Last();
		PushDescription(InDescription);
		CurrentScope->It.Push(MakeShared<FSpecIt>(GetDescription(), GetId(), MakeCommand()));
		PopDescription(InDescription);
	}

	void PushDescription(const FString& InDescription) { Description.Add(InDescription); }
	void PopDescription(const FString& InDescription) { Description.RemoveAt(Description.Num() - 1); }

	/** The descriptions joined with dots: the variant's display name. */
	CORE_API FString GetDescription() const;

	/** The text in the last description's closing brackets, or the descriptions joined with spaces. */
	CORE_API FString GetId() const;

	TArray<FString> Description;
	TMap<FString, TSharedRef<FSpec>> IdToSpecMap;
	TSharedPtr<FSpecDefinitionScope> RootDefinitionScope;
	TArray<TSharedRef<FSpecDefinitionScope>> DefinitionScopeStack;
	bool bHasBeenDefined = false;
};

//////////////////////////////////////////////////
// Latent command definition macros

#define DEFINE_LATENT_AUTOMATION_COMMAND(CommandName) \
	class CommandName : public IAutomationLatentCommand \
	{ \
	public: \
		virtual ~CommandName() {} \
		virtual bool Update() override; \
	}

#define DEFINE_LATENT_AUTOMATION_COMMAND_ONE_PARAMETER(CommandName, ParamType, ParamName) \
	class CommandName : public IAutomationLatentCommand \
	{ \
	public: \
		CommandName(ParamType InputParam) \
			: ParamName(InputParam) \
		{ \
		} \
		virtual ~CommandName() {} \
		virtual bool Update() override; \
	private: \
		ParamType ParamName; \
	}

#define DEFINE_LATENT_AUTOMATION_COMMAND_TWO_PARAMETER(CommandName, ParamType0, ParamName0, ParamType1, ParamName1) \
	class CommandName : public IAutomationLatentCommand \
	{ \
	public: \
		CommandName(ParamType0 InputParam0, ParamType1 InputParam1) \
			: ParamName0(InputParam0) \
			, ParamName1(InputParam1) \
		{ \
		} \
		virtual ~CommandName() {} \
		virtual bool Update() override; \
	private: \
		ParamType0 ParamName0; \
		ParamType1 ParamName1; \
	}

#define DEFINE_EXPORTED_LATENT_AUTOMATION_COMMAND_ONE_PARAMETER(EXPORT_API, CommandName, ParamType, ParamName) \
	class CommandName : public IAutomationLatentCommand \
	{ \
	public: \
		CommandName(ParamType InputParam) \
			: ParamName(InputParam) \
		{ \
		} \
		virtual ~CommandName() {} \
		EXPORT_API virtual bool Update() override; \
	private: \
		ParamType ParamName; \
	}

#define DEFINE_ENGINE_LATENT_AUTOMATION_COMMAND_ONE_PARAMETER(CommandName, ParamType, ParamName) \
	DEFINE_EXPORTED_LATENT_AUTOMATION_COMMAND_ONE_PARAMETER(ENGINE_API, CommandName, ParamType, ParamName)

/** Queues a new latent command of the running test, constructed from ClassDeclaration. */
#if WITH_AUTOMATION_TESTS
#define ADD_LATENT_AUTOMATION_COMMAND(ClassDeclaration) FAutomationTestFramework::Get().EnqueueLatentCommand(MakeShareable(new ClassDeclaration));
#else
#define ADD_LATENT_AUTOMATION_COMMAND(ClassDeclaration)
#endif

//////////////////////////////////////////////////
// Test definition macros. A test without an application context flag, or without exactly one run
// filter, does not compile.

#define UE_PRIVATE_AUTOMATION_TEST_FLAGS_CHECK(TFlags) \
	static_assert(!!((TFlags) & EAutomationTestFlags_ApplicationContextMask), "AutomationTest has no application flag.  It shouldn't run.  See AutomationTest.h."); \
	static_assert(!!(((TFlags) & EAutomationTestFlags_FilterMask) == EAutomationTestFlags::SmokeFilter) || \
			!!(((TFlags) & EAutomationTestFlags_FilterMask) == EAutomationTestFlags::EngineFilter) || \
			!!(((TFlags) & EAutomationTestFlags_FilterMask) == EAutomationTestFlags::ProductFilter) || \
			!!(((TFlags) & EAutomationTestFlags_FilterMask) == EAutomationTestFlags::PerfFilter) || \
			!!(((TFlags) & EAutomationTestFlags_FilterMask) == EAutomationTestFlags::StressFilter) || \
			!!(((TFlags) & EAutomationTestFlags_FilterMask) == EAutomationTestFlags::NegativeFilter), \
		"All AutomationTests must have exactly 1 filter type specified.  See AutomationTest.h.");

#define IMPLEMENT_SIMPLE_AUTOMATION_TEST_PRIVATE(TClass, TBaseClass, PrettyName, TFlags, FileName, LineNumber) \
	class TClass : public TBaseClass \
	{ \
	public: \
		TClass(const FString& InName) \
			: TBaseClass(InName, false) \
		{ \
			UE_PRIVATE_AUTOMATION_TEST_FLAGS_CHECK(TFlags) \
		} \
		virtual EAutomationTestFlags GetTestFlags() const override { return TFlags; } \
		virtual bool IsStressTest() const { return false; } \
		virtual uint32 GetRequiredDeviceNum() const override { return 1; } \
		virtual FString GetTestSourceFileName() const override { return FileName; } \
		virtual int32 GetTestSourceFileLine() const override { return LineNumber; } \
	protected: \
		virtual void GetTests(TArray<FString>& OutBeautifiedNames, TArray<FString>& OutTestCommands) const override \
		{ \
			OutBeautifiedNames.Add(PrettyName); \
			OutTestCommands.Add(FString()); \
		} \
		virtual bool RunTest(const FString& Parameters) override; \
		virtual FString GetBeautifiedTestName() const override { return PrettyName; } \
	};

#define IMPLEMENT_COMPLEX_AUTOMATION_TEST_PRIVATE(TClass, TBaseClass, PrettyName, TFlags, FileName, LineNumber) \
	class TClass : public TBaseClass \
	{ \
	public: \
		TClass(const FString& InName) \
			: TBaseClass(InName, true) \
		{ \
			UE_PRIVATE_AUTOMATION_TEST_FLAGS_CHECK(TFlags) \
		} \
		virtual EAutomationTestFlags GetTestFlags() const override { return ((TFlags) & ~(EAutomationTestFlags::SmokeFilter)); } \
		virtual bool IsStressTest() const { return true; } \
		virtual uint32 GetRequiredDeviceNum() const override { return 1; } \
		virtual FString GetTestSourceFileName() const override { return FileName; } \
		virtual int32 GetTestSourceFileLine() const override { return LineNumber; } \
	protected: \
		virtual void GetTests(TArray<FString>& OutBeautifiedNames, TArray<FString>& OutTestCommands) const override; \
		virtual bool RunTest(const FString& Parameters) override; \
		virtual FString GetBeautifiedTestName() const override { return PrettyName; } \
	};

#define BEGIN_DEFINE_SPEC_PRIVATE(TClass, PrettyName, TFlags, FileName, LineNumber) \
	class TClass : public FAutomationSpecBase \
	{ \
	public: \
		TClass(const FString& InName) \
			: FAutomationSpecBase(InName, false) \
		{ \
			UE_PRIVATE_AUTOMATION_TEST_FLAGS_CHECK(TFlags) \
		} \
		virtual EAutomationTestFlags GetTestFlags() const override { return TFlags; } \
		using FAutomationSpecBase::GetTestSourceFileName; \
		virtual FString GetTestSourceFileName() const override { return FileName; } \
		using FAutomationSpecBase::GetTestSourceFileLine; \
		virtual int32 GetTestSourceFileLine() const override { return LineNumber; } \
	protected: \
		virtual FString GetBeautifiedTestName() const override { return PrettyName; } \
		virtual void Define() override;

#if WITH_AUTOMATION_WORKER
#define IMPLEMENT_SIMPLE_AUTOMATION_TEST(TClass, PrettyName, TFlags) \
	IMPLEMENT_SIMPLE_AUTOMATION_TEST_PRIVATE(TClass, FAutomationTestBase, PrettyName, TFlags, __FILE__, __LINE__) \
	namespace \
	{ \
		TClass TClass##AutomationTestInstance(TEXT(#TClass)); \
	}
#define IMPLEMENT_COMPLEX_AUTOMATION_TEST(TClass, PrettyName, TFlags) \
	IMPLEMENT_COMPLEX_AUTOMATION_TEST_PRIVATE(TClass, FAutomationTestBase, PrettyName, TFlags, __FILE__, __LINE__) \
	namespace \
	{ \
		TClass TClass##AutomationTestInstance(TEXT(#TClass)); \
	}
#define IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(TClass, TBaseClass, PrettyName, TFlags) \
	IMPLEMENT_SIMPLE_AUTOMATION_TEST_PRIVATE(TClass, TBaseClass, PrettyName, TFlags, __FILE__, __LINE__) \
	namespace \
	{ \
		TClass TClass##AutomationTestInstance(TEXT(#TClass)); \
	}
#define BEGIN_DEFINE_SPEC(TClass, PrettyName, TFlags) \
	BEGIN_DEFINE_SPEC_PRIVATE(TClass, PrettyName, TFlags, __FILE__, __LINE__)
#define END_DEFINE_SPEC(TClass) \
	} \
	; \
	namespace \
	{ \
		TClass TClass##AutomationSpecInstance(TEXT(#TClass)); \
	}
#define DEFINE_SPEC(TClass, PrettyName, TFlags) \
	BEGIN_DEFINE_SPEC(TClass, PrettyName, TFlags) \
	END_DEFINE_SPEC(TClass)
#else
#define IMPLEMENT_SIMPLE_AUTOMATION_TEST(TClass, PrettyName, TFlags) \
	IMPLEMENT_SIMPLE_AUTOMATION_TEST_PRIVATE(TClass, FAutomationTestBase, PrettyName, TFlags, __FILE__, __LINE__)
#define IMPLEMENT_COMPLEX_AUTOMATION_TEST(TClass, PrettyName, TFlags) \
	IMPLEMENT_COMPLEX_AUTOMATION_TEST_PRIVATE(TClass, FAutomationTestBase, PrettyName, TFlags, __FILE__, __LINE__)
#define IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(TClass, TBaseClass, PrettyName, TFlags) \
	IMPLEMENT_SIMPLE_AUTOMATION_TEST_PRIVATE(TClass, TBaseClass, PrettyName, TFlags, __FILE__, __LINE__)
#define BEGIN_DEFINE_SPEC(TClass, PrettyName, TFlags) \
	BEGIN_DEFINE_SPEC_PRIVATE(TClass, PrettyName, TFlags, __FILE__, __LINE__)
#define END_DEFINE_SPEC(TClass) \
	} \
	;
#define DEFINE_SPEC(TClass, PrettyName, TFlags) \
	BEGIN_DEFINE_SPEC(TClass, PrettyName, TFlags) \
	END_DEFINE_SPEC(TClass)
#endif

/**
 * Early exits for RunTest: the check reports as usual, and on failure the test returns false at once.
 */
#define UTEST_EQUAL(What, Actual, Expected) \
	if (!TestEqual(What, Actual, Expected)) \
	{ \
		return false; \
	}

#define UTEST_NOT_EQUAL(What, Actual, Expected) \
	if (!TestNotEqual(What, Actual, Expected)) \
	{ \
		return false; \
	}

#define UTEST_TRUE(What, Value) \
	if (!TestTrue(What, Value)) \
	{ \
		return false; \
	}

#define UTEST_FALSE(What, Value) \
	if (!TestFalse(What, Value)) \
	{ \
		return false; \
	}

#define UTEST_VALID(What, Value) \
	if (!TestValid(What, Value)) \
	{ \
		return false; \
	}

#define UTEST_NULL(What, Pointer) \
	if (!TestNull(What, Pointer)) \
	{ \
		return false; \
	}

#define UTEST_NOT_NULL(What, Pointer) \
	if (!TestNotNull(What, Pointer)) \
	{ \
		return false; \
	} \
	CA_ASSUME(Pointer);

//////////////////////////////////////////////////
// Basic latent commands

/** Calls the predicate once a frame until it returns true. */
class FFunctionLatentCommand : public IAutomationLatentCommand
{
public:
	FFunctionLatentCommand(TFunction<bool()> InLatentPredicate)
		: LatentPredicate(MoveTemp(InLatentPredicate))
	{
	}

	virtual bool Update() override { return LatentPredicate(); }

private:
	TFunction<bool()> LatentPredicate;
};

/** Calls the callback once, InDelay seconds after the command's first update. */
class FDelayedFunctionLatentCommand : public IAutomationLatentCommand
{
public:
	FDelayedFunctionLatentCommand(TFunction<void()> InCallback, float InDelay = 0.1f)
		: Callback(MoveTemp(InCallback))
		, Delay(InDelay)
	{
	}

	virtual bool Update() override
	{
		const double NewTime = FPlatformTime::Seconds();
		if (NewTime - StartTime >= Delay)
		{
			Callback();
			return true;
		}
		return false;
	}

private:
	TFunction<void()> Callback;
	float Delay;
};

/** Calls InCallback once a frame until it returns true; after InTimeout seconds calls InTimeoutCallback and ends. */
class FUntilCommand : public IAutomationLatentCommand
{
public:
	FUntilCommand(TFunction<bool()> InCallback, TFunction<bool()> InTimeoutCallback, float InTimeout = 5.0f)
		: Callback(MoveTemp(InCallback))
		, TimeoutCallback(MoveTemp(InTimeoutCallback))
		, Timeout(InTimeout)
	{
	}

	virtual bool Update() override
	{
		if (!Callback())
		{
			const double NewTime = FPlatformTime::Seconds();
			if (NewTime - StartTime >= Timeout)
			{
				TimeoutCallback();
				return true;
			}
			return false;
		}
		return true;
	}

private:
	TFunction<bool()> Callback;
	TFunction<bool()> TimeoutCallback;
	float Timeout;
};
