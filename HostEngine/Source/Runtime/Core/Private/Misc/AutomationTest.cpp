#include "Misc/AutomationTest.h"

#include <inttypes.h>
#include <regex>
#include <string>

DEFINE_LOG_CATEGORY(LogLatentCommands);
DEFINE_LOG_CATEGORY(LogAutomationTestFramework);
DEFINE_LOG_CATEGORY_STATIC(LogAutomationTest, Warning, All);

namespace
{
	/** Filename(Line), the form the report's readers pick places out of; empty when the place is unknown. */
	FString CreateFileLineDescription(const FString& Filename, const int32 LineNumber)
	{
		FString Result;
		if (!Filename.IsEmpty() && LineNumber > 0)
		{
			Result = FString::Printf(TEXT("%s(%d)"), *Filename, LineNumber);
		}
		return Result;
	}

	/** The level a captured log line is reported at for CurrentTest, or NoLogging when it is left out. */
	ELogVerbosity::Type GetAutomationLogLevel(ELogVerbosity::Type LogVerbosity, FAutomationTestBase* CurrentTest)
	{
		ELogVerbosity::Type EffectiveVerbosity = LogVerbosity;
		if (CurrentTest->SuppressLogs())
		{
			return ELogVerbosity::NoLogging;
		}
		if (EffectiveVerbosity == ELogVerbosity::Warning)
		{
			if (CurrentTest->SuppressLogWarnings())
			{
				EffectiveVerbosity = ELogVerbosity::NoLogging;
			}
			else if (CurrentTest->ElevateLogWarningsToErrors())
			{
				EffectiveVerbosity = ELogVerbosity::Error;
			}
		}
		if (EffectiveVerbosity == ELogVerbosity::Error && CurrentTest->SuppressLogErrors())
		{
			EffectiveVerbosity = ELogVerbosity::NoLogging;
		}
		return EffectiveVerbosity;
	}

	bool IsRoutedThroughWarningContext(ELogVerbosity::Type Verbosity)
	{
		return Verbosity == ELogVerbosity::Error || Verbosity == ELogVerbosity::Warning || Verbosity == ELogVerbosity::Display;
	}

	/** UTF-16 to the wide characters the standard regular expressions work on. */
	std::wstring ToWide(const FString& Text)
	{
		std::wstring Wide;
		Wide.reserve(Text.Len());
		for (int32 Index = 0; Index < Text.Len(); ++Index)
		{
			const uint32 Unit = Text[Index];
			if (Unit >= 0xD800 && Unit < 0xDC00 && Index + 1 < Text.Len() && Text[Index + 1] >= 0xDC00 && Text[Index + 1] < 0xE000)
			{
				Wide.push_back((wchar_t)(0x10000 + ((Unit - 0xD800) << 10) + (Text[Index + 1] - 0xDC00)));
				++Index;
			}
			else
			{
				Wide.push_back((wchar_t)Unit);
			}
		}
		return Wide;
	}

	/**
	 * Whether Pattern, a regular expression compared ignoring case, is found in Message. The engine's
	 * ICU matcher finds nothing for a pattern it cannot compile; the standard library throws instead.
	 */
	bool RegexFinds(const FString& Pattern, const FString& Message)
	{
		try
		{
			const std::wregex Expression(ToWide(Pattern), std::regex_constants::ECMAScript | std::regex_constants::icase);
			return std::regex_search(ToWide(Message), Expression);
		}
		catch (const std::regex_error&)
		{
			return false;
		}
	}

	/** A view of Text, or a view without data for a null pointer. */
	FStringView ViewOrNull(const TCHAR* Text)
	{
		return Text ? FStringView(Text) : FStringView(nullptr, 0);
	}
}

bool FAutomationTestBase::bSuppressLogWarnings = false;
bool FAutomationTestBase::bSuppressLogErrors = false;
// The editor's automation settings default to counting log warnings as errors; the engine copies the
// setting from its config files, which the host does not read, so the host starts from that default.
bool FAutomationTestBase::bElevateLogWarningsToErrors = true;

//------------------------------------------------------------------------------

FString FAutomationExecutionEntry::ToString() const
{
	FString ComplexString = Event.Message;
	if (!Event.Context.IsEmpty())
	{
		ComplexString += TEXT(" [");
		ComplexString += Event.Context;
		ComplexString += TEXT("] ");
	}
	const FString FileLineDescription = CreateFileLineDescription(Filename, LineNumber);
	if (!FileLineDescription.IsEmpty())
	{
		ComplexString += TEXT(" [");
		ComplexString += FileLineDescription;
		ComplexString += TEXT("]");
	}
	return ComplexString;
}

bool FAutomationExpectedMessage::Matches(const FString& Message)
{
	bool bHasMatch = false;
	if (IsRegex())
	{
		bHasMatch = RegexFinds(IsExactCompareType() ? FString::Printf(TEXT("^%s$"), *MessagePatternString) : MessagePatternString, Message);
	}
	else
	{
		bHasMatch = Message.Contains(MessagePatternString) && (!IsExactCompareType() || Message.Len() == MessagePatternString.Len());
	}
	ActualNumberOfOccurrences += bHasMatch;
	return bHasMatch;
}

