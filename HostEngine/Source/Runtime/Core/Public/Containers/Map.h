#pragma once

#include "HAL/Platform.h"
#include "Containers/Array.h"
#include "Templates/Tuple.h"
#include "Templates/TypeHash.h"

/**
 * Hash map that iterates in insertion order, as the engine's TMap does while nothing is removed.
 * Keys are compared with operator== and hashed with GetTypeHash, so FString keys ignore case.
 */
template <typename InKeyType, typename InValueType, typename SetAllocator = FDefaultSetAllocator>
class TMap
{
public:
	typedef InKeyType KeyType;
	typedef InValueType ValueType;
	typedef TPair<InKeyType, InValueType> ElementType;

	TMap() = default;
	TMap(std::initializer_list<ElementType> InitList)
	{
		for (const ElementType& Element : InitList)
		{
			Add(Element.Key, Element.Value);
		}
	}

	int32 Num() const { return Pairs.Num(); }
	bool IsEmpty() const { return Pairs.IsEmpty(); }

	void Empty(int32 ExpectedNumElements = 0)
	{
		Pairs.Empty(ExpectedNumElements);
		Buckets.Empty();
	}

	void Reset()
	{
		Pairs.Reset();
		Buckets.Reset();
	}

	/** Makes room for Number pairs, the index included, so that adding them allocates nothing more. */
	void Reserve(int32 Number)
	{
		Pairs.Reserve(Number);
		if (Number > MaxPairsWithoutIndex && Number > Buckets.Num())
		{
			Rehash(Number);
		}
	}

	/** Adds a pair, or replaces the value of an existing key in place. */
	template <typename K, typename V>
	ValueType& Emplace(K&& InKey, V&& InValue)
	{
		const int32 Existing = IndexOf(InKey);
		if (Existing != INDEX_NONE)
		{
			// The engine replaces the whole pair (the key's spelling too) and keeps its slot.
			Pairs[Existing] = ElementType(std::forward<K>(InKey), std::forward<V>(InValue));
			return Pairs[Existing].Value;
		}
		Pairs.Emplace(std::forward<K>(InKey), std::forward<V>(InValue));
		Index(Pairs.Num() - 1);
		return Pairs.Last().Value;
	}

	template <typename K>
	ValueType& Emplace(K&& InKey)
	{
		return Emplace(std::forward<K>(InKey), ValueType());
	}

	ValueType& Add(const KeyType& InKey, const ValueType& InValue) { return Emplace(InKey, InValue); }
	ValueType& Add(const KeyType& InKey, ValueType&& InValue) { return Emplace(InKey, std::move(InValue)); }
	ValueType& Add(KeyType&& InKey, const ValueType& InValue) { return Emplace(std::move(InKey), InValue); }
	ValueType& Add(KeyType&& InKey, ValueType&& InValue) { return Emplace(std::move(InKey), std::move(InValue)); }
	ValueType& Add(const KeyType& InKey) { return Emplace(InKey, ValueType()); }

	ValueType& FindOrAdd(const KeyType& InKey)
	{
		ValueType* Found = Find(InKey);
		return Found ? *Found : Emplace(InKey, ValueType());
	}

	ValueType* Find(const KeyType& InKey)
	{
		const int32 Found = IndexOf(InKey);
		return Found == INDEX_NONE ? nullptr : &Pairs[Found].Value;
	}

	const ValueType* Find(const KeyType& InKey) const
	{
		const int32 Found = IndexOf(InKey);
		return Found == INDEX_NONE ? nullptr : &Pairs[Found].Value;
	}

	ValueType FindRef(const KeyType& InKey) const
	{
		const ValueType* Found = Find(InKey);
		return Found ? *Found : ValueType();
	}

	ValueType& FindChecked(const KeyType& InKey)
	{
		ValueType* Found = Find(InKey);
		check(Found);
		return *Found;
	}

	const ValueType& FindChecked(const KeyType& InKey) const
	{
		const ValueType* Found = Find(InKey);
		check(Found);
		return *Found;
	}

	const KeyType* FindKey(const ValueType& Value) const
	{
		for (const ElementType& Pair : Pairs)
		{
			if (Pair.Value == Value)
			{
				return &Pair.Key;
			}
		}
		return nullptr;
	}

	ValueType& operator[](const KeyType& InKey) { return FindChecked(InKey); }
	const ValueType& operator[](const KeyType& InKey) const { return FindChecked(InKey); }

	bool Contains(const KeyType& InKey) const { return IndexOf(InKey) != INDEX_NONE; }

