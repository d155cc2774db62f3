#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Containers/ContainerAllocationPolicies.h"
#include "HAL/UnrealMemory.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <new>
#include <type_traits>
#include <utility>

/** Dynamic array with the engine's interface; elements are moved with their move constructors. */
template <typename InElementType, typename InAllocatorType = FDefaultAllocator>
class TArray
{
public:
	typedef InElementType ElementType;
	typedef int32 SizeType;

	TArray() = default;

	TArray(std::initializer_list<InElementType> InitList)
	{
		Reserve((int32)InitList.size());
		for (const InElementType& Element : InitList)
		{
			new (Data + ArrayNum++) InElementType(Element);
		}
	}

	TArray(const InElementType* Ptr, int32 Count)
	{
		check(Count >= 0 && (Ptr != nullptr || Count == 0));
		Reserve(Count);
		for (int32 Index = 0; Index < Count; ++Index)
		{
			new (Data + ArrayNum++) InElementType(Ptr[Index]);
		}
	}

	TArray(const TArray& Other)
		: TArray(Other.Data, Other.ArrayNum)
	{
	}

	TArray(TArray&& Other) noexcept
		: Data(Other.Data)
		, ArrayNum(Other.ArrayNum)
		, ArrayMax(Other.ArrayMax)
	{
		Other.Data = nullptr;
		Other.ArrayNum = 0;
		Other.ArrayMax = 0;
	}

	~TArray()
	{
		DestructAll();
		FMemory::Free(Data);
	}

	TArray& operator=(const TArray& Other)
	{
		if (this != &Other)
		{
			TArray Copy(Other);
			Swap(Copy);
		}
		return *this;
	}

	TArray& operator=(TArray&& Other) noexcept
	{
		if (this != &Other)
		{
			TArray Moved(std::move(Other));
			Swap(Moved);
		}
		return *this;
	}

	TArray& operator=(std::initializer_list<InElementType> InitList)
	{
		TArray Copy(InitList);
		Swap(Copy);
		return *this;
	}