//------------------------------------------------------------------------------

void FAutomationTestExecutionInfo::Clear()
{
	ContextStack.Reset();
	Entries.Empty();
	Errors = 0;
	Warnings = 0;
}

void FAutomationTestExecutionInfo::AddEvent(const FAutomationEvent& Event, int StackOffset, bool bCaptureStack)
{
	switch (Event.Type)
	{
	case EAutomationEventType::Warning:
		Warnings++;
		break;
	case EAutomationEventType::Error:
		Errors++;
		break;
	default:
		break;
	}
	FAutomationExecutionEntry& NewEntry = Entries.Add_GetRef(FAutomationExecutionEntry(Event));
	if (NewEntry.Event.Context.IsEmpty())
	{
		NewEntry.Event.Context = GetContext();
	}
}

void FAutomationTestExecutionInfo::AddWarning(const FString& WarningMessage)
{
	AddEvent(FAutomationEvent(EAutomationEventType::Warning, WarningMessage));
}

void FAutomationTestExecutionInfo::AddError(const FString& ErrorMessage)
{
	AddEvent(FAutomationEvent(EAutomationEventType::Error, ErrorMessage));
}

//------------------------------------------------------------------------------

void FAutomationTestFramework::FAutomationTestOutputDevice::Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category)
{
	FAutomationTestBase* const LocalCurTest = CurTest.load(std::memory_order_relaxed);
	if (!LocalCurTest || (Verbosity & ELogVerbosity::SetColor))
	{
		return;
	}
	const ELogVerbosity::Type Level = ELogVerbosity::Type(Verbosity & ELogVerbosity::VerbosityMask);

	// In the engine, errors, warnings and displayed lines pass the warning context first, which lowers
	// a line the test expects to Verbose: the expectation counts it and the test's report never sees it.
	if (IsRoutedThroughWarningContext(Level) && LocalCurTest->IsExpectedMessage(FString(V), Level))
	{
		return;
	}

	const bool bCaptureLog = !LocalCurTest->SuppressLogs() && IsRoutedThroughWarningContext(Level) && LocalCurTest->ShouldCaptureLogCategory(Category);
	if (!bCaptureLog)
	{
		return;
	}
	const ELogVerbosity::Type EffectiveVerbosity = GetAutomationLogLevel(Level, LocalCurTest);
	if (EffectiveVerbosity == ELogVerbosity::NoLogging)
	{
		return;
	}
	FAutomationEvent Event(EAutomationEventType::Info, FString::Printf(TEXT("%s: %s"), *Category.ToString(), V), TEXT("log"));
	if (EffectiveVerbosity == ELogVerbosity::Error)
	{
		Event.Type = EAutomationEventType::Error;
	}
	else if (EffectiveVerbosity == ELogVerbosity::Warning)
	{
		Event.Type = EAutomationEventType::Warning;
	}
	LocalCurTest->AddEvent(Event);
}

FAutomationTestFramework& FAutomationTestFramework::Get()
{
	static FAutomationTestFramework Framework;
	return Framework;
}

FAutomationTestFramework::FAutomationTestFramework()
	: RequestedTestFilter(EAutomationTestFlags::SmokeFilter)
	, StartTime(0.0)
	, bTestSuccessful(false)
	, CurrentTest(nullptr)
{
}

FAutomationTestFramework::~FAutomationTestFramework()
{
	AutomationTestClassNameToInstanceMap.Empty();
}

bool FAutomationTestFramework::RegisterAutomationTest(const FString& InTestNameToRegister, FAutomationTestBase* InTestToRegister)
{
	const bool bAlreadyRegistered = AutomationTestClassNameToInstanceMap.Contains(InTestNameToRegister);
	if (!bAlreadyRegistered)
	{
		AutomationTestClassNameToInstanceMap.Add(InTestNameToRegister, InTestToRegister);
	}
	return !bAlreadyRegistered;
}

bool FAutomationTestFramework::UnregisterAutomationTest(const FString& InTestNameToUnregister)
{
	const bool bRegistered = AutomationTestClassNameToInstanceMap.Contains(InTestNameToUnregister);
	if (bRegistered)
	{
		AutomationTestClassNameToInstanceMap.Remove(InTestNameToUnregister);
	}
	return bRegistered;
}

void FAutomationTestFramework::EnqueueLatentCommand(TSharedPtr<IAutomationLatentCommand> NewCommand)
{
	// Latent commands are never used within smoke tests; this catches it when smoke tests alone were requested.
	check((RequestedTestFilter & EAutomationTestFlags_FilterMask) != EAutomationTestFlags::SmokeFilter);
	check(GIsAutomationTesting);
	LatentCommands.Add(NewCommand);
}

bool FAutomationTestFramework::ContainsTest(const FString& InTestName) const
{
	return AutomationTestClassNameToInstanceMap.Contains(InTestName);
}

