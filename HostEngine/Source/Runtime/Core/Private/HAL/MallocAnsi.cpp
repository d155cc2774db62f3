#include "HAL/MallocAnsi.h"

#include "HAL/PlatformMemory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace
{
	/** The engine's rule for DEFAULT_ALIGNMENT, or the alignment asked for when it is stricter. */
	uint32 AlignmentFor(SIZE_T Count, uint32 Alignment)
	{
		return std::max(Count >= 16 ? 16u : 8u, Alignment);
	}

	/** A block aligned as asked; a zero size still gives one, as a one-byte request. */
	void* AlignedMalloc(SIZE_T Count, uint32 Alignment)
	{
		void* Result = nullptr;
		if (posix_memalign(&Result, AlignmentFor(Count, Alignment), Count ? Count : 1) != 0)
		{
			FPlatformMemory::OnOutOfMemory(Count, Alignment);
		}
		return Result;
	}
}

void* FMallocAnsi::Malloc(SIZE_T Count, uint32 Alignment)
{
	return AlignedMalloc(Count, Alignment);
}

void* FMallocAnsi::Realloc(void* Original, SIZE_T Count, uint32 Alignment)
{
	if (Original == nullptr)
	{
		return AlignedMalloc(Count, Alignment);
	}
	if (Count == 0)
	{
		::free(Original);
		return nullptr;
	}
	// realloc would keep only its own alignment, so the block moves whenever it changes size.
	void* const Result = AlignedMalloc(Count, Alignment);
	std::memcpy(Result, Original, std::min(Count, malloc_usable_size(Original)));
	::free(Original);
	return Result;
}

void FMallocAnsi::Free(void* Original)
{
	::free(Original);
}

bool FMallocAnsi::GetAllocationSize(void* Original, SIZE_T& SizeOut)
{
	if (Original == nullptr)
	{
		return false;
	}
	SizeOut = malloc_usable_size(Original);
	return true;
}
