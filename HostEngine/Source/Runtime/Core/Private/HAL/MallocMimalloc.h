#pragma once

#include "HAL/MemoryBase.h"

#ifndef PLATFORM_BUILDS_MIMALLOC
#define PLATFORM_BUILDS_MIMALLOC 0
#endif
#define MIMALLOC_ENABLED PLATFORM_BUILDS_MIMALLOC

#if MIMALLOC_ENABLED

/** The mimalloc library behind the FMalloc interface, one of the engine's allocators. */
class FMallocMimalloc final : public FMalloc
{
public:
	virtual void* Malloc(SIZE_T Count, uint32 Alignment) override;
	virtual void* Realloc(void* Original, SIZE_T Count, uint32 Alignment) override;
	virtual void Free(void* Original) override;
	virtual bool GetAllocationSize(void* Original, SIZE_T& SizeOut) override;
	virtual const TCHAR* GetDescriptiveName() override { return TEXT("Mimalloc"); }
};

#endif