void FAutomationTestFramework::StartTestByName(const FString& InTestToRun, const int32 InRoleIndex, const FString& InFullTestPath)
{
	if (GIsAutomationTesting)
	{
		DequeueAllCommands();
		FAutomationTestExecutionInfo TempExecutionInfo;
		StopTest(TempExecutionInfo);
	}

	FString TestName;
	FString Params;
	if (!InTestToRun.Split(TEXT(" "), &TestName, &Params, ESearchCase::CaseSensitive))
	{
		TestName = InTestToRun;
	}
	const FString TestPath = InFullTestPath.IsEmpty() ? InTestToRun : InFullTestPath;

	if (ContainsTest(TestName))
	{
		PrepForAutomationTests();
		InternalStartTest(InTestToRun, TestPath);
	}
	else
	{
		UE_LOG(LogAutomationTest, Error, TEXT("Test %s does not exist and could not be run."), *TestPath);
	}
}

bool FAutomationTestFramework::StopTest(FAutomationTestExecutionInfo& OutExecutionInfo)
{
	check(GIsAutomationTesting);
	const bool bSuccessful = InternalStopTest(OutExecutionInfo);
	ConcludeAutomationTests();
	return bSuccessful;
}

bool FAutomationTestFramework::ExecuteLatentCommands()
{
	check(GIsAutomationTesting);

	const bool bHadAnyLatentCommands = !LatentCommands.IsEmpty();
	while (!LatentCommands.IsEmpty())
	{
		TSharedPtr<IAutomationLatentCommand> NextCommand = LatentCommands[0];
		if (!NextCommand->InternalUpdate())
		{
			break;
		}
		// A command that emptied the queue (DequeueAllCommands) is gone already.
		if (!LatentCommands.IsEmpty() && LatentCommands[0] == NextCommand)
		{
			LatentCommands.RemoveAt(0);
		}
	}
	// A queue that had commands needs another frame before the test may stop.
	return !bHadAnyLatentCommands;
}

void FAutomationTestFramework::DequeueAllCommands()
{
	LatentCommands.Empty();
}

void FAutomationTestFramework::GetValidTestNames(TArray<FAutomationTestInfo>& TestInfo) const
{
	TestInfo.Empty();

	// The host is an editor, run as -nullrhi -unattended: no RHI device and no user to answer.
	const EAutomationTestFlags ApplicationSupportFlags = GIsEditor ? EAutomationTestFlags::EditorContext : (EAutomationTestFlags::ClientContext | EAutomationTestFlags::ServerContext);
	const EAutomationTestFlags FeatureSupportFlags = EAutomationTestFlags::None;

	for (const TPair<FString, FAutomationTestBase*>& Pair : AutomationTestClassNameToInstanceMap)
	{
		const FAutomationTestBase* CurTest = Pair.Value;
		check(CurTest);
		const EAutomationTestFlags CurTestFlags = CurTest->GetTestFlags();

		const bool bPassesFilterRequirement = !!(CurTestFlags & RequestedTestFilter);
		const EAutomationTestFlags CurTestApplicationFlags = CurTestFlags & EAutomationTestFlags_ApplicationContextMask;
		const bool bPassesApplicationRequirements = !CurTestApplicationFlags || !!(CurTestApplicationFlags & ApplicationSupportFlags);
		const EAutomationTestFlags CurTestFeatureFlags = CurTestFlags & EAutomationTestFlags_FeatureMask;
		const bool bPassesFeatureRequirements = !CurTestFeatureFlags || !!(CurTestFeatureFlags & FeatureSupportFlags);
		const bool bEnabled = !(CurTestFlags & EAutomationTestFlags::Disabled);

		if (bEnabled && bPassesApplicationRequirements && bPassesFeatureRequirements && bPassesFilterRequirement)
		{
			TArray<FAutomationTestInfo> TestsToAdd;
			CurTest->GenerateTestNames(TestsToAdd);
			TestInfo.Append(TestsToAdd);
		}
	}
}

void FAutomationTestFramework::SetRequestedTestFilter(const EAutomationTestFlags InRequestedTestFlags)
{
	RequestedTestFilter = InRequestedTestFlags;
}

bool FAutomationTestFramework::CanRunTestInEnvironment(const FString& InTestToRun, FString* OutReason, bool* OutWarn) const
{
	FString TestClassName;
	FString TestParameters;
	if (!InTestToRun.Split(TEXT(" "), &TestClassName, &TestParameters, ESearchCase::CaseSensitive))
	{
		TestClassName = InTestToRun;
	}
	const FAutomationTestBase* const* Test = AutomationTestClassNameToInstanceMap.Find(TestClassName);
	if (!Test || !*Test)
	{
		return false;
	}
	if (!(*Test)->CanRunInEnvironment(TestParameters, OutReason, OutWarn))
	{
		if (OutReason)
		{
			if (OutReason->IsEmpty())
			{
				*OutReason = TEXT("unknown reason");
			}
			*OutReason += TEXT(" [code]");
			const FString FileLineDescription = CreateFileLineDescription((*Test)->GetTestSourceFileName(), (*Test)->GetTestSourceFileLine());
			if (!FileLineDescription.IsEmpty())
			{
				*OutReason += TEXT(" [") + FileLineDescription + TEXT("]");
			}
		}
		return false;
	}
	return true;
}

