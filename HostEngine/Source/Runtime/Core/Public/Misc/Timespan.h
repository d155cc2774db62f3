// Host engine: of the engine's FTimespan, the construction from seconds and the reading back that
// latent automation timeouts need.
#pragma once

#include "HAL/Platform.h"

namespace ETimespan
{
	/** The number of timespan ticks per second; a tick is 100 nanoseconds. */
	inline constexpr int64 TicksPerSecond = 10000000;
	inline constexpr int64 TicksPerMillisecond = 10000;
}

/** A time interval with a resolution of 100 nanoseconds. */
struct FTimespan
{
public:
	FTimespan() = default;
	explicit FTimespan(int64 InTicks)
		: Ticks(InTicks)
	{
	}

	int64 GetTicks() const { return Ticks; }
	double GetTotalSeconds() const { return (double)Ticks / (double)ETimespan::TicksPerSecond; }

	static FTimespan Zero() { return FTimespan(0); }
	static FTimespan FromSeconds(double Seconds) { return FTimespan((int64)(Seconds * ETimespan::TicksPerSecond)); }
	static FTimespan FromMilliseconds(double Milliseconds) { return FTimespan((int64)(Milliseconds * ETimespan::TicksPerMillisecond)); }

private:
	int64 Ticks = 0;
};
