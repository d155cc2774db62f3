#include "AutomationTestRun.h"

#include <map>
#include <string>

// Tests of each kind the filters tell apart; none of them has anything to check.
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationFilterEditorTest, "HostCore.Automation.Filters.Editor", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationFilterClientTest, "HostCore.Automation.Filters.Client", EAutomationTestFlags::ClientContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationFilterSmokeTest, "HostCore.Automation.Filters.Smoke", EAutomationTestFlags_ApplicationContextMask | EAutomationTestFlags::SmokeFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationFilterStressTest, "HostCore.Automation.Filters.Stress", EAutomationTestFlags::EditorContext | EAutomationTestFlags::StressFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationFilterDisabledTest, "HostCore.Automation.Filters.Disabled", EAutomationTestFlags::EditorContext | EAutomationTestFlags::Disabled | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationFilterRHITest, "HostCore.Automation.Filters.RHI", EAutomationTestFlags::EditorContext | EAutomationTestFlags::NonNullRHI | EAutomationTestFlags::ProductFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationFilterUserTest, "HostCore.Automation.Filters.User", EAutomationTestFlags::EditorContext | EAutomationTestFlags::RequiresUser | EAutomationTestFlags::ProductFilter)
IMPLEMENT_COMPLEX_AUTOMATION_TEST(FAutomationFilterCasesTest, "HostCore.Automation.Filters.Cases", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationReturnsFalseTest, "HostCore.Automation.ReturnsFalse", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationFailedChecksTest, "HostCore.Automation.FailedChecks", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationLogLevelsTest, "HostCore.Automation.LogLevels", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FAutomationExpectedErrorTest, "HostCore.Automation.ExpectedError", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FAutomationFilterEditorTest::RunTest(const FString& Parameters)
{
	return true;
}
bool FAutomationFilterClientTest::RunTest(const FString& Parameters)
{
	return true;
}
bool FAutomationFilterSmokeTest::RunTest(const FString& Parameters)
{
	return true;
}
bool FAutomationFilterStressTest::RunTest(const FString& Parameters)
{
	return true;
}
bool FAutomationFilterDisabledTest::RunTest(const FString& Parameters)
{
	return true;
}
bool FAutomationFilterRHITest::RunTest(const FString& Parameters)
{
	return true;
}
bool FAutomationFilterUserTest::RunTest(const FString& Parameters)
{
	return true;
}

void FAutomationFilterCasesTest::GetTests(TArray<FString>& OutBeautifiedNames, TArray<FString>& OutTestCommands) const
{
	OutBeautifiedNames.Add(TEXT("First"));
	OutTestCommands.Add(TEXT("first parameter"));
	OutBeautifiedNames.Add(TEXT("Second"));
	OutTestCommands.Add(TEXT("second"));
}

bool FAutomationFilterCasesTest::RunTest(const FString& Parameters)
{
	return TestEqual(TEXT("Parameters"), Parameters, FString(TEXT("first parameter")));
}

bool FAutomationReturnsFalseTest::RunTest(const FString& Parameters)
{
	return false;
}

bool FAutomationFailedChecksTest::RunTest(const FString& Parameters)
{
	int32 Count = 2;
	TestEqual(TEXT("Count"), Count, 3);
	TestEqual(TEXT("Out"), FString(TEXT("a")), FString(TEXT("b")));
	TestEqual(TEXT("Case"), FString(TEXT("ABC")), TEXT("abc"));
	TestEqualSensitive(TEXT("Exact case"), FString(TEXT("ABC")), TEXT("abc"));
	TestEqual(TEXT("Ratio"), 1.5f, 1.0f);
	TestEqual(TEXT("Near"), 1.00001, 1.0);
	TestTrue(TEXT("bReady"), false);
	TestFalse(TEXT("bFailed"), true);
	TestNotNull(TEXT("Pointer"), (const int32*)nullptr);
	TestNull(TEXT("Other"), &Count);
	TestValid(TEXT("Shared"), TSharedPtr<int32>());
	TestEqual(TEXT("Name"), FName(TEXT("A")), FName(TEXT("B")));
	TestNotEqual(TEXT("Same"), FString(TEXT("x")), FString(TEXT("X")));
	TestEqual(TEXT("Null text"), (const TCHAR*)nullptr, TEXT("x"));
	AddWarning(TEXT("Plain warning"));
	return true;
}

bool FAutomationLogLevelsTest::RunTest(const FString& Parameters)
{
	UE_LOG(LogTemp, Error, TEXT("Error line"));
	UE_LOG(LogTemp, Warning, TEXT("Warning line"));
	UE_LOG(LogTemp, Display, TEXT("Display line"));
	UE_LOG(LogTemp, Log, TEXT("Log line"));
	return true;
}

namespace
{
	/** One way a test expects an error, and what it logs. */
	struct FExpectedErrorCase
	{
		const char* Name;
		const TCHAR* Pattern;
		EAutomationExpectedErrorFlags::MatchType CompareType;
		int32 Occurrences;
		int32 TimesLogged;
		bool bSucceeds;
		std::vector<std::string> Errors;
		std::vector<std::string> Infos;
	};

	const FExpectedErrorCase* GExpectedErrorCase = nullptr;
}

bool FAutomationExpectedErrorTest::RunTest(const FString& Parameters)
{
	AddExpectedError(GExpectedErrorCase->Pattern, GExpectedErrorCase->CompareType, GExpectedErrorCase->Occurrences);
	for (int32 Index = 0; Index < GExpectedErrorCase->TimesLogged; ++Index)
	{
		UE_LOG(LogTemp, Error, TEXT("Widget broke: %d"), 42);
	}
	return true;
}

class FAutomationTestFrameworkTest : public ::testing::Test
{
protected:
	/** Full path to test command, of the valid tests under HostCore.Automation.Filters. */
	static std::map<std::string, std::string> GetValidFilterTests(EAutomationTestFlags RequestedFilter)
	{
		FAutomationTestFramework::Get().SetRequestedTestFilter(RequestedFilter);
		TArray<FAutomationTestInfo> TestInfo;
		FAutomationTestFramework::Get().GetValidTestNames(TestInfo);
		std::map<std::string, std::string> Tests;
		for (const FAutomationTestInfo& Info : TestInfo)
		{
			if (Info.GetFullTestPath().StartsWith(TEXT("HostCore.Automation.Filters."), ESearchCase::CaseSensitive))
			{
				Tests[TCHAR_TO_UTF8(*Info.GetFullTestPath())] = TCHAR_TO_UTF8(*Info.GetTestName());
			}
		}
		return Tests;
	}

	static constexpr EAutomationTestFlags ControllerFilter = EAutomationTestFlags::SmokeFilter | EAutomationTestFlags::EngineFilter | EAutomationTestFlags::ProductFilter | EAutomationTestFlags::PerfFilter;
};

TEST_F(FAutomationTestFrameworkTest, ValidTestsAreThoseOfTheRequestedFiltersThatAnEditorWithoutRHIOrUserCanRun)
{
	const std::map<std::string, std::string> InEditor = {
		{"HostCore.Automation.Filters.Cases.First", "FAutomationFilterCasesTest first parameter"},
		{"HostCore.Automation.Filters.Cases.Second", "FAutomationFilterCasesTest second"},
		{"HostCore.Automation.Filters.Editor", "FAutomationFilterEditorTest"},
		{"HostCore.Automation.Filters.Smoke", "FAutomationFilterSmokeTest"},
	};
	EXPECT_EQ(GetValidFilterTests(ControllerFilter), InEditor);

	const std::map<std::string, std::string> StressOnly = {{"HostCore.Automation.Filters.Stress", "FAutomationFilterStressTest"}};
	EXPECT_EQ(GetValidFilterTests(EAutomationTestFlags::StressFilter), StressOnly);

	GIsEditor = false;
	const std::map<std::string, std::string> InGame = GetValidFilterTests(ControllerFilter);
	GIsEditor = true;
	EXPECT_EQ(InGame.count("HostCore.Automation.Filters.Client"), 1u);
	EXPECT_EQ(InGame.count("HostCore.Automation.Filters.Editor"), 0u);
}

TEST_F(FAutomationTestFrameworkTest, ATestPassesWhenItReturnsTrueWithoutErrorsAndRunsTheParameterItWasStartedWith)
{
	EXPECT_TRUE(RunAutomationTest(TEXT("FAutomationFilterEditorTest")).bSucceeded);
	EXPECT_TRUE(RunAutomationTest(TEXT("FAutomationFilterCasesTest first parameter")).bSucceeded);
	const FAutomationTestRun OtherCase = RunAutomationTest(TEXT("FAutomationFilterCasesTest second"));
	EXPECT_FALSE(OtherCase.bSucceeded);
	EXPECT_EQ(OtherCase.GetMessages(EAutomationEventType::Error), std::vector<std::string>({"Expected 'Parameters' to be \"first parameter\", but it was \"second\"."}));

	const FAutomationTestRun ReturnsFalse = RunAutomationTest(TEXT("FAutomationReturnsFalseTest"));
	EXPECT_FALSE(ReturnsFalse.bSucceeded);
	EXPECT_TRUE(ReturnsFalse.Entries.IsEmpty());
}

TEST_F(FAutomationTestFrameworkTest, FailedChecksReportTheEnginesMessages)
{
	const FAutomationTestRun Run = RunAutomationTest(TEXT("FAutomationFailedChecksTest"));
	EXPECT_FALSE(Run.bSucceeded);
	const std::vector<std::string> Expected = {
		"Expected 'Count' to be 3, but it was 2.",
		"Expected 'Out' to be \"b\", but it was \"a\".",
		"Expected 'Exact case' to be \"abc\", but it was \"ABC\".",
		"Expected 'Ratio' to be 1.000000, but it was 1.500000 and outside tolerance 0.000100.",
		"Expected 'bReady' to be true.",
		"Expected 'bFailed' to be false.",
		"Expected 'Pointer' to be not null.",
		"Expected 'Other' to be null.",
		"Shared: The value is not valid (.IsValid() returned false).",
		"Name: The two values are not equal.",
		"Expected 'Same' to differ from \"X\", but it was \"x\".",
		"Expected 'Null text' to be \"x\", but it was nullptr.",
	};
	EXPECT_EQ(Run.GetMessages(EAutomationEventType::Error), Expected);
	EXPECT_EQ(Run.GetMessages(EAutomationEventType::Warning), std::vector<std::string>({"Plain warning"}));
}

TEST_F(FAutomationTestFrameworkTest, LogLinesDuringATestAreReportedAtTheirLevelAndWarningsCountAsErrors)
{
	const FAutomationTestRun Run = RunAutomationTest(TEXT("FAutomationLogLevelsTest"));
	EXPECT_FALSE(Run.bSucceeded);
	EXPECT_EQ(Run.GetMessages(EAutomationEventType::Error), std::vector<std::string>({"LogTemp: Error line", "LogTemp: Warning line"}));
	EXPECT_EQ(Run.GetMessages(EAutomationEventType::Info), std::vector<std::string>({"LogTemp: Display line"}));
	ASSERT_FALSE(Run.Entries.IsEmpty());
	EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Run.Entries[0].ToString())), "LogTemp: Error line [log] ");
}

