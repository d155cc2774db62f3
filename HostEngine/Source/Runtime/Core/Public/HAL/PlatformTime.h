#pragma once

#include "HAL/Platform.h"

/** The platform clock (the engine's FUnixTime, named by its platform-neutral alias). */
struct CORE_API FPlatformTime
{
	/** Seconds on a monotonic clock; only differences between two readings mean anything. */
	static double Seconds();
};