void FAutomationTestFramework::PrepForAutomationTests()
{
	check(!GIsAutomationTesting);
	GLog->AddOutputDevice(&AutomationTestOutputDevice);
	GIsAutomationTesting = true;
}

void FAutomationTestFramework::ConcludeAutomationTests()
{
	check(GIsAutomationTesting);
	GIsAutomationTesting = false;
	GLog->RemoveOutputDevice(&AutomationTestOutputDevice);
}

void FAutomationTestFramework::InternalStartTest(const FString& InTestToRun, const FString& InFullTestPath)
{
	Parameters.Empty();
	CurrentTestFullPath.Empty();

	FString TestName;
	if (!InTestToRun.Split(TEXT(" "), &TestName, &Parameters, ESearchCase::CaseSensitive))
	{
		TestName = InTestToRun;
	}
	if (!ContainsTest(TestName))
	{
		return;
	}
	CurrentTest = *AutomationTestClassNameToInstanceMap.Find(TestName);
	check(CurrentTest);

	CurrentTest->ClearExecutionInfo();
	AutomationTestOutputDevice.SetCurrentAutomationTest(CurrentTest);

	StartTime = FPlatformTime::Seconds();
	CurrentTest->SetTestContext(Parameters);
	CurrentTestFullPath = InFullTestPath;

	const EAutomationTestFlags NonSmokeTestFlags = EAutomationTestFlags_FilterMask & ~EAutomationTestFlags::SmokeFilter;
	if (!!(RequestedTestFilter & NonSmokeTestFlags))
	{
		UE_LOG(LogAutomationTest, Log, TEXT("%s %s is starting at %f"), *CurrentTest->GetBeautifiedTestName(), *Parameters, StartTime);
	}

	bTestSuccessful = CurrentTest->RunTest(Parameters);
}

bool FAutomationTestFramework::InternalStopTest(FAutomationTestExecutionInfo& OutExecutionInfo)
{
	check(GIsAutomationTesting);
	check(LatentCommands.IsEmpty());

	// Passed: the test returned true, reported no error, and met every message it expected.
	bTestSuccessful = bTestSuccessful && !CurrentTest->HasAnyErrors() && CurrentTest->HasMetExpectedMessages();
	{
		std::lock_guard<std::mutex> Lock(CurrentTest->ActionCS);
		CurrentTest->ExpectedMessages.Empty();
	}
	CurrentTest->InternalSetSuccessState(bTestSuccessful);

	const double TimeForTest = FPlatformTime::Seconds() - StartTime;
	const EAutomationTestFlags NonSmokeTestFlags = EAutomationTestFlags_FilterMask & ~EAutomationTestFlags::SmokeFilter;
	if (!!(RequestedTestFilter & NonSmokeTestFlags))
	{
		UE_LOG(LogAutomationTest, Log, TEXT("%s %s ran in %f"), *CurrentTest->GetBeautifiedTestName(), *Parameters, TimeForTest);
	}

	CurrentTest->GetExecutionInfo(OutExecutionInfo);
	OutExecutionInfo.Duration = TimeForTest;

	AutomationTestOutputDevice.SetCurrentAutomationTest(nullptr);
	CurrentTest = nullptr;
	return bTestSuccessful;
}

//------------------------------------------------------------------------------

FAutomationTestBase::FAutomationTestBase(const FString& InName, const bool bInComplexTask)
	: bComplexTask(bInComplexTask)
	, TestName(InName)
{
	FAutomationTestFramework::Get().RegisterAutomationTest(InName, this);
}

FAutomationTestBase::~FAutomationTestBase()
{
	FAutomationTestFramework::Get().UnregisterAutomationTest(TestName);
}

void FAutomationTestBase::ClearExecutionInfo()
{
	ExecutionInfo.Clear();
}

void FAutomationTestBase::AddError(const FString& InError, int32 StackOffset)
{
	if (!IsExpectedMessage(InError, ELogVerbosity::Warning))
	{
		std::lock_guard<std::mutex> Lock(ActionCS);
		ExecutionInfo.AddEvent(FAutomationEvent(EAutomationEventType::Error, InError), StackOffset + 1);
	}
}

bool FAutomationTestBase::AddErrorIfFalse(bool bCondition, const FString& InError, int32 StackOffset)
{
	if (!bCondition)
	{
		AddError(InError, StackOffset + 1);
	}
	return bCondition;
}

void FAutomationTestBase::AddWarning(const FString& InWarning, int32 StackOffset)
{
	if (!IsExpectedMessage(InWarning, ELogVerbosity::Warning))
	{
		std::lock_guard<std::mutex> Lock(ActionCS);
		ExecutionInfo.AddEvent(FAutomationEvent(EAutomationEventType::Warning, InWarning), StackOffset + 1);
	}
}

void FAutomationTestBase::AddInfo(const FString& InLogItem, int32 StackOffset, bool bCaptureStack)
{
	if (!IsExpectedMessage(InLogItem, ELogVerbosity::Display))
	{
		std::lock_guard<std::mutex> Lock(ActionCS);
		ExecutionInfo.AddEvent(FAutomationEvent(EAutomationEventType::Info, InLogItem), StackOffset + 1, bCaptureStack);
	}
}

