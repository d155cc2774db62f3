#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Delegates/DelegateInstanceInterface.h"
#include "Templates/SharedPointer.h"
#include "UObject/WeakObjectPtrTemplatesFwd.h"

// The kinds of binding a delegate can hold. Payload values are stored by value and passed after
// the call's own arguments.

/** Holds the handle and the payload that every binding kind shares. */
template <typename FuncType, typename UserPolicy, typename... VarTypes>
class TCommonDelegateInstanceState : public IBaseDelegateInstance<FuncType, UserPolicy>
{
public:
	template <typename... InVarTypes>
	explicit TCommonDelegateInstanceState(InVarTypes&&... Vars)
		: Payload(std::forward<InVarTypes>(Vars)...)
		, Handle(FDelegateHandle::GenerateNewHandle)
	{
	}

	virtual FDelegateHandle GetHandle() const final { return Handle; }

protected:
	// Mutable because payload values may be handed to the target by non-const reference.
	mutable std::tuple<VarTypes...> Payload;

private:
	FDelegateHandle Handle;
};

/** A binding whose target cannot go away (functions, lambdas, raw pointers). */
template <typename FuncType, typename UserPolicy, typename... VarTypes>
class TAlwaysSafeDelegateInstance;

template <typename RetValType, typename... ParamTypes, typename UserPolicy, typename... VarTypes>
class TAlwaysSafeDelegateInstance<RetValType(ParamTypes...), UserPolicy, VarTypes...> : public TCommonDelegateInstanceState<RetValType(ParamTypes...), UserPolicy, VarTypes...>
{
	using Super = TCommonDelegateInstanceState<RetValType(ParamTypes...), UserPolicy, VarTypes...>;

public:
	using Super::Super;

	virtual bool IsSafeToExecute() const final { return true; }

	virtual bool ExecuteIfSafe(ParamTypes... Params) const final
	{
		(void)this->Execute(std::forward<ParamTypes>(Params)...);
		return true;
	}
};

template <typename FuncType, typename UserPolicy, typename... VarTypes>
class TBaseStaticDelegateInstance;

template <typename RetValType, typename... ParamTypes, typename UserPolicy, typename... VarTypes>
class TBaseStaticDelegateInstance<RetValType(ParamTypes...), UserPolicy, VarTypes...> final : public TAlwaysSafeDelegateInstance<RetValType(ParamTypes...), UserPolicy, VarTypes...>
{
	using Super = TAlwaysSafeDelegateInstance<RetValType(ParamTypes...), UserPolicy, VarTypes...>;
	using InterfaceType = IBaseDelegateInstance<RetValType(ParamTypes...), UserPolicy>;

public:
	using FFuncPtr = RetValType (*)(ParamTypes..., VarTypes...);

	template <typename... InVarTypes>
	explicit TBaseStaticDelegateInstance(FFuncPtr InStaticFuncPtr, InVarTypes&&... Vars)
		: Super(std::forward<InVarTypes>(Vars)...)
		, StaticFuncPtr(InStaticFuncPtr)
	{
		check(StaticFuncPtr != nullptr);
	}

	virtual bool HasSameObject(const void* InUserObject) const override { return false; }
	virtual std::unique_ptr<InterfaceType> Clone() const override { return std::make_unique<TBaseStaticDelegateInstance>(*this); }

	virtual RetValType Execute(ParamTypes... Params) const override
	{
		return UE::Delegates::Private::InvokeWithPayload<RetValType>(StaticFuncPtr, this->Payload, std::forward<ParamTypes>(Params)...);
	}

private:
	FFuncPtr StaticFuncPtr;
};

template <typename FuncType, typename UserPolicy, typename FunctorType, typename... VarTypes>
class TBaseFunctorDelegateInstance;

template <typename RetValType, typename... ParamTypes, typename UserPolicy, typename FunctorType, typename... VarTypes>
class TBaseFunctorDelegateInstance<RetValType(ParamTypes...), UserPolicy, FunctorType, VarTypes...> final : public TAlwaysSafeDelegateInstance<RetValType(ParamTypes...), UserPolicy, VarTypes...>
{
	using Super = TAlwaysSafeDelegateInstance<RetValType(ParamTypes...), UserPolicy, VarTypes...>;
	using InterfaceType = IBaseDelegateInstance<RetValType(ParamTypes...), UserPolicy>;

public:
	template <typename InFunctorType, typename... InVarTypes>
	explicit TBaseFunctorDelegateInstance(InFunctorType&& InFunctor, InVarTypes&&... Vars)
		: Super(std::forward<InVarTypes>(Vars)...)
		, Functor(std::forward<InFunctorType>(InFunctor))
	{
	}

