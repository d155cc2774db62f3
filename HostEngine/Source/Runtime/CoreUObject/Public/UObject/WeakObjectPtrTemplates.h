#pragma once

#include "UObject/WeakObjectPtr.h"
#include "UObject/WeakObjectPtrTemplatesFwd.h"

template <class T, class TWeakObjectPtrBase>
struct TWeakObjectPtr : private TWeakObjectPtrBase
{
	TWeakObjectPtr() = default;
	TWeakObjectPtr(std::nullptr_t) {}
	template <class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr(U* Object)
		: TWeakObjectPtrBase((const UObject*)static_cast<T*>(Object))
	{
	}
	template <class U, typename = std::enable_if_t<std::is_convertible_v<U*, T*>>>
	TWeakObjectPtr(const TWeakObjectPtr<U>& Other)
		: TWeakObjectPtrBase(static_cast<const TWeakObjectPtrBase&>(Other))
	{
	}

	T* Get() const { return (T*)TWeakObjectPtrBase::Get(); }
	T* operator->() const { return Get(); }
	T& operator*() const { return *Get(); }
	bool IsValid() const { return TWeakObjectPtrBase::IsValid(); }
	bool IsStale() const { return TWeakObjectPtrBase::IsStale(); }
	void Reset() { TWeakObjectPtrBase::Reset(); }
	explicit operator bool() const { return IsValid(); }

	bool operator==(const TWeakObjectPtr& Other) const { return static_cast<const TWeakObjectPtrBase&>(*this) == static_cast<const TWeakObjectPtrBase&>(Other); }
	bool operator!=(const TWeakObjectPtr& Other) const { return !(*this == Other); }
	friend uint32 GetTypeHash(const TWeakObjectPtr& Ptr) { return GetTypeHash(static_cast<const TWeakObjectPtrBase&>(Ptr)); }

private:
	template <class, class>
	friend struct TWeakObjectPtr;
};
