#pragma once

#include "HAL/Platform.h"

class FMalloc;

/** The platform's memory functions (the engine's FUnixPlatformMemory, named by its platform-neutral alias). */
struct CORE_API FPlatformMemory
{
	/**
	 * The allocator GMalloc starts as: mimalloc, or the C library's when the build forces the ANSI
	 * allocator (sanitizer builds, so that the sanitizers see every allocation).
	 */
	static FMalloc* BaseAllocator();

	/** Reports the failed request and ends the process. */
	[[noreturn]] static void OnOutOfMemory(uint64 Size, uint32 Alignment);
};
