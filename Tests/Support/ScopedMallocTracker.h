#pragma once

#include "HAL/MemoryBase.h"
#include "HAL/UnrealMemory.h"

#include <cstddef>
#include <functional>
#include <mutex>
#include <unordered_set>

/**
 * Stands in for GMalloc while it lives: forwards every call to the allocator it replaced and keeps
 * the blocks handed out meanwhile, so that a test sees what was allocated through FMemory and
 * whether each block came back. Its own bookkeeping lives on the C library's heap.
 */
class FScopedMallocTracker final : public FMalloc
{
public:
	FScopedMallocTracker()
	{
		FMemory::Free(FMemory::Malloc(1)); // GMalloc exists from here on.
		Inner = GMalloc;
		GMalloc = this;
	}

	~FScopedMallocTracker()
	{
		GMalloc = Inner;
	}

	FScopedMallocTracker(const FScopedMallocTracker&) = delete;
	FScopedMallocTracker& operator=(const FScopedMallocTracker&) = delete;

	virtual void* Malloc(SIZE_T Count, uint32 Alignment) override
	{
		void* const Result = Inner->Malloc(Count, Alignment);
		const std::lock_guard<std::mutex> Lock(Mutex);
		Track(Result);
		return Result;
	}

	virtual void* Realloc(void* Original, SIZE_T Count, uint32 Alignment) override
	{
		void* const Result = Inner->Realloc(Original, Count, Alignment);
		const std::lock_guard<std::mutex> Lock(Mutex);
		if (Original != nullptr)
		{
			Untrack(Original);
		}
		if (Result != nullptr)
		{
			Track(Result);
		}
		return Result;
	}

	virtual void Free(void* Original) override
	{
		{
			const std::lock_guard<std::mutex> Lock(Mutex);
			Untrack(Original);
		}
		Inner->Free(Original);
	}

	virtual bool GetAllocationSize(void* Original, SIZE_T& SizeOut) override
	{
		return Inner->GetAllocationSize(Original, SizeOut);
	}

	/** Blocks handed out by Malloc or Realloc since the tracker was made. */
	int32 NumAllocations() const
	{
		const std::lock_guard<std::mutex> Lock(Mutex);
		return Allocations;
	}

	/** Blocks handed out meanwhile and not given back. */
	int32 NumLive() const
	{
		const std::lock_guard<std::mutex> Lock(Mutex);
		return (int32)Live.size();
	}

	/** Blocks given back that were not handed out meanwhile: allocated earlier, or never by GMalloc. */
	int32 NumUntrackedFrees() const
	{
		const std::lock_guard<std::mutex> Lock(Mutex);
		return UntrackedFrees;
	}

	bool IsLive(const void* Ptr) const
	{
		const std::lock_guard<std::mutex> Lock(Mutex);
		return Live.count(const_cast<void*>(Ptr)) != 0;
	}

private:
	template <typename T>
	struct TSystemAllocator
	{
		typedef T value_type;
		TSystemAllocator() = default;
		template <typename U>
		TSystemAllocator(const TSystemAllocator<U>&)
		{
		}
		T* allocate(std::size_t Count) { return static_cast<T*>(FMemory::SystemMalloc(Count * sizeof(T))); }
		void deallocate(T* Ptr, std::size_t) { FMemory::SystemFree(Ptr); }
		bool operator==(const TSystemAllocator&) const { return true; }
	};

	void Track(void* Ptr)
	{
		++Allocations;
		Live.insert(Ptr);
	}

	void Untrack(void* Ptr)
	{
		if (Live.erase(Ptr) == 0)
		{
			++UntrackedFrees;
		}
	}

	FMalloc* Inner = nullptr;
	mutable std::mutex Mutex;
	std::unordered_set<void*, std::hash<void*>, std::equal_to<void*>, TSystemAllocator<void*>> Live;
	int32 Allocations = 0;
	int32 UntrackedFrees = 0;
};
