#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"

#include <memory>
#include <type_traits>

// Host engine: the engine's shared pointers, built on the standard library's reference counting
// (always thread-safe, which the engine's ESPMode::ThreadSafe is too).

enum class ESPMode : uint8
{
	NotThreadSafe = 0,
	ThreadSafe = 1
};

template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe>
class TSharedRef;
template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe>
class TSharedPtr;
template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe>
class TWeakPtr;
template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe>
class TSharedFromThis;

namespace UE::Core::Private
{
	template <class ObjectType>
	struct TSharedAccess
	{
		template <class PointerType>
		static const std::shared_ptr<ObjectType>& Get(const PointerType& Pointer)
		{
			return Pointer.Pointer;
		}
	};
}

template <class ObjectType, ESPMode Mode>
class TSharedPtr
{
public:
	TSharedPtr() = default;
	TSharedPtr(std::nullptr_t) {}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	explicit TSharedPtr(OtherType* InObject)
		: Pointer(InObject)
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TSharedPtr<OtherType, Mode>& Other)
		: Pointer(Other.Pointer)
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(TSharedPtr<OtherType, Mode>&& Other)
		: Pointer(std::move(Other.Pointer))
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TSharedRef<OtherType, Mode>& Other)
		: Pointer(Other.Pointer)
	{
	}

	explicit TSharedPtr(std::shared_ptr<ObjectType> InPointer)
		: Pointer(std::move(InPointer))
	{
	}

	TSharedRef<ObjectType, Mode> ToSharedRef() const
	{
		check(IsValid());
		return TSharedRef<ObjectType, Mode>(Pointer);
	}

	ObjectType* Get() const { return Pointer.get(); }
	bool IsValid() const { return Pointer != nullptr; }
	explicit operator bool() const { return IsValid(); }
	void Reset() { Pointer.reset(); }
	int32 GetSharedReferenceCount() const { return (int32)Pointer.use_count(); }
	bool IsUnique() const { return Pointer.use_count() == 1; }

	ObjectType* operator->() const
	{
		check(IsValid());
		return Pointer.get();
	}

	template <class T = ObjectType, typename = std::enable_if_t<!std::is_void_v<T>>>
	T& operator*() const
	{
		check(IsValid());
		return *Pointer;
	}

	template <class OtherType>
	bool operator==(const TSharedPtr<OtherType, Mode>& Other) const { return Get() == Other.Get(); }
	template <class OtherType>
	bool operator==(const TSharedRef<OtherType, Mode>& Other) const { return Get() == &Other.Get(); }
	bool operator==(std::nullptr_t) const { return !IsValid(); }

private:
	template <class, ESPMode>
	friend class TSharedPtr;
	template <class, ESPMode>
	friend class TSharedRef;
	template <class, ESPMode>
	friend class TWeakPtr;
	template <class>
	friend struct UE::Core::Private::TSharedAccess;

	std::shared_ptr<ObjectType> Pointer;
};

/** A shared pointer that is never null. */
template <class ObjectType, ESPMode Mode>
class TSharedRef
{
public:
	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	explicit TSharedRef(OtherType* InObject)
		: Pointer(InObject)
	{
		check(Pointer);
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(const TSharedRef<OtherType, Mode>& Other)
		: Pointer(Other.Pointer)
	{
	}

	explicit TSharedRef(std::shared_ptr<ObjectType> InPointer)
		: Pointer(std::move(InPointer))
	{
		check(Pointer);
	}

	ObjectType& Get() const { return *Pointer; }
	ObjectType* operator->() const { return Pointer.get(); }
	ObjectType& operator*() const { return *Pointer; }
	TSharedPtr<ObjectType, Mode> ToSharedPtr() const { return TSharedPtr<ObjectType, Mode>(*this); }
	int32 GetSharedReferenceCount() const { return (int32)Pointer.use_count(); }
	bool IsUnique() const { return Pointer.use_count() == 1; }
	bool IsValid() const { return true; }

	template <class OtherType>
	bool operator==(const TSharedRef<OtherType, Mode>& Other) const { return Pointer.get() == Other.Pointer.get(); }
	template <class OtherType>
	bool operator==(const TSharedPtr<OtherType, Mode>& Other) const { return Pointer.get() == Other.Get(); }

private:
	template <class, ESPMode>
	friend class TSharedPtr;
	template <class, ESPMode>
	friend class TSharedRef;
	template <class, ESPMode>
	friend class TWeakPtr;
	template <class>
	friend struct UE::Core::Private::TSharedAccess;

	std::shared_ptr<ObjectType> Pointer;
};

template <class ObjectType, ESPMode Mode>
class TWeakPtr
{
public:
	TWeakPtr() = default;
	TWeakPtr(std::nullptr_t) {}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TSharedPtr<OtherType, Mode>& Shared)
		: Pointer(Shared.Pointer)
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TSharedRef<OtherType, Mode>& Shared)
		: Pointer(Shared.Pointer)
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TWeakPtr<OtherType, Mode>& Other)
		: Pointer(Other.Pointer)
	{
	}

	explicit TWeakPtr(std::weak_ptr<ObjectType> InPointer)
		: Pointer(std::move(InPointer))
	{
	}

	TSharedPtr<ObjectType, Mode> Pin() const { return TSharedPtr<ObjectType, Mode>(Pointer.lock()); }
	bool IsValid() const { return !Pointer.expired(); }
	void Reset() { Pointer.reset(); }
	bool HasSameObject(const void* Other) const { return Pin().Get() == Other; }