	int32 Num() const { return ArrayNum; }
	int32 Max() const { return ArrayMax; }
	bool IsEmpty() const { return ArrayNum == 0; }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < ArrayNum; }
	InElementType* GetData() { return Data; }
	const InElementType* GetData() const { return Data; }
	uint32 GetTypeSize() const { return sizeof(InElementType); }

	InElementType& operator[](int32 Index)
	{
		checkf(IsValidIndex(Index), TEXT("Array index out of bounds: %d into an array of size %d"), Index, ArrayNum);
		return Data[Index];
	}

	const InElementType& operator[](int32 Index) const
	{
		checkf(IsValidIndex(Index), TEXT("Array index out of bounds: %d into an array of size %d"), Index, ArrayNum);
		return Data[Index];
	}

	InElementType& Last(int32 IndexFromTheEnd = 0) { return (*this)[ArrayNum - IndexFromTheEnd - 1]; }
	const InElementType& Last(int32 IndexFromTheEnd = 0) const { return (*this)[ArrayNum - IndexFromTheEnd - 1]; }
	InElementType& Top() { return Last(); }
	const InElementType& Top() const { return Last(); }

	void Reserve(int32 Number)
	{
		if (Number > ArrayMax)
		{
			Reallocate(Number);
		}
	}

	template <typename... ArgsType>
	int32 Emplace(ArgsType&&... Args)
	{
		GrowFor(ArrayNum + 1);
		new (Data + ArrayNum) InElementType(std::forward<ArgsType>(Args)...);
		return ArrayNum++;
	}

	template <typename... ArgsType>
	InElementType& Emplace_GetRef(ArgsType&&... Args)
	{
		const int32 Index = Emplace(std::forward<ArgsType>(Args)...);
		return Data[Index];
	}

	int32 Add(const InElementType& Item) { return Emplace(Item); }
	int32 Add(InElementType&& Item) { return Emplace(std::move(Item)); }
	InElementType& Add_GetRef(const InElementType& Item) { return Emplace_GetRef(Item); }
	InElementType& Add_GetRef(InElementType&& Item) { return Emplace_GetRef(std::move(Item)); }

	int32 AddUnique(const InElementType& Item)
	{
		const int32 Index = Find(Item);
		return Index != INDEX_NONE ? Index : Add(Item);
	}

	int32 AddDefaulted(int32 Count = 1)
	{
		const int32 Index = ArrayNum;
		GrowFor(ArrayNum + Count);
		for (int32 Offset = 0; Offset < Count; ++Offset)
		{
			new (Data + ArrayNum++) InElementType();
		}
		return Index;
	}

	InElementType& AddDefaulted_GetRef()
	{
		const int32 Index = AddDefaulted();
		return Data[Index];
	}

	int32 AddZeroed(int32 Count = 1)
	{
		const int32 Index = ArrayNum;
		GrowFor(ArrayNum + Count);
		std::memset(static_cast<void*>(Data + ArrayNum), 0, sizeof(InElementType) * Count);
		ArrayNum += Count;
		return Index;
	}

	/** For trivially constructible elements only: adds Count elements whose bytes are left as they are. */
	int32 AddUninitialized(int32 Count = 1)
	{
		static_assert(std::is_trivially_copyable_v<InElementType>, "AddUninitialized needs trivial elements");
		const int32 Index = ArrayNum;
		GrowFor(ArrayNum + Count);
		ArrayNum += Count;
		return Index;
	}

	void Append(const InElementType* Ptr, int32 Count)
	{
		GrowFor(ArrayNum + Count);
		for (int32 Index = 0; Index < Count; ++Index)
		{
			new (Data + ArrayNum++) InElementType(Ptr[Index]);
		}
	}

	void Append(const TArray& Source) { Append(Source.Data, Source.ArrayNum); }

	void Append(TArray&& Source)
	{
		GrowFor(ArrayNum + Source.ArrayNum);
		for (int32 Index = 0; Index < Source.ArrayNum; ++Index)
		{
			new (Data + ArrayNum++) InElementType(std::move(Source.Data[Index]));
		}
		Source.Empty();
	}

	void Append(std::initializer_list<InElementType> InitList) { Append(InitList.begin(), (int32)InitList.size()); }

	TArray& operator+=(const TArray& Other)
	{
		Append(Other);
		return *this;
	}

	int32 Insert(const InElementType& Item, int32 Index) { return EmplaceAt(Index, Item); }
	int32 Insert(InElementType&& Item, int32 Index) { return EmplaceAt(Index, std::move(Item)); }

	template <typename... ArgsType>
	int32 EmplaceAt(int32 Index, ArgsType&&... Args)
	{
		check(Index >= 0 && Index <= ArrayNum);
		InElementType Item(std::forward<ArgsType>(Args)...);
		Emplace(std::move(Item));
		std::rotate(Data + Index, Data + ArrayNum - 1, Data + ArrayNum);
		return Index;
	}

	void RemoveAt(int32 Index, int32 Count = 1)
	{
		check(Count >= 0 && Index >= 0 && Index + Count <= ArrayNum);
		std::move(Data + Index + Count, Data + ArrayNum, Data + Index);
		for (int32 Tail = ArrayNum - Count; Tail < ArrayNum; ++Tail)
		{
			Data[Tail].~InElementType();
		}
		ArrayNum -= Count;
	}

	void RemoveAtSwap(int32 Index, int32 Count = 1)
	{
		RemoveAt(Index, Count);
	}

	/** Removes every element equal to Item; returns how many were removed. */
	int32 Remove(const InElementType& Item)
	{
		return RemoveAll([&Item](const InElementType& Element) { return Element == Item; });
	}

	int32 RemoveSingle(const InElementType& Item)
	{
		const int32 Index = Find(Item);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		RemoveAt(Index);
		return 1;
	}

	template <typename PredicateType>
	int32 RemoveAll(const PredicateType& Predicate)
	{
		InElementType* NewEnd = std::remove_if(Data, Data + ArrayNum, Predicate);
		const int32 Removed = (int32)((Data + ArrayNum) - NewEnd);
		for (InElementType* It = NewEnd; It != Data + ArrayNum; ++It)
		{
			It->~InElementType();
		}
		ArrayNum -= Removed;
		return Removed;
	}

	InElementType Pop()
	{
		InElementType Result(std::move(Last()));
		RemoveAt(ArrayNum - 1);
		return Result;
	}

	void Push(const InElementType& Item) { Add(Item); }

	int32 Find(const InElementType& Item) const
	{
		for (int32 Index = 0; Index < ArrayNum; ++Index)
		{
			if (Data[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	bool Find(const InElementType& Item, int32& OutIndex) const
	{
		OutIndex = Find(Item);
		return OutIndex != INDEX_NONE;
	}

	int32 FindLast(const InElementType& Item) const
	{
		for (int32 Index = ArrayNum - 1; Index >= 0; --Index)
		{
			if (Data[Index] == Item)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename KeyType>
	int32 IndexOfByKey(const KeyType& Key) const
	{
		for (int32 Index = 0; Index < ArrayNum; ++Index)
		{
			if (Data[Index] == Key)
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename PredicateType>
	int32 IndexOfByPredicate(const PredicateType& Predicate) const
	{
		for (int32 Index = 0; Index < ArrayNum; ++Index)
		{
			if (Predicate(Data[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}

	template <typename PredicateType>
	InElementType* FindByPredicate(const PredicateType& Predicate)
	{
		const int32 Index = IndexOfByPredicate(Predicate);
		return Index == INDEX_NONE ? nullptr : Data + Index;
	}

	template <typename PredicateType>
	const InElementType* FindByPredicate(const PredicateType& Predicate) const
	{
		const int32 Index = IndexOfByPredicate(Predicate);
		return Index == INDEX_NONE ? nullptr : Data + Index;
	}

	template <typename KeyType>
	InElementType* FindByKey(const KeyType& Key)
	{
		const int32 Index = IndexOfByKey(Key);
		return Index == INDEX_NONE ? nullptr : Data + Index;
	}

	template <typename PredicateType>
	TArray FilterByPredicate(const PredicateType& Predicate) const
	{
		TArray Result;
		for (const InElementType& Element : *this)
		{
			if (Predicate(Element))
			{
				Result.Add(Element);
			}
		}
		return Result;
	}

	template <typename ComparisonType>
	bool Contains(const ComparisonType& Item) const
	{
		return IndexOfByKey(Item) != INDEX_NONE;
	}

	template <typename PredicateType>
	bool ContainsByPredicate(const PredicateType& Predicate) const
	{
		return IndexOfByPredicate(Predicate) != INDEX_NONE;
	}

	void Empty(int32 Slack = 0)
	{
		DestructAll();
		ArrayNum = 0;
		if (Slack != ArrayMax)
		{
			Resize(Slack);
		}
	}

	void Reset(int32 NewSize = 0)
	{
		DestructAll();
		ArrayNum = 0;
		Reserve(NewSize);
	}

	void SetNum(int32 NewNum)
	{
		check(NewNum >= 0);
		if (NewNum > ArrayNum)
		{
			AddDefaulted(NewNum - ArrayNum);
		}
		else if (NewNum < ArrayNum)
		{
			RemoveAt(NewNum, ArrayNum - NewNum);
		}
	}

	void SetNumZeroed(int32 NewNum)
	{
		if (NewNum > ArrayNum)
		{
			AddZeroed(NewNum - ArrayNum);
		}
		else
		{
			SetNum(NewNum);
		}
	}

	void SetNumUninitialized(int32 NewNum)
	{
		if (NewNum > ArrayNum)
		{
			AddUninitialized(NewNum - ArrayNum);
		}
		else
		{
			SetNum(NewNum);
		}
	}

	void Shrink()
	{
		if (ArrayMax != ArrayNum)
		{
			Resize(ArrayNum);
		}
	}

	void Swap(int32 FirstIndex, int32 SecondIndex)
	{
		check(IsValidIndex(FirstIndex) && IsValidIndex(SecondIndex));
		std::swap(Data[FirstIndex], Data[SecondIndex]);
	}

	void Swap(TArray& Other) noexcept
	{
		std::swap(Data, Other.Data);
		std::swap(ArrayNum, Other.ArrayNum);
		std::swap(ArrayMax, Other.ArrayMax);
	}

	void Sort()
	{
		std::sort(Data, Data + ArrayNum);
	}

	template <typename PredicateType>
	void Sort(const PredicateType& Predicate)
	{
		std::sort(Data, Data + ArrayNum, Predicate);
	}

	template <typename PredicateType>
	void StableSort(const PredicateType& Predicate)
	{
		std::stable_sort(Data, Data + ArrayNum, Predicate);
	}

	bool operator==(const TArray& Other) const
	{
		if (ArrayNum != Other.ArrayNum)
		{
			return false;
		}
		for (int32 Index = 0; Index < ArrayNum; ++Index)
		{
			if (!(Data[Index] == Other.Data[Index]))
			{
				return false;
			}
		}
		return true;
	}

	bool operator!=(const TArray& Other) const { return !(*this == Other); }

	InElementType* begin() { return Data; }
	InElementType* end() { return Data + ArrayNum; }
	const InElementType* begin() const { return Data; }
	const InElementType* end() const { return Data + ArrayNum; }

private:
	void GrowFor(int32 Needed)
	{
		if (Needed > ArrayMax)
		{
			Reallocate(std::max(Needed, ArrayMax + ArrayMax / 2 + 4));
		}
	}

	/** Gives the elements a block of NewMax, or frees the block for none. */
	void Resize(int32 NewMax)
	{
		if (NewMax > 0)
		{
			Reallocate(NewMax);
			return;
		}
		check(ArrayNum == 0);
		FMemory::Free(Data);
		Data = nullptr;
		ArrayMax = 0;
	}

	/** Moves the elements to a block of NewMax elements, which is never null. */
	void Reallocate(int32 NewMax)
	{
		check(NewMax > 0 && NewMax >= ArrayNum);
		if (Data == nullptr)
		{
			Data = static_cast<InElementType*>(FMemory::Malloc(sizeof(InElementType) * (size_t)NewMax, alignof(InElementType)));
		}
		else if constexpr (std::is_trivially_copyable_v<InElementType>)
		{
			// Plain bytes move with the block, which the allocator can often grow where it is.
			Data = static_cast<InElementType*>(FMemory::Realloc(Data, sizeof(InElementType) * (size_t)NewMax, alignof(InElementType)));
			check(Data != nullptr);
		}
		else
		{
			InElementType* NewData = static_cast<InElementType*>(FMemory::Malloc(sizeof(InElementType) * (size_t)NewMax, alignof(InElementType)));
			for (int32 Index = 0; Index < ArrayNum; ++Index)
			{
				new (NewData + Index) InElementType(std::move(Data[Index]));
				Data[Index].~InElementType();
			}
			FMemory::Free(Data);
			Data = NewData;
		}
		ArrayMax = NewMax;
	}

	void DestructAll()
	{
		if constexpr (!std::is_trivially_destructible_v<InElementType>)
		{
			for (int32 Index = 0; Index < ArrayNum; ++Index)
			{
				Data[Index].~InElementType();
			}
		}
	}

	InElementType* Data = nullptr;
	int32 ArrayNum = 0;
	int32 ArrayMax = 0;
};

