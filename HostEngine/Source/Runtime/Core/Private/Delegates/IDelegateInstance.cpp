#include "Delegates/IDelegateInstance.h"

#include <atomic>

uint64 FDelegateHandle::GenerateNewID()
{
	static std::atomic<uint64> NextID(1);
	uint64 Result = NextID++;
	// Zero means "no handle"; skip it should the counter ever wrap.
	if (Result == 0)
	{
		Result = NextID++;
	}
	return Result;
}