private:
	template <class, ESPMode>
	friend class TWeakPtr;

	std::weak_ptr<ObjectType> Pointer;
};

/** Lets an object hand out shared references to itself once a shared pointer owns it. */
template <class ObjectType, ESPMode Mode>
class TSharedFromThis : public std::enable_shared_from_this<ObjectType>
{
public:
	TSharedRef<ObjectType, Mode> AsShared() { return TSharedRef<ObjectType, Mode>(this->shared_from_this()); }
	TSharedRef<const ObjectType, Mode> AsShared() const
	{
		return TSharedRef<const ObjectType, Mode>(std::const_pointer_cast<const ObjectType>(this->shared_from_this()));
	}
	TWeakPtr<ObjectType, Mode> AsWeak() { return TWeakPtr<ObjectType, Mode>(this->weak_from_this()); }
	bool DoesSharedInstanceExist() const { return !this->weak_from_this().expired(); }

protected:
	template <class OtherType>
	static TSharedRef<OtherType, Mode> SharedThis(OtherType* ThisPtr)
	{
		return TSharedRef<OtherType, Mode>(std::static_pointer_cast<OtherType>(ThisPtr->shared_from_this()));
	}
};

template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe, typename... ArgTypes>
TSharedRef<ObjectType, Mode> MakeShared(ArgTypes&&... Args)
{
	return TSharedRef<ObjectType, Mode>(std::make_shared<ObjectType>(std::forward<ArgTypes>(Args)...));
}

template <class ObjectType>
struct TRawPtrProxy
{
	ObjectType* Object;

	template <class OtherType, ESPMode Mode>
	operator TSharedPtr<OtherType, Mode>() const { return TSharedPtr<OtherType, Mode>(Object); }
	template <class OtherType, ESPMode Mode>
	operator TSharedRef<OtherType, Mode>() const { return TSharedRef<OtherType, Mode>(Object); }
};

template <class ObjectType>
TRawPtrProxy<ObjectType> MakeShareable(ObjectType* InObject)
{
	return TRawPtrProxy<ObjectType>{InObject};
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedPtr<CastToType, Mode> StaticCastSharedPtr(const TSharedPtr<CastFromType, Mode>& InSharedPtr)
{
	return TSharedPtr<CastToType, Mode>(std::static_pointer_cast<CastToType>(UE::Core::Private::TSharedAccess<CastFromType>::Get(InSharedPtr)));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedRef<CastToType, Mode> StaticCastSharedRef(const TSharedRef<CastFromType, Mode>& InSharedRef)
{
	return TSharedRef<CastToType, Mode>(std::static_pointer_cast<CastToType>(UE::Core::Private::TSharedAccess<CastFromType>::Get(InSharedRef)));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedRef<CastToType, Mode> ConstCastSharedRef(const TSharedRef<CastFromType, Mode>& InSharedRef)
{
	return TSharedRef<CastToType, Mode>(std::const_pointer_cast<CastToType>(UE::Core::Private::TSharedAccess<CastFromType>::Get(InSharedRef)));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedPtr<CastToType, Mode> ConstCastSharedPtr(const TSharedPtr<CastFromType, Mode>& InSharedPtr)
{
	return TSharedPtr<CastToType, Mode>(std::const_pointer_cast<CastToType>(UE::Core::Private::TSharedAccess<CastFromType>::Get(InSharedPtr)));
}

template <class ObjectType, ESPMode Mode>
uint32 GetTypeHash(const TSharedPtr<ObjectType, Mode>& InSharedPtr)
{
	return (uint32)(((UPTRINT)InSharedPtr.Get()) >> 4);
}
