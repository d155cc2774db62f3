#pragma once

#include "CoreMinimal.h"
#include "HAL/PlatformProcess.h"
#include "HAL/PlatformTime.h"
#include "LaunchEngineLoop.h"

/**
 * Host engine only, with no engine twin: runs GEngineLoop frames until Predicate holds, for tests
 * and tools that wait for a delegate to fire. Gives up after MaxSeconds or MaxFrames, whichever
 * comes first. Frames are about a millisecond apart, so worker threads keep a core.
 * @return whether Predicate held
 */
template <typename PredicateType>
bool TickEngineLoopUntil(PredicateType&& Predicate, double MaxSeconds, int32 MaxFrames)
{
	const double Deadline = FPlatformTime::Seconds() + MaxSeconds;
	for (int32 Frame = 0; Frame < MaxFrames && FPlatformTime::Seconds() < Deadline; ++Frame)
	{
		if (Predicate())
		{
			return true;
		}
		FPlatformProcess::Sleep(0.001f);
		GEngineLoop.Tick();
	}
	return Predicate();
}
