// Must not compile: the test macros refuse a test without an application context, which would run
// nowhere, and one with two run filters. CMake builds this file only for the test that expects
// both refusals.
#include "Misc/AutomationTest.h"

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FNoContextTest, "HostCore.Automation.NoContext", EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FTwoFiltersTest, "HostCore.Automation.TwoFilters", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter | EAutomationTestFlags::ProductFilter)

bool FNoContextTest::RunTest(const FString& Parameters)
{
	return true;
}
bool FTwoFiltersTest::RunTest(const FString& Parameters)
{
	return true;
}
