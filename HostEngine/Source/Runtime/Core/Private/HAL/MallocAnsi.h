#pragma once

#include "HAL/MemoryBase.h"

/** The C library's allocator behind the FMalloc interface, for builds that force it. */
class FMallocAnsi final : public FMalloc
{
public:
	virtual void* Malloc(SIZE_T Count, uint32 Alignment) override;
	virtual void* Realloc(void* Original, SIZE_T Count, uint32 Alignment) override;
	virtual void Free(void* Original) override;
	virtual bool GetAllocationSize(void* Original, SIZE_T& SizeOut) override;
	virtual const TCHAR* GetDescriptiveName() override { return TEXT("ANSI"); }
};
