// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"

#if WITH_DEV_AUTOMATION_TESTS

/**
 * Compares two string arrays element by element, letter case included (TestEqual on strings ignores
 * case), and reports each difference under What.
 * @return whether the arrays are equal
 */
inline bool TestStringArrayEqual(FAutomationTestBase& Test, const FString& What, const TArray<FString>& Actual, const TArray<FString>& Expected)
{
	if (!Test.TestEqual(What + TEXT(": number of elements"), Actual.Num(), Expected.Num()))
	{
		return false;
	}
	bool bEqual = true;
	for (int32 Index = 0; Index < Actual.Num(); ++Index)
	{
		bEqual &= Test.TestEqualSensitive(FString::Printf(TEXT("%s [%d]"), *What, Index), Actual[Index], Expected[Index]);
	}
	return bEqual;
}

#endif
