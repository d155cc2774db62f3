#include "HAL/UnrealMemory.h"

#include "HAL/PlatformMemory.h"
#include "Modules/Boilerplate/ModuleBoilerplate.h"

FMalloc* GMalloc = nullptr;

// Core has no module object to carry the boilerplate, so it carries it here.
PER_MODULE_BOILERPLATE

void* FUseSystemMallocForNew::operator new(size_t Size)
{
	return FMemory::SystemMalloc(Size);
}

void FUseSystemMallocForNew::operator delete(void* Ptr)
{
	FMemory::SystemFree(Ptr);
}

void* FUseSystemMallocForNew::operator new[](size_t Size)
{
	return FMemory::SystemMalloc(Size);
}

void FUseSystemMallocForNew::operator delete[](void* Ptr)
{
	FMemory::SystemFree(Ptr);
}

void FMemory::GCreateMalloc()
{
	// The first allocation can come from any library's static constructors, before Core's own have
	// run: the allocator is made on demand, once, whichever thread asks first.
	static FMalloc* const Allocator = FPlatformMemory::BaseAllocator();
	GMalloc = Allocator;
}