void FAutomationTestBase::AddEvent(const FAutomationEvent& InEvent, int32 StackOffset, bool bCaptureStack)
{
	ELogVerbosity::Type LogType = ELogVerbosity::Display;
	if (InEvent.Type == EAutomationEventType::Error)
	{
		LogType = ELogVerbosity::Error;
	}
	else if (InEvent.Type == EAutomationEventType::Warning)
	{
		LogType = ELogVerbosity::Warning;
	}
	if (!IsExpectedMessage(InEvent.Message, LogType))
	{
		std::lock_guard<std::mutex> Lock(ActionCS);
		ExecutionInfo.AddEvent(InEvent, StackOffset + 1, bCaptureStack);
	}
}

bool FAutomationTestBase::HasAnyErrors() const
{
	return ExecutionInfo.GetErrorTotal() > 0;
}

bool FAutomationTestBase::HasMetExpectedMessages(ELogVerbosity::Type VerbosityType)
{
	bool bHasMetAllExpectedMessages = true;
	TArray<FAutomationExpectedMessage> ExpectedMessagesArray;
	{
		std::lock_guard<std::mutex> Lock(ActionCS);
		ExpectedMessagesArray = ExpectedMessages;
	}
	for (const FAutomationExpectedMessage& ExpectedMessage : ExpectedMessagesArray)
	{
		if (!LogCategoryMatchesSeverityInclusive(ExpectedMessage.Verbosity, VerbosityType))
		{
			continue;
		}

		// "Any" rather than "All", which would read as if every level were required.
		const TCHAR* LogVerbosityString = ExpectedMessage.Verbosity == ELogVerbosity::All ? TEXT("Any") : ToString(ExpectedMessage.Verbosity);
		const bool bExpectsOneOrMore = ExpectedMessage.ExpectedNumberOfOccurrences == 0;
		std::lock_guard<std::mutex> Lock(ActionCS);
		if (!bExpectsOneOrMore && ExpectedMessage.ExpectedNumberOfOccurrences != ExpectedMessage.ActualNumberOfOccurrences)
		{
			bHasMetAllExpectedMessages = false;
			ExecutionInfo.AddEvent(FAutomationEvent(EAutomationEventType::Error,
				FString::Printf(TEXT("Expected ('%s') level log message or higher matching '%s' to occur %d times with %s match type, but it was found %d time(s)."), LogVerbosityString, *ExpectedMessage.MessagePatternString, ExpectedMessage.ExpectedNumberOfOccurrences, EAutomationExpectedMessageFlags::ToString(ExpectedMessage.CompareType), ExpectedMessage.ActualNumberOfOccurrences), ExecutionInfo.GetContext()));
		}
		else if (bExpectsOneOrMore)
		{
			if (ExpectedMessage.ActualNumberOfOccurrences == 0)
			{
				bHasMetAllExpectedMessages = false;
				ExecutionInfo.AddEvent(FAutomationEvent(EAutomationEventType::Error,
					FString::Printf(TEXT("Expected suppressed ('%s') level log message or higher matching '%s' did not occur."), LogVerbosityString, *ExpectedMessage.MessagePatternString), ExecutionInfo.GetContext()));
			}
			else
			{
				ExecutionInfo.AddEvent(FAutomationEvent(EAutomationEventType::Info,
					FString::Printf(TEXT("Suppressed expected ('%s') level log message or higher matching '%s' %d times."), LogVerbosityString, *ExpectedMessage.MessagePatternString, ExpectedMessage.ActualNumberOfOccurrences), ExecutionInfo.GetContext()));
			}
		}
	}
	return bHasMetAllExpectedMessages;
}

bool FAutomationTestBase::HasMetExpectedErrors()
{
	return HasMetExpectedMessages(ELogVerbosity::Warning);
}

void FAutomationTestBase::InternalSetSuccessState(bool bSuccessful)
{
	ExecutionInfo.bSuccessful = bSuccessful;
}

bool FAutomationTestBase::GetLastExecutionSuccessState()
{
	return ExecutionInfo.bSuccessful;
}

void FAutomationTestBase::GetExecutionInfo(FAutomationTestExecutionInfo& OutInfo) const
{
	std::lock_guard<std::mutex> Lock(ActionCS);
	OutInfo = ExecutionInfo;
}

void FAutomationTestBase::AddExpectedMessage(FString ExpectedPatternString, ELogVerbosity::Type ExpectedVerbosity, EAutomationExpectedMessageFlags::MatchType CompareType, int32 Occurrences, bool IsRegex)
{
	if (Occurrences < 0)
	{
		UE_LOG(LogAutomationTest, Error, TEXT("Adding expected log message matching '%s' failed: number of expected occurrences must be >= 0"), *ExpectedPatternString);
		return;
	}
	std::lock_guard<std::mutex> Lock(ActionCS);
	FAutomationExpectedMessage NewMessage(ExpectedPatternString, ExpectedVerbosity, CompareType, Occurrences, IsRegex);
	for (FAutomationExpectedMessage& ExpectedMessage : ExpectedMessages)
	{
		if (ExpectedMessage == NewMessage)
		{
			ExpectedMessage = NewMessage;
			return;
		}
	}
	ExpectedMessages.Add(NewMessage);
}

