#include "HAL/PlatformTime.h"

#include <time.h>

double FPlatformTime::Seconds()
{
	timespec Now;
	clock_gettime(CLOCK_MONOTONIC, &Now);
	return (double)Now.tv_sec + (double)Now.tv_nsec / 1e9;
}
