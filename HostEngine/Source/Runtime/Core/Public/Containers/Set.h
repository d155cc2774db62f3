#pragma once

#include "HAL/Platform.h"
#include "Containers/ContainerAllocationPolicies.h"
#include "Containers/Map.h"

/**
 * Hashed set of unique elements, compared with operator== and hashed with GetTypeHash (so FString
 * elements ignore case), iterating in insertion order as the engine's TSet does while nothing is
 * removed. Kept on the host's TMap index; it offers the members the plug-ins use.
 */
template <typename InElementType, typename KeyFuncs = void, typename Allocator = FDefaultSetAllocator>
class TSet
{
public:
	typedef InElementType ElementType;

	TSet() = default;

	int32 Num() const { return Elements.Num(); }
	bool IsEmpty() const { return Elements.IsEmpty(); }
	void Reserve(int32 Number) { Elements.Reserve(Number); }
	void Reset() { Elements.Reset(); }
	void Empty(int32 ExpectedNumElements = 0) { Elements.Empty(ExpectedNumElements); }

	/** Adds the element; an element equal to one already held replaces it in its slot. */
	void Add(const ElementType& InElement) { Elements.Add(InElement); }
	void Add(ElementType&& InElement) { Elements.Emplace(std::move(InElement)); }

	bool Contains(const ElementType& InElement) const { return Elements.Contains(InElement); }
	int32 Remove(const ElementType& InElement) { return Elements.Remove(InElement); }

private:
	struct FNoValue
	{
	};
	TMap<ElementType, FNoValue> Elements;
};