void FAutomationTestBase::AddExpectedMessage(FString ExpectedPatternString, EAutomationExpectedMessageFlags::MatchType CompareType, int32 Occurrences, bool IsRegex)
{
	AddExpectedMessage(MoveTemp(ExpectedPatternString), ELogVerbosity::All, CompareType, Occurrences, IsRegex);
}

void FAutomationTestBase::AddExpectedMessagePlain(FString ExpectedString, ELogVerbosity::Type ExpectedVerbosity, EAutomationExpectedMessageFlags::MatchType CompareType, int32 Occurrences)
{
	AddExpectedMessage(MoveTemp(ExpectedString), ExpectedVerbosity, CompareType, Occurrences, false);
}

void FAutomationTestBase::AddExpectedMessagePlain(FString ExpectedString, EAutomationExpectedMessageFlags::MatchType CompareType, int32 Occurrences)
{
	AddExpectedMessagePlain(MoveTemp(ExpectedString), ELogVerbosity::All, CompareType, Occurrences);
}

void FAutomationTestBase::AddExpectedError(FString ExpectedPatternString, EAutomationExpectedErrorFlags::MatchType CompareType, int32 Occurrences, bool IsRegex)
{
	// Warning takes in errors too: the level is a minimum.
	AddExpectedMessage(MoveTemp(ExpectedPatternString), ELogVerbosity::Warning, CompareType, Occurrences, IsRegex);
}

void FAutomationTestBase::AddExpectedErrorPlain(FString ExpectedString, EAutomationExpectedErrorFlags::MatchType CompareType, int32 Occurrences)
{
	AddExpectedMessagePlain(MoveTemp(ExpectedString), ELogVerbosity::Warning, CompareType, Occurrences);
}

void FAutomationTestBase::GenerateTestNames(TArray<FAutomationTestInfo>& TestInfo) const
{
	TArray<FString> BeautifiedNames;
	TArray<FString> ParameterNames;
	GetTests(BeautifiedNames, ParameterNames);

	const FString BeautifiedTestName = GetBeautifiedTestName();
	for (int32 ParameterIndex = 0; ParameterIndex < ParameterNames.Num(); ++ParameterIndex)
	{
		FString CompleteBeautifiedNames = BeautifiedTestName;
		FString CompleteTestName = TestName;
		if (ParameterNames[ParameterIndex].Len())
		{
			CompleteBeautifiedNames = FString::Printf(TEXT("%s.%s"), *BeautifiedTestName, *BeautifiedNames[ParameterIndex]);
			CompleteTestName = FString::Printf(TEXT("%s %s"), *TestName, *ParameterNames[ParameterIndex]);
		}
		TestInfo.Add(FAutomationTestInfo(CompleteBeautifiedNames, CompleteBeautifiedNames, CompleteTestName, GetTestFlags(), GetRequiredDeviceNum(),
			ParameterNames[ParameterIndex], GetTestSourceFileName(CompleteTestName), GetTestSourceFileLine(CompleteTestName)));
	}
}

bool FAutomationTestBase::LogCategoryMatchesSeverityInclusive(ELogVerbosity::Type Actual, ELogVerbosity::Type MaximumVerbosity)
{
	return Actual == ELogVerbosity::All || MaximumVerbosity == ELogVerbosity::All || Actual <= MaximumVerbosity;
}

bool FAutomationTestBase::IsExpectedMessage(const FString& Message, const ELogVerbosity::Type& Verbosity)
{
	std::lock_guard<std::mutex> Lock(ActionCS);
	for (FAutomationExpectedMessage& ExpectedMessage : ExpectedMessages)
	{
		// An expectation of Warning or more severe takes in warnings, errors and fatal lines; any other
		// expectation takes in every level.
		const ELogVerbosity::Type AdjustedMessageVerbosity = ExpectedMessage.Verbosity <= ELogVerbosity::Warning ? ELogVerbosity::Warning : ELogVerbosity::VeryVerbose;
		if (LogCategoryMatchesSeverityInclusive(Verbosity, AdjustedMessageVerbosity) && ExpectedMessage.Matches(Message))
		{
			return true;
		}
	}
	return false;
}

FString FAutomationTestBase::GetStringValueToDisplay(FStringView Value) const
{
	if (!Value.GetData())
	{
		return TEXT("nullptr");
	}
	return FString::Printf(TEXT("\"%s\""), *FString::ConstructFromPtrSize(Value.GetData(), Value.Len()));
}

//------------------------------------------------------------------------------

