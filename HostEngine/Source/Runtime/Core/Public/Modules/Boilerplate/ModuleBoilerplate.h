#pragma once

#include "HAL/UnrealMemory.h"

#include <new>

#ifndef FORCE_ANSI_ALLOCATOR
#define FORCE_ANSI_ALLOCATOR 0
#endif

/**
 * Routes every form of operator new and delete through FMemory, so that a block allocated in one
 * module can be freed in any other. Builds that force the ANSI allocator keep the C++ runtime's
 * operators, which the sanitizers replace with their own.
 */
// clang-format off
#if !FORCE_ANSI_ALLOCATOR
#define REPLACEMENT_OPERATOR_NEW_AND_DELETE \
	void* operator new(size_t Size) { return FMemory::Malloc(Size ? Size : 1, __STDCPP_DEFAULT_NEW_ALIGNMENT__); } \
	void* operator new[](size_t Size) { return FMemory::Malloc(Size ? Size : 1, __STDCPP_DEFAULT_NEW_ALIGNMENT__); } \
	void* operator new(size_t Size, const std::nothrow_t&) noexcept { return FMemory::Malloc(Size ? Size : 1, __STDCPP_DEFAULT_NEW_ALIGNMENT__); } \
	void* operator new[](size_t Size, const std::nothrow_t&) noexcept { return FMemory::Malloc(Size ? Size : 1, __STDCPP_DEFAULT_NEW_ALIGNMENT__); } \
	void* operator new(size_t Size, std::align_val_t Alignment) { return FMemory::Malloc(Size ? Size : 1, (uint32)Alignment); } \
	void* operator new[](size_t Size, std::align_val_t Alignment) { return FMemory::Malloc(Size ? Size : 1, (uint32)Alignment); } \
	void* operator new(size_t Size, std::align_val_t Alignment, const std::nothrow_t&) noexcept { return FMemory::Malloc(Size ? Size : 1, (uint32)Alignment); } \
	void* operator new[](size_t Size, std::align_val_t Alignment, const std::nothrow_t&) noexcept { return FMemory::Malloc(Size ? Size : 1, (uint32)Alignment); } \
	void operator delete(void* Ptr) noexcept { FMemory::Free(Ptr); } \
	void operator delete[](void* Ptr) noexcept { FMemory::Free(Ptr); } \
	void operator delete(void* Ptr, const std::nothrow_t&) noexcept { FMemory::Free(Ptr); } \
	void operator delete[](void* Ptr, const std::nothrow_t&) noexcept { FMemory::Free(Ptr); } \
	void operator delete(void* Ptr, size_t) noexcept { FMemory::Free(Ptr); } \
	void operator delete[](void* Ptr, size_t) noexcept { FMemory::Free(Ptr); } \
	void operator delete(void* Ptr, std::align_val_t) noexcept { FMemory::Free(Ptr); } \
	void operator delete[](void* Ptr, std::align_val_t) noexcept { FMemory::Free(Ptr); } \
	void operator delete(void* Ptr, std::align_val_t, const std::nothrow_t&) noexcept { FMemory::Free(Ptr); } \
	void operator delete[](void* Ptr, std::align_val_t, const std::nothrow_t&) noexcept { FMemory::Free(Ptr); } \
	void operator delete(void* Ptr, size_t, std::align_val_t) noexcept { FMemory::Free(Ptr); } \
	void operator delete[](void* Ptr, size_t, std::align_val_t) noexcept { FMemory::Free(Ptr); }
#else
#define REPLACEMENT_OPERATOR_NEW_AND_DELETE
#endif
// clang-format on

/** What every module library carries once. */
#define PER_MODULE_BOILERPLATE REPLACEMENT_OPERATOR_NEW_AND_DELETE
