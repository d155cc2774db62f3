#pragma once

#include "HAL/Platform.h"

#include <memory>
#include <type_traits>
#include <utility>

/** A pointer that alone owns its object, with the engine's member names. */
template <typename T>
class TUniquePtr
{
public:
	TUniquePtr() = default;
	TUniquePtr(std::nullptr_t) {}
	explicit TUniquePtr(T* InPtr)
		: Pointer(InPtr)
	{
	}

	template <typename OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, T*>>>
	TUniquePtr(TUniquePtr<OtherType>&& Other)
		: Pointer(Other.Release())
	{
	}

	TUniquePtr(TUniquePtr&&) = default;
	TUniquePtr& operator=(TUniquePtr&&) = default;
	TUniquePtr(const TUniquePtr&) = delete;
	TUniquePtr& operator=(const TUniquePtr&) = delete;

	T* Get() const { return Pointer.get(); }
	bool IsValid() const { return Pointer != nullptr; }
	explicit operator bool() const { return IsValid(); }
	T* operator->() const { return Pointer.get(); }
	T& operator*() const { return *Pointer; }

	/** Gives up ownership without destroying the object. */
	[[nodiscard]] T* Release() { return Pointer.release(); }
	void Reset(T* InPtr = nullptr) { Pointer.reset(InPtr); }

	bool operator==(std::nullptr_t) const { return Pointer == nullptr; }

private:
	std::unique_ptr<T> Pointer;
};

template <typename T, typename... ArgTypes>
[[nodiscard]] TUniquePtr<T> MakeUnique(ArgTypes&&... Args)
{
	return TUniquePtr<T>(new T(std::forward<ArgTypes>(Args)...));
}