	virtual bool HasSameObject(const void* InUserObject) const override { return false; }
	virtual std::unique_ptr<InterfaceType> Clone() const override { return std::make_unique<TBaseFunctorDelegateInstance>(*this); }

	virtual RetValType Execute(ParamTypes... Params) const override
	{
		return UE::Delegates::Private::InvokeWithPayload<RetValType>(Functor, this->Payload, std::forward<ParamTypes>(Params)...);
	}

private:
	// Mutable so that mutable lambdas keep their state between calls.
	mutable FunctorType Functor;
};

template <bool bConst, class UserClass, typename FuncType, typename UserPolicy, typename... VarTypes>
class TBaseRawMethodDelegateInstance;

template <bool bConst, class UserClass, typename RetValType, typename... ParamTypes, typename UserPolicy, typename... VarTypes>
class TBaseRawMethodDelegateInstance<bConst, UserClass, RetValType(ParamTypes...), UserPolicy, VarTypes...> final : public TAlwaysSafeDelegateInstance<RetValType(ParamTypes...), UserPolicy, VarTypes...>
{
	using Super = TAlwaysSafeDelegateInstance<RetValType(ParamTypes...), UserPolicy, VarTypes...>;
	using InterfaceType = IBaseDelegateInstance<RetValType(ParamTypes...), UserPolicy>;

public:
	using FMethodPtr = typename TMemFunPtrType<bConst, UserClass, RetValType(ParamTypes..., VarTypes...)>::Type;

	template <typename... InVarTypes>
	explicit TBaseRawMethodDelegateInstance(UserClass* InUserObject, FMethodPtr InMethodPtr, InVarTypes&&... Vars)
		: Super(std::forward<InVarTypes>(Vars)...)
		, UserObject(InUserObject)
		, MethodPtr(InMethodPtr)
	{
		check(InUserObject != nullptr && MethodPtr != nullptr);
	}

	virtual bool HasSameObject(const void* InUserObject) const override { return UserObject == InUserObject; }
	virtual std::unique_ptr<InterfaceType> Clone() const override { return std::make_unique<TBaseRawMethodDelegateInstance>(*this); }

	virtual RetValType Execute(ParamTypes... Params) const override
	{
		return UE::Delegates::Private::InvokeMethodWithPayload<RetValType>(UserObject, MethodPtr, this->Payload, std::forward<ParamTypes>(Params)...);
	}

private:
	UserClass* UserObject;
	FMethodPtr MethodPtr;
};

/** Holds its object weakly: calls are skipped once the last shared reference is gone. */
template <bool bConst, class UserClass, ESPMode SPMode, typename FuncType, typename UserPolicy, typename... VarTypes>
class TBaseSPMethodDelegateInstance;

template <bool bConst, class UserClass, ESPMode SPMode, typename RetValType, typename... ParamTypes, typename UserPolicy, typename... VarTypes>
class TBaseSPMethodDelegateInstance<bConst, UserClass, SPMode, RetValType(ParamTypes...), UserPolicy, VarTypes...> final : public TCommonDelegateInstanceState<RetValType(ParamTypes...), UserPolicy, VarTypes...>
{
	using Super = TCommonDelegateInstanceState<RetValType(ParamTypes...), UserPolicy, VarTypes...>;
	using InterfaceType = IBaseDelegateInstance<RetValType(ParamTypes...), UserPolicy>;

public:
	using FMethodPtr = typename TMemFunPtrType<bConst, UserClass, RetValType(ParamTypes..., VarTypes...)>::Type;

	template <typename... InVarTypes>
	explicit TBaseSPMethodDelegateInstance(const TSharedRef<UserClass, SPMode>& InUserObject, FMethodPtr InMethodPtr, InVarTypes&&... Vars)
		: Super(std::forward<InVarTypes>(Vars)...)
		, UserObject(InUserObject)
		, MethodPtr(InMethodPtr)
	{
		check(MethodPtr != nullptr);
	}

