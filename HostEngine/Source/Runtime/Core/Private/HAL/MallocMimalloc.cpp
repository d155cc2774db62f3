#include "HAL/MallocMimalloc.h"

#if MIMALLOC_ENABLED

#include "HAL/PlatformMemory.h"

THIRD_PARTY_INCLUDES_START
#include <mimalloc.h>
THIRD_PARTY_INCLUDES_END

namespace
{
	/** mimalloc aligns every block of this size or more to this much without being asked (its MI_MAX_ALIGN_SIZE). */
	constexpr uint32 NaturalAlignment = 16;
}

void* FMallocMimalloc::Malloc(SIZE_T Count, uint32 Alignment)
{
	void* const Result = Alignment <= NaturalAlignment ? mi_malloc(Count) : mi_malloc_aligned(Count, Alignment);
	if (Result == nullptr) [[unlikely]]
	{
		FPlatformMemory::OnOutOfMemory(Count, Alignment);
	}
	return Result;
}

void* FMallocMimalloc::Realloc(void* Original, SIZE_T Count, uint32 Alignment)
{
	if (Count == 0)
	{
		mi_free(Original);
		return nullptr;
	}
	void* const Result = Alignment <= NaturalAlignment ? mi_realloc(Original, Count) : mi_realloc_aligned(Original, Count, Alignment);
	if (Result == nullptr) [[unlikely]]
	{
		FPlatformMemory::OnOutOfMemory(Count, Alignment);
	}
	return Result;
}

void FMallocMimalloc::Free(void* Original)
{
	mi_free(Original);
}

bool FMallocMimalloc::GetAllocationSize(void* Original, SIZE_T& SizeOut)
{
	if (Original == nullptr)
	{
		return false;
	}
	SizeOut = mi_usable_size(Original);
	return true;
}

#endif
