#include "HAL/PlatformMemory.h"

#include "HAL/MallocAnsi.h"
#include "HAL/MallocMimalloc.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

FMalloc* FPlatformMemory::BaseAllocator()
{
#if MIMALLOC_ENABLED
	return new FMallocMimalloc();
#else
	return new FMallocAnsi();
#endif
}

void FPlatformMemory::OnOutOfMemory(uint64 Size, uint32 Alignment)
{
	// Nothing that allocates: the log and FString would need the memory that just ran out.
	std::fprintf(stderr, "Ran out of memory allocating %" PRIu64 " bytes with alignment %u\n", Size, Alignment);
	std::abort();
}