TEST_F(FAutomationTestFrameworkTest, ExpectedErrorsAreCountedAndKeptOutOfTheReport)
{
	const FExpectedErrorCase Cases[] = {
		{"AsOftenAsExpected", TEXT("Widget broke"), EAutomationExpectedErrorFlags::Contains, 2, 2, true, {}, {}},
		{"MoreOftenThanExpected", TEXT("Widget broke"), EAutomationExpectedErrorFlags::Contains, 1, 2, false,
			{"Expected ('Warning') level log message or higher matching 'Widget broke' to occur 1 times with Contains match type, but it was found 2 time(s)."}, {}},
		{"AtLeastOnce", TEXT("Widget broke"), EAutomationExpectedErrorFlags::Contains, 0, 2, true,
			{}, {"Suppressed expected ('Warning') level log message or higher matching 'Widget broke' 2 times."}},
		{"NeverLogged", TEXT("Widget broke"), EAutomationExpectedErrorFlags::Contains, 0, 0, false,
			{"Expected suppressed ('Warning') level log message or higher matching 'Widget broke' did not occur."}, {}},
		{"ExactMatchesTheLoggedTextWithoutItsCategory", TEXT("widget BROKE: 42"), EAutomationExpectedErrorFlags::Exact, 1, 1, true, {}, {}},
		// The line is reported; a test with an error fails without its expectations being looked at.
		{"ExactRefusesAPart", TEXT("Widget broke"), EAutomationExpectedErrorFlags::Exact, 1, 1, false,
			{"LogTemp: Widget broke: 42"}, {}},
		{"PatternIsARegularExpression", TEXT("Widget (broke|failed): \\d+$"), EAutomationExpectedErrorFlags::Contains, 1, 1, true, {}, {}},
	};
	for (const FExpectedErrorCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		GExpectedErrorCase = &Case;
		const FAutomationTestRun Run = RunAutomationTest(TEXT("FAutomationExpectedErrorTest"));
		EXPECT_EQ(Run.bSucceeded, Case.bSucceeds);
		EXPECT_EQ(Run.GetMessages(EAutomationEventType::Error), Case.Errors);
		EXPECT_EQ(Run.GetMessages(EAutomationEventType::Info), Case.Infos);
	}
	GExpectedErrorCase = nullptr;
}
