// Host engine: of the engine's math utilities, the tolerance constants and the nearly-equal
// comparison the automation checks use.
#pragma once

#include "HAL/Platform.h"

#define UE_SMALL_NUMBER (1.e-8f)
#define UE_KINDA_SMALL_NUMBER (1.e-4f)

struct FMath
{
	template <typename T>
	static constexpr T Abs(const T A)
	{
		return A < (T)0 ? -A : A;
	}

	/** Whether A and B differ by at most ErrorTolerance. */
	static bool IsNearlyEqual(float A, float B, float ErrorTolerance = UE_SMALL_NUMBER) { return Abs(A - B) <= ErrorTolerance; }
	static bool IsNearlyEqual(double A, double B, double ErrorTolerance = UE_SMALL_NUMBER) { return Abs(A - B) <= ErrorTolerance; }
};
