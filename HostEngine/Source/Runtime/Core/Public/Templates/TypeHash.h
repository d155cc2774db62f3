#pragma once

#include "HAL/Platform.h"

#include <type_traits>

inline uint32 HashCombine(uint32 A, uint32 C)
{
	return A ^ (C + 0x9e3779b9u + (A << 6) + (A >> 2));
}

inline uint32 HashCombineFast(uint32 A, uint32 B)
{
	return HashCombine(A, B);
}

template <typename T>
inline std::enable_if_t<std::is_integral_v<T> || std::is_enum_v<T>, uint32> GetTypeHash(T Value)
{
	const uint64 Wide = (uint64)Value;
	return (uint32)(Wide ^ (Wide >> 32)) * 2654435761u;
}

inline uint32 GetTypeHash(const void* Pointer)
{
	const UPTRINT Value = (UPTRINT)Pointer;
	return GetTypeHash((uint64)(Value >> 4));
}

inline uint32 GetTypeHash(double Value)
{
	uint64 Bits = 0;
	static_assert(sizeof(Bits) == sizeof(Value));
	__builtin_memcpy(&Bits, &Value, sizeof(Bits));
	return GetTypeHash(Bits);
}
