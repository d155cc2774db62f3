#pragma once

#include "HAL/Platform.h"

enum
{
	/** Lets the allocator choose: 16 bytes for blocks of 16 bytes or more, 8 for smaller ones. */
	DEFAULT_ALIGNMENT = 0,
	MIN_ALIGNMENT = 8,
};

/** The allocator behind FMemory and every module's operator new; made on the first allocation. */
CORE_API extern class FMalloc* GMalloc;

/** Objects of a class derived from this one live on the C library's heap, whatever GMalloc is. */
class FUseSystemMallocForNew
{
public:
	CORE_API void* operator new(size_t Size);
	CORE_API void operator delete(void* Ptr);
	CORE_API void* operator new[](size_t Size);
	CORE_API void operator delete[](void* Ptr);
};

/** The interface of the process-wide allocator. */
class FMalloc : public FUseSystemMallocForNew
{
public:
	virtual ~FMalloc() = default;

	/** Never null, not even for a zero Count: running out of memory ends the process. */
	virtual void* Malloc(SIZE_T Count, uint32 Alignment = DEFAULT_ALIGNMENT) = 0;

	/** Null Original allocates; a zero Count frees Original and returns null. */
	virtual void* Realloc(void* Original, SIZE_T Count, uint32 Alignment = DEFAULT_ALIGNMENT) = 0;

	virtual void Free(void* Original) = 0;

	/** The usable size of a block this allocator gave out; false when it cannot tell. */
	virtual bool GetAllocationSize(void* Original, SIZE_T& SizeOut) { return false; }

	virtual const TCHAR* GetDescriptiveName() { return TEXT("Unspecified allocator"); }
};