bool FAutomationTestBase::TestEqual(const TCHAR* What, const int32 Actual, const int32 Expected)
{
	if (Actual != Expected)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %d, but it was %d."), What, Expected, Actual), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const int64 Actual, const int64 Expected)
{
	if (Actual != Expected)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %" PRId64 ", but it was %" PRId64 "."), What, Expected, Actual), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const SIZE_T Actual, const SIZE_T Expected)
{
	if (Actual != Expected)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %" PRIuPTR ", but it was %" PRIuPTR "."), What, Expected, Actual), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const float Actual, const float Expected, float Tolerance)
{
	if (!FMath::IsNearlyEqual(Actual, Expected, Tolerance))
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %f, but it was %f and outside tolerance %f."), What, Expected, Actual, Tolerance), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const double Actual, const double Expected, double Tolerance)
{
	if (!FMath::IsNearlyEqual(Actual, Expected, Tolerance))
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %f, but it was %f and outside tolerance %f."), What, Expected, Actual, Tolerance), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const TCHAR* Actual, const TCHAR* Expected)
{
	const bool bAreEqual = (Actual && Expected) ? FCString::Stricmp(Actual, Expected) == 0 : Actual == Expected;
	if (!bAreEqual)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %s, but it was %s."), What, *GetStringValueToDisplay(ViewOrNull(Expected)), *GetStringValueToDisplay(ViewOrNull(Actual))), 1);
	}
	return bAreEqual;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, FStringView Actual, FStringView Expected)
{
	if (!Actual.Equals(Expected, ESearchCase::IgnoreCase))
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %s, but it was %s."), What, *GetStringValueToDisplay(Expected), *GetStringValueToDisplay(Actual)), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestNotEqual(const TCHAR* What, const TCHAR* Actual, const TCHAR* Expected)
{
	const bool bAreDifferent = (Actual && Expected) ? FCString::Stricmp(Actual, Expected) != 0 : Actual != Expected;
	if (!bAreDifferent)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to differ from %s, but it was %s."), What, *GetStringValueToDisplay(ViewOrNull(Expected)), *GetStringValueToDisplay(ViewOrNull(Actual))), 1);
	}
	return bAreDifferent;
}

bool FAutomationTestBase::TestNotEqual(const TCHAR* What, FStringView Actual, FStringView Expected)
{
	if (Actual.Equals(Expected, ESearchCase::IgnoreCase))
	{
		AddError(FString::Printf(TEXT("Expected '%s' to differ from %s, but it was %s."), What, *GetStringValueToDisplay(Expected), *GetStringValueToDisplay(Actual)), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqualSensitive(const TCHAR* What, const TCHAR* Actual, const TCHAR* Expected)
{
	const bool bAreEqual = (Actual && Expected) ? FCString::Strcmp(Actual, Expected) == 0 : Actual == Expected;
	if (!bAreEqual)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %s, but it was %s."), What, *GetStringValueToDisplay(ViewOrNull(Expected)), *GetStringValueToDisplay(ViewOrNull(Actual))), 1);
	}
	return bAreEqual;
}

bool FAutomationTestBase::TestEqualSensitive(const TCHAR* What, FStringView Actual, FStringView Expected)
{
	if (!Actual.Equals(Expected, ESearchCase::CaseSensitive))
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %s, but it was %s."), What, *GetStringValueToDisplay(Expected), *GetStringValueToDisplay(Actual)), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestLessThan(const TCHAR* What, const int32 Actual, const int32 Expected)
{
	if (Actual < Expected)
	{
		return true;
	}
	AddError(FString::Printf(TEXT("Expected '%s' to be less than %d, but it was %d."), What, Expected, Actual), 1);
	return false;
}

bool FAutomationTestBase::TestLessThan(const TCHAR* What, const int64 Actual, const int64 Expected)
{
	if (Actual < Expected)
	{
		return true;
	}
	AddError(FString::Printf(TEXT("Expected '%s' to be less than %" PRId64 ", but it was %" PRId64 "."), What, Expected, Actual), 1);
	return false;
}

bool FAutomationTestBase::TestGreaterThan(const TCHAR* What, const int32 Actual, const int32 Expected)
{
	if (Actual > Expected)
	{
		return true;
	}
	AddError(FString::Printf(TEXT("Expected '%s' to be greater than %d, but it was %d."), What, Expected, Actual), 1);
	return false;
}

bool FAutomationTestBase::TestGreaterThan(const TCHAR* What, const int64 Actual, const int64 Expected)
{
	if (Actual > Expected)
	{
		return true;
	}
	AddError(FString::Printf(TEXT("Expected '%s' to be greater than %" PRId64 ", but it was %" PRId64 "."), What, Expected, Actual), 1);
	return false;
}

bool FAutomationTestBase::TestLessEqual(const TCHAR* What, const int32 Actual, const int32 Expected)
{
	if (Actual <= Expected)
	{
		return true;
	}
	AddError(FString::Printf(TEXT("Expected '%s' to be less than or equal to %d, but it was %d."), What, Expected, Actual), 1);
	return false;
}

bool FAutomationTestBase::TestLessEqual(const TCHAR* What, const int64 Actual, const int64 Expected)
{
	if (Actual <= Expected)
	{
		return true;
	}
	AddError(FString::Printf(TEXT("Expected '%s' to be less than or equal to %" PRId64 ", but it was %" PRId64 "."), What, Expected, Actual), 1);
	return false;
}

bool FAutomationTestBase::TestGreaterEqual(const TCHAR* What, const int32 Actual, const int32 Expected)
{
	if (Actual >= Expected)
	{
		return true;
	}
	AddError(FString::Printf(TEXT("Expected '%s' to be greater than or equal to %d, but it was %d."), What, Expected, Actual), 1);
	return false;
}

bool FAutomationTestBase::TestGreaterEqual(const TCHAR* What, const int64 Actual, const int64 Expected)
{
	if (Actual >= Expected)
	{
		return true;
	}
	AddError(FString::Printf(TEXT("Expected '%s' to be greater than or equal to %" PRId64 ", but it was %" PRId64 "."), What, Expected, Actual), 1);
	return false;
}

bool FAutomationTestBase::TestFalse(const TCHAR* What, bool Value)
{
	if (Value)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be false."), What), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestTrue(const TCHAR* What, bool Value)
{
	if (!Value)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be true."), What), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestNull(const TCHAR* What, const void* Pointer)
{
	if (Pointer != nullptr)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be null."), What), 1);
		return false;
	}
	return true;
}

//------------------------------------------------------------------------------

void FAutomationSpecBase::PostDefine()
{
	// Depth first over the scopes, each It taking the BeforeEach blocks of its enclosing scopes in
	// order and their AfterEach blocks in reverse.
	TArray<TSharedRef<FSpecDefinitionScope>> Stack;
	Stack.Push(RootDefinitionScope.ToSharedRef());

	TArray<TSharedRef<IAutomationLatentCommand>> BeforeEach;
	TArray<TSharedRef<IAutomationLatentCommand>> AfterEach;

	while (Stack.Num() > 0)
	{
		const TSharedRef<FSpecDefinitionScope> Scope = Stack.Last();
		BeforeEach.Append(Scope->BeforeEach);
		AfterEach.Append(Scope->AfterEach);

		for (const TSharedRef<FSpecIt>& It : Scope->It)
		{
			TSharedRef<FSpec> Spec = MakeShared<FSpec>();
			Spec->Id = It->Id;
			Spec->Description = It->Description;
			Spec->Commands.Append(BeforeEach);
			Spec->Commands.Add(It->Command);
			for (int32 AfterEachIndex = AfterEach.Num() - 1; AfterEachIndex >= 0; AfterEachIndex--)
			{
				Spec->Commands.Add(AfterEach[AfterEachIndex]);
			}
			check(!IdToSpecMap.Contains(Spec->Id));
			IdToSpecMap.Add(Spec->Id, Spec);
		}
		Scope->It.Empty();

		if (Scope->Children.Num() > 0)
		{
			Stack.Append(Scope->Children);
			Scope->Children.Empty();
		}
		else
		{
			while (Stack.Num() > 0 && Stack.Last()->Children.Num() == 0 && Stack.Last()->It.Num() == 0)
			{
				const TSharedRef<FSpecDefinitionScope> PoppedScope = Stack.Pop();
				if (PoppedScope->BeforeEach.Num() > 0)
				{
					BeforeEach.RemoveAt(BeforeEach.Num() - PoppedScope->BeforeEach.Num(), PoppedScope->BeforeEach.Num());
				}
				if (PoppedScope->AfterEach.Num() > 0)
				{
					AfterEach.RemoveAt(AfterEach.Num() - PoppedScope->AfterEach.Num(), PoppedScope->AfterEach.Num());
				}
			}
		}
	}

	RootDefinitionScope.Reset();
	DefinitionScopeStack.Reset();
	bHasBeenDefined = true;
}

FString FAutomationSpecBase::GetDescription() const
{
	FString CompleteDescription;
	for (const FString& Part : Description)
	{
		if (Part.IsEmpty())
		{
			continue;
		}
		if (CompleteDescription.IsEmpty())
		{
			CompleteDescription = Part;
		}
		else
		{
			CompleteDescription = FString::Printf(TEXT("%s.%s"), *CompleteDescription, *Part);
		}
	}
	return CompleteDescription;
}

FString FAutomationSpecBase::GetId() const
{
	if (Description.Last().EndsWith(TEXT("]")))
	{
		FString ItDescription = Description.Last();
		ItDescription.RemoveAt(ItDescription.Len() - 1);
		int32 StartingBraceIndex = INDEX_NONE;
		if (ItDescription.FindLastChar(TEXT('['), StartingBraceIndex) && StartingBraceIndex != ItDescription.Len() - 1)
		{
			return ItDescription.RightChop(StartingBraceIndex + 1);
		}
	}

	FString CompleteId;
	for (const FString& Part : Description)
	{
		if (Part.IsEmpty())
		{
			continue;
		}
		if (CompleteId.IsEmpty())
		{
			CompleteId = Part;
		}
		else if (FChar::IsWhitespace(CompleteId[CompleteId.Len() - 1]) || FChar::IsWhitespace(Part[0]))
		{
			CompleteId = CompleteId + Part;
		}
		else
		{
			CompleteId = FString::Printf(TEXT("%s %s"), *CompleteId, *Part);
		}
	}
	return CompleteId;
}
