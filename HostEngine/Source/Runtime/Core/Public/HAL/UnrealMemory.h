#pragma once

#include "HAL/Platform.h"
#include "HAL/MemoryBase.h"

#include <cstdlib>

/**
 * The engine's allocation functions: everything goes to GMalloc, which the first call creates.
 * Inlined, as in the engine's INLINE_FMEMORY_OPERATION builds, so that an allocation from any module
 * costs one call into the allocator.
 */
struct FMemory
{
	/** The C library's allocator, for what must not depend on GMalloc. */
	static void* SystemMalloc(SIZE_T Size) { return ::malloc(Size); }
	static void SystemFree(void* Ptr) { ::free(Ptr); }

	/** Never null, so callers need no check: running out of memory ends the process. */
	[[gnu::returns_nonnull]] static FORCEINLINE void* Malloc(SIZE_T Count, uint32 Alignment = DEFAULT_ALIGNMENT)
	{
		return GetMalloc().Malloc(Count, Alignment);
	}

	static FORCEINLINE void* Realloc(void* Original, SIZE_T Count, uint32 Alignment = DEFAULT_ALIGNMENT)
	{
		return GetMalloc().Realloc(Original, Count, Alignment);
	}

	static FORCEINLINE void Free(void* Original)
	{
		if (Original != nullptr)
		{
			GetMalloc().Free(Original);
		}
	}

	/** The usable size of a block from Malloc or Realloc, or 0 when the allocator cannot tell. */
	static SIZE_T GetAllocSize(void* Original)
	{
		SIZE_T Size = 0;
		return GetMalloc().GetAllocationSize(Original, Size) ? Size : 0;
	}

private:
	static FORCEINLINE FMalloc& GetMalloc()
	{
		if (GMalloc == nullptr) [[unlikely]]
		{
			GCreateMalloc();
		}
		return *GMalloc;
	}

	CORE_API static void GCreateMalloc();
};