	virtual bool HasSameObject(const void* InUserObject) const override { return UserObject.HasSameObject(InUserObject); }
	virtual bool IsSafeToExecute() const override { return UserObject.IsValid(); }
	virtual std::unique_ptr<InterfaceType> Clone() const override { return std::make_unique<TBaseSPMethodDelegateInstance>(*this); }

	virtual RetValType Execute(ParamTypes... Params) const override
	{
		// The pinned reference keeps the object alive for the length of the call.
		const TSharedPtr<UserClass, SPMode> SharedUserObject = UserObject.Pin();
		check(SharedUserObject.IsValid());
		return UE::Delegates::Private::InvokeMethodWithPayload<RetValType>(SharedUserObject.Get(), MethodPtr, this->Payload, std::forward<ParamTypes>(Params)...);
	}

	virtual bool ExecuteIfSafe(ParamTypes... Params) const override
	{
		const TSharedPtr<UserClass, SPMode> SharedUserObject = UserObject.Pin();
		if (!SharedUserObject.IsValid())
		{
			return false;
		}
		(void)UE::Delegates::Private::InvokeMethodWithPayload<RetValType>(SharedUserObject.Get(), MethodPtr, this->Payload, std::forward<ParamTypes>(Params)...);
		return true;
	}

private:
	TWeakPtr<UserClass, SPMode> UserObject;
	FMethodPtr MethodPtr;
};

/**
 * Holds its UObject weakly: calls are skipped once the object has been destroyed. TWeakObjectPtr is
 * only declared in Core; it is complete wherever a UObject binding is actually made.
 */
template <bool bConst, class UserClass, typename FuncType, typename UserPolicy, typename... VarTypes>
class TBaseUObjectMethodDelegateInstance;

template <bool bConst, class UserClass, typename RetValType, typename... ParamTypes, typename UserPolicy, typename... VarTypes>
class TBaseUObjectMethodDelegateInstance<bConst, UserClass, RetValType(ParamTypes...), UserPolicy, VarTypes...> final : public TCommonDelegateInstanceState<RetValType(ParamTypes...), UserPolicy, VarTypes...>
{
	using Super = TCommonDelegateInstanceState<RetValType(ParamTypes...), UserPolicy, VarTypes...>;
	using InterfaceType = IBaseDelegateInstance<RetValType(ParamTypes...), UserPolicy>;
	using MutableUserClass = std::remove_const_t<UserClass>;

public:
	using FMethodPtr = typename TMemFunPtrType<bConst, UserClass, RetValType(ParamTypes..., VarTypes...)>::Type;

	template <typename... InVarTypes>
	explicit TBaseUObjectMethodDelegateInstance(UserClass* InUserObject, FMethodPtr InMethodPtr, InVarTypes&&... Vars)
		: Super(std::forward<InVarTypes>(Vars)...)
		, UserObject(const_cast<MutableUserClass*>(InUserObject))
		, MethodPtr(InMethodPtr)
	{
		check(InUserObject != nullptr && MethodPtr != nullptr);
	}

	virtual bool HasSameObject(const void* InUserObject) const override { return UserObject.Get() == InUserObject; }
	virtual bool IsSafeToExecute() const override { return UserObject.Get() != nullptr; }
	virtual std::unique_ptr<InterfaceType> Clone() const override { return std::make_unique<TBaseUObjectMethodDelegateInstance>(*this); }

	virtual RetValType Execute(ParamTypes... Params) const override
	{
		UserClass* const Object = UserObject.Get();
		check(Object != nullptr);
		return UE::Delegates::Private::InvokeMethodWithPayload<RetValType>(Object, MethodPtr, this->Payload, std::forward<ParamTypes>(Params)...);
	}

	virtual bool ExecuteIfSafe(ParamTypes... Params) const override
	{
		UserClass* const Object = UserObject.Get();
		if (Object == nullptr)
		{
			return false;
		}
		(void)UE::Delegates::Private::InvokeMethodWithPayload<RetValType>(Object, MethodPtr, this->Payload, std::forward<ParamTypes>(Params)...);
		return true;
	}

private:
	TWeakObjectPtr<MutableUserClass> UserObject;
	FMethodPtr MethodPtr;
};
