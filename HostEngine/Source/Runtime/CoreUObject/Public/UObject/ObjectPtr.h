#pragma once

#include "CoreMinimal.h"

/** An object reference member; in the host it is a plain pointer with the engine's interface. */
template <typename T>
class TObjectPtr
{
public:
	TObjectPtr() = default;
	TObjectPtr(std::nullptr_t) {}
	template <typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TObjectPtr(U* InObject) : Object(InObject) {}
	template <typename U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TObjectPtr(const TObjectPtr<U>& Other) : Object(Other.Get()) {}

	T* Get() const { return Object; }
	operator T*() const { return Object; }
	T* operator->() const { return Object; }
	T& operator*() const { return *Object; }
	explicit operator bool() const { return Object != nullptr; }
	bool operator!() const { return Object == nullptr; }

	template <typename U>
	bool operator==(const TObjectPtr<U>& Other) const { return Object == Other.Get(); }
	template <typename U>
	bool operator==(U* Other) const { return Object == Other; }
	bool operator==(std::nullptr_t) const { return Object == nullptr; }

private:
	T* Object = nullptr;
};

template <typename T>
uint32 GetTypeHash(const TObjectPtr<T>& Ptr)
{
	return GetTypeHash((const void*)Ptr.Get());
}

template <typename T>
T* ToRawPtr(const TObjectPtr<T>& Ptr)
{
	return Ptr.Get();
}