	/** Removes the key; the remaining pairs keep their order. */
	int32 Remove(const KeyType& InKey)
	{
		const int32 Found = IndexOf(InKey);
		if (Found == INDEX_NONE)
		{
			return 0;
		}
		Pairs.RemoveAt(Found);
		Rehash();
		return 1;
	}

	bool RemoveAndCopyValue(const KeyType& InKey, ValueType& OutRemovedValue)
	{
		ValueType* Found = Find(InKey);
		if (!Found)
		{
			return false;
		}
		OutRemovedValue = std::move(*Found);
		Remove(InKey);
		return true;
	}

	int32 GetKeys(TArray<KeyType>& OutKeys) const
	{
		OutKeys.Reset(Pairs.Num());
		for (const ElementType& Pair : Pairs)
		{
			OutKeys.Add(Pair.Key);
		}
		return OutKeys.Num();
	}

	void GenerateKeyArray(TArray<KeyType>& OutArray) const { GetKeys(OutArray); }

	void GenerateValueArray(TArray<ValueType>& OutArray) const
	{
		OutArray.Reset(Pairs.Num());
		for (const ElementType& Pair : Pairs)
		{
			OutArray.Add(Pair.Value);
		}
	}

	bool OrderIndependentCompareEqual(const TMap& Other) const
	{
		if (Num() != Other.Num())
		{
			return false;
		}
		for (const ElementType& Pair : Pairs)
		{
			const ValueType* OtherValue = Other.Find(Pair.Key);
			if (!OtherValue || !(*OtherValue == Pair.Value))
			{
				return false;
			}
		}
		return true;
	}

	ElementType* begin() { return Pairs.begin(); }
	ElementType* end() { return Pairs.end(); }
	const ElementType* begin() const { return Pairs.begin(); }
	const ElementType* end() const { return Pairs.end(); }

private:
	/** Small maps are searched in order; the hash index exists only past this many pairs. */
	static constexpr int32 MaxPairsWithoutIndex = 8;

	int32 IndexOf(const KeyType& InKey) const
	{
		if (Buckets.IsEmpty())
		{
			for (int32 Slot = 0; Slot < Pairs.Num(); ++Slot)
			{
				if (Pairs[Slot].Key == InKey)
				{
					return Slot;
				}
			}
			return INDEX_NONE;
		}
		for (int32 Slot = Buckets[GetTypeHash(InKey) & (Buckets.Num() - 1)]; Slot != INDEX_NONE; Slot = NextInBucket[Slot])
		{
			if (Pairs[Slot].Key == InKey)
			{
				return Slot;
			}
		}
		return INDEX_NONE;
	}

	void Index(int32 PairIndex)
	{
		if (Buckets.IsEmpty() ? Pairs.Num() > MaxPairsWithoutIndex : Pairs.Num() > Buckets.Num())
		{
			Rehash();
			return;
		}
		if (Buckets.IsEmpty())
		{
			return;
		}
		NextInBucket.SetNumUninitialized(Pairs.Num());
		int32& Head = Buckets[GetTypeHash(Pairs[PairIndex].Key) & (Buckets.Num() - 1)];
		NextInBucket[PairIndex] = Head;
		Head = PairIndex;
	}

	/** Builds the index for the pairs there are, with room for ExpectedPairs; small maps go without one. */
	void Rehash(int32 ExpectedPairs = 0)
	{
		const int32 Capacity = std::max(Pairs.Num(), ExpectedPairs);
		if (Capacity <= MaxPairsWithoutIndex)
		{
			Buckets.Empty();
			NextInBucket.Empty();
			return;
		}
		int32 BucketCount = 16;
		while (BucketCount < Capacity)
		{
			BucketCount *= 2;
		}
		Buckets.Reset(BucketCount);
		Buckets.SetNumUninitialized(BucketCount);
		std::fill(Buckets.begin(), Buckets.end(), INDEX_NONE);
		NextInBucket.Reset(Capacity);
		NextInBucket.SetNumUninitialized(Pairs.Num());
		for (int32 PairIndex = 0; PairIndex < Pairs.Num(); ++PairIndex)
		{
			int32& Head = Buckets[GetTypeHash(Pairs[PairIndex].Key) & (BucketCount - 1)];
			NextInBucket[PairIndex] = Head;
			Head = PairIndex;
		}
	}

	TArray<ElementType> Pairs;
	TArray<int32> Buckets;
	TArray<int32> NextInBucket;
};
