#pragma once

// Host engine: the per-type value operations behind FPropertyValueOps (see UnrealType.h).

#include "CoreMinimal.h"
#include "UObject/UnrealType.h"

#include <type_traits>

template <typename T>
struct TIsTArray : std::false_type
{
};
template <typename T, typename A>
struct TIsTArray<TArray<T, A>> : std::true_type
{
};

template <typename T>
struct TIsTMap : std::false_type
{
};
template <typename K, typename V, typename A>
struct TIsTMap<TMap<K, V, A>> : std::true_type
{
};

template <typename T>
bool HostValuesIdentical(const T& A, const T& B)
{
	if constexpr (std::is_same_v<T, FString>)
	{
		return A.Equals(B, ESearchCase::CaseSensitive);
	}
	else if constexpr (std::is_same_v<T, FText>)
	{
		return A.IdenticalTo(B) || A.ToString().Equals(B.ToString(), ESearchCase::CaseSensitive);
	}
	else if constexpr (std::is_same_v<T, FName>)
	{
		return A.GetDisplayIndex() == B.GetDisplayIndex() && A.GetNumber() == B.GetNumber();
	}
	else if constexpr (TIsTArray<T>::value)
	{
		if (A.Num() != B.Num())
		{
			return false;
		}
		for (int32 Index = 0; Index < A.Num(); ++Index)
		{
			if (!HostValuesIdentical(A[Index], B[Index]))
			{
				return false;
			}
		}
		return true;
	}
	else if constexpr (TIsTMap<T>::value)
	{
		if (A.Num() != B.Num())
		{
			return false;
		}
		const auto* ItA = A.begin();
		const auto* ItB = B.begin();
		for (; ItA != A.end(); ++ItA, ++ItB)
		{
			if (!HostValuesIdentical(ItA->Key, ItB->Key) || !HostValuesIdentical(ItA->Value, ItB->Value))
			{
				return false;
			}
		}
		return true;
	}
	else if constexpr (requires { A == B; })
	{
		return A == B;
	}
	else
	{
		return false;
	}
}

template <typename T>
const FPropertyValueOps* GetPropertyValueOps()
{
	static const FPropertyValueOps Ops = []()
	{
		FPropertyValueOps Result{};
		Result.Size = sizeof(T);
		Result.Alignment = alignof(T);
		Result.Construct = [](void* Dest) { new (Dest) T(); };
		Result.Destruct = [](void* Dest) { static_cast<T*>(Dest)->~T(); };
		Result.Copy = [](void* Dest, const void* Src) { *static_cast<T*>(Dest) = *static_cast<const T*>(Src); };
		Result.Identical = [](const void* A, const void* B) { return HostValuesIdentical(*static_cast<const T*>(A), *static_cast<const T*>(B)); };
		if constexpr (TIsTArray<T>::value)
		{
			Result.Num = [](const void* Container) { return static_cast<const T*>(Container)->Num(); };
			Result.Resize = [](void* Container, int32 NewNum) { static_cast<T*>(Container)->SetNum(NewNum); };
			Result.GetElement = [](void* Container, int32 Index) { return (void*)&(*static_cast<T*>(Container))[Index]; };
			Result.Empty = [](void* Container) { static_cast<T*>(Container)->Empty(); };
		}
		else if constexpr (TIsTMap<T>::value)
		{
			Result.Num = [](const void* Container) { return static_cast<const T*>(Container)->Num(); };
			Result.GetElement = [](void* Container, int32 Index) { return (void*)&(static_cast<T*>(Container)->begin() + Index)->Key; };
			Result.GetValue = [](void* Container, int32 Index) { return (void*)&(static_cast<T*>(Container)->begin() + Index)->Value; };
			Result.AddPair = [](void* Container, const void* Key, const void* Value)
			{
				static_cast<T*>(Container)->Add(*static_cast<const typename T::KeyType*>(Key), *static_cast<const typename T::ValueType*>(Value));
			};
			Result.Empty = [](void* Container) { static_cast<T*>(Container)->Empty(); };
		}
		return Result;
	}();
	return &Ops;
}
