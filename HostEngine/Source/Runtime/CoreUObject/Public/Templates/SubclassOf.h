#pragma once

#include "UObject/Class.h"

/** A class pointer that accepts only T or its subclasses. */
template <class T>
class TSubclassOf
{
public:
	TSubclassOf() = default;
	TSubclassOf(UClass* From) : Class(From) {}
	template <class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TSubclassOf(const TSubclassOf<U>& From) : Class(From.Get()) {}

	UClass* Get() const { return Class && Class->IsChildOf(T::StaticClass()) ? Class : nullptr; }
	operator UClass*() const { return Get(); }
	UClass* operator*() const { return Get(); }
	UClass* operator->() const { return Get(); }
	T* GetDefaultObject() const { return Class ? (T*)Class->GetDefaultObject() : nullptr; }

private:
	UClass* Class = nullptr;
};
