#pragma once

#include "HAL/Platform.h"

#include <utility>

/** Key/value pair of TMap, with the member names of the engine's TPair. */
template <typename KeyType, typename ValueType>
struct TPair
{
	KeyType Key;
	ValueType Value;

	TPair() = default;

	template <typename K, typename V>
	TPair(K&& InKey, V&& InValue)
		: Key(std::forward<K>(InKey))
		, Value(std::forward<V>(InValue))
	{
	}

	bool operator==(const TPair& Other) const { return Key == Other.Key && Value == Other.Value; }
};

template <typename KeyType, typename ValueType>
TPair<std::decay_t<KeyType>, std::decay_t<ValueType>> MakeTuple(KeyType&& Key, ValueType&& Value)
{
	return TPair<std::decay_t<KeyType>, std::decay_t<ValueType>>(std::forward<KeyType>(Key), std::forward<ValueType>(Value));
}
