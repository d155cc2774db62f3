// Included by Delegates/Delegate.h only.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Containers/Array.h"
#include "Delegates/DelegateBase.h"
#include "Delegates/DelegateInstancesImpl.h"

/** A single-cast delegate: holds at most one binding, copied by value with its payload. */
template <typename InRetValType, typename... ParamTypes, typename UserPolicy>
class TDelegate<InRetValType(ParamTypes...), UserPolicy>
{
	using FuncType = InRetValType(ParamTypes...);
	using DelegateInstanceInterfaceType = IBaseDelegateInstance<FuncType, UserPolicy>;

	template <typename, typename>
	friend class TMulticastDelegate;

public:
	using RetValType = InRetValType;
	using TFuncType = FuncType;

	TDelegate() = default;

	TDelegate(const TDelegate& Other)
		: DelegateInstance(Other.DelegateInstance ? Other.DelegateInstance->Clone() : nullptr)
	{
	}

	TDelegate(TDelegate&& Other) noexcept = default;

	TDelegate& operator=(const TDelegate& Other)
	{
		if (this != &Other)
		{
			DelegateInstance = Other.DelegateInstance ? Other.DelegateInstance->Clone() : nullptr;
		}
		return *this;
	}

	TDelegate& operator=(TDelegate&& Other) noexcept = default;

	template <typename... VarTypes>
	[[nodiscard]] static TDelegate CreateStatic(std::type_identity_t<RetValType (*)(ParamTypes..., std::decay_t<VarTypes>...)> InFunc, VarTypes&&... Vars)
	{
		using InstanceType = TBaseStaticDelegateInstance<FuncType, UserPolicy, std::decay_t<VarTypes>...>;
		return TDelegate(std::make_unique<InstanceType>(InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename FunctorType, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateLambda(FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		using InstanceType = TBaseFunctorDelegateInstance<FuncType, UserPolicy, std::decay_t<FunctorType>, std::decay_t<VarTypes>...>;
		return TDelegate(std::make_unique<InstanceType>(std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateRaw(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		static_assert(!std::is_const_v<UserClass>, "Attempting to bind a delegate with a const object pointer and non-const member function.");
		using InstanceType = TBaseRawMethodDelegateInstance<false, UserClass, FuncType, UserPolicy, std::decay_t<VarTypes>...>;
		return TDelegate(std::make_unique<InstanceType>(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateRaw(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		using InstanceType = TBaseRawMethodDelegateInstance<true, UserClass, FuncType, UserPolicy, std::decay_t<VarTypes>...>;
		return TDelegate(std::make_unique<InstanceType>(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		static_assert(!std::is_const_v<UserClass>, "Attempting to bind a delegate with a const object pointer and non-const member function.");
		using InstanceType = TBaseSPMethodDelegateInstance<false, UserClass, Mode, FuncType, UserPolicy, std::decay_t<VarTypes>...>;
		return TDelegate(std::make_unique<InstanceType>(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		using InstanceType = TBaseSPMethodDelegateInstance<true, UserClass, Mode, FuncType, UserPolicy, std::decay_t<VarTypes>...>;
		return TDelegate(std::make_unique<InstanceType>(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...));
	}

	/** The object must already be owned by a shared pointer (it derives from TSharedFromThis). */
	template <typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return CreateSP(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), InFunc, std::forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateSP(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return CreateSP(StaticCastSharedRef<UserClass>(InUserObject->AsShared()), InFunc, std::forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateUObject(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		static_assert(!std::is_const_v<UserClass>, "Attempting to bind a delegate with a const object pointer and non-const member function.");
		using InstanceType = TBaseUObjectMethodDelegateInstance<false, UserClass, FuncType, UserPolicy, std::decay_t<VarTypes>...>;
		return TDelegate(std::make_unique<InstanceType>(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	[[nodiscard]] static TDelegate CreateUObject(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		using InstanceType = TBaseUObjectMethodDelegateInstance<true, UserClass, FuncType, UserPolicy, std::decay_t<VarTypes>...>;
		return TDelegate(std::make_unique<InstanceType>(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename... VarTypes>
	void BindStatic(std::type_identity_t<RetValType (*)(ParamTypes..., std::decay_t<VarTypes>...)> InFunc, VarTypes&&... Vars)
	{
		*this = CreateStatic(InFunc, std::forward<VarTypes>(Vars)...);
	}

	template <typename FunctorType, typename... VarTypes>
	void BindLambda(FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		*this = CreateLambda(std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	void BindRaw(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		*this = CreateRaw(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	void BindRaw(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		*this = CreateRaw(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	void BindSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		*this = CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	void BindSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		*this = CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	void BindSP(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		*this = CreateSP(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	void BindSP(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		*this = CreateSP(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	void BindUObject(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		*this = CreateUObject(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	template <typename UserClass, typename... VarTypes>
	void BindUObject(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, RetValType(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		*this = CreateUObject(InUserObject, InFunc, std::forward<VarTypes>(Vars)...);
	}

	/** Calls the bound target; calling an unbound delegate, or one whose object has gone, is fatal. */
	RetValType Execute(ParamTypes... Params) const
	{
		checkf(DelegateInstance != nullptr, TEXT("Execute called on an unbound delegate"));
		return DelegateInstance->Execute(std::forward<ParamTypes>(Params)...);
	}

	/** Calls the target if there is one and it is still alive; returns whether it was called. */
	bool ExecuteIfBound(ParamTypes... Params) const
		requires std::is_void_v<RetValType>
	{
		return DelegateInstance != nullptr && DelegateInstance->ExecuteIfSafe(std::forward<ParamTypes>(Params)...);
	}

	/** False when unbound or when the weakly held object (shared pointer, UObject) has gone. */
	bool IsBound() const { return DelegateInstance != nullptr && DelegateInstance->IsSafeToExecute(); }

	bool IsBoundToObject(const void* InUserObject) const
	{
		return InUserObject != nullptr && DelegateInstance != nullptr && DelegateInstance->HasSameObject(InUserObject);
	}

	void Unbind() { DelegateInstance.reset(); }

	FDelegateHandle GetHandle() const { return DelegateInstance ? DelegateInstance->GetHandle() : FDelegateHandle(); }

private:
	explicit TDelegate(std::unique_ptr<DelegateInstanceInterfaceType> InDelegateInstance)
		: DelegateInstance(std::move(InDelegateInstance))
	{
	}

	std::unique_ptr<DelegateInstanceInterfaceType> DelegateInstance;
};

/**
 * A multicast delegate: any number of bindings, all called by Broadcast. Bindings may be added or
 * removed by a listener while a broadcast runs: added ones wait for the next broadcast, and removed
 * ones are only destroyed once the outermost broadcast is over.
 */
template <typename... ParamTypes, typename UserPolicy>
class TMulticastDelegate<void(ParamTypes...), UserPolicy>
{
public:
	using FDelegate = TDelegate<void(ParamTypes...), UserPolicy>;

	FDelegateHandle Add(FDelegate&& InNewDelegate)
	{
		if (!InNewDelegate.DelegateInstance)
		{
			return FDelegateHandle();
		}
		CompactInvocationList();
		const FDelegateHandle Handle = InNewDelegate.GetHandle();
		InvocationList.Add(std::move(InNewDelegate));
		return Handle;
	}

	FDelegateHandle Add(const FDelegate& InNewDelegate) { return Add(FDelegate(InNewDelegate)); }

	template <typename... VarTypes>
	FDelegateHandle AddStatic(std::type_identity_t<void (*)(ParamTypes..., std::decay_t<VarTypes>...)> InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateStatic(InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename FunctorType, typename... VarTypes>
	FDelegateHandle AddLambda(FunctorType&& InFunctor, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateLambda(std::forward<FunctorType>(InFunctor), std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	FDelegateHandle AddRaw(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, void(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateRaw(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	FDelegateHandle AddRaw(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, void(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateRaw(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	FDelegateHandle AddSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, typename TMemFunPtrType<false, UserClass, void(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, ESPMode Mode, typename... VarTypes>
	FDelegateHandle AddSP(const TSharedRef<UserClass, Mode>& InUserObjectRef, typename TMemFunPtrType<true, UserClass, void(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateSP(InUserObjectRef, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	FDelegateHandle AddSP(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, void(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateSP(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	FDelegateHandle AddSP(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, void(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateSP(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	FDelegateHandle AddUObject(UserClass* InUserObject, typename TMemFunPtrType<false, UserClass, void(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateUObject(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	template <typename UserClass, typename... VarTypes>
	FDelegateHandle AddUObject(UserClass* InUserObject, typename TMemFunPtrType<true, UserClass, void(ParamTypes..., std::decay_t<VarTypes>...)>::Type InFunc, VarTypes&&... Vars)
	{
		return Add(FDelegate::CreateUObject(InUserObject, InFunc, std::forward<VarTypes>(Vars)...));
	}

	/** Removes the binding that Add returned the handle for; returns whether there was one. */
	bool Remove(FDelegateHandle Handle)
	{
		if (!Handle.IsValid())
		{
			return false;
		}
		for (int32 Index = 0; Index < InvocationList.Num(); ++Index)
		{
			if (InvocationList[Index].GetHandle() == Handle)
			{
				RemoveAt(Index);
				return true;
			}
		}
		return false;
	}

	/** Removes every binding to InUserObject; returns how many there were. */
	int32 RemoveAll(const void* InUserObject)
	{
		int32 Removed = 0;
		for (int32 Index = InvocationList.Num() - 1; Index >= 0; --Index)
		{
			if (InvocationList[Index].IsBoundToObject(InUserObject))
			{
				RemoveAt(Index);
				++Removed;
			}
		}
		return Removed;
	}

	void Clear()
	{
		for (int32 Index = InvocationList.Num() - 1; Index >= 0; --Index)
		{
			RemoveAt(Index);
		}
	}

	/** Whether any binding is held; one whose object has gone still counts until it is compacted away. */
	bool IsBound() const
	{
		return InvocationList.ContainsByPredicate([](const FDelegate& Delegate) { return Delegate.DelegateInstance != nullptr; });
	}

	bool IsBoundToObject(const void* InUserObject) const
	{
		return InvocationList.ContainsByPredicate([InUserObject](const FDelegate& Delegate) { return Delegate.IsBoundToObject(InUserObject); });
	}

	/** Calls every binding whose target is still alive, the most recently added first. */
	void Broadcast(ParamTypes... Params) const
	{
		++BroadcastDepth;
		for (int32 Index = InvocationList.Num() - 1; Index >= 0; --Index)
		{
			// Taken from the list each time: a listener may add bindings and so move the list.
			const typename FDelegate::DelegateInstanceInterfaceType* const Instance = InvocationList[Index].DelegateInstance.get();
			if (Instance != nullptr)
			{
				Instance->ExecuteIfSafe(Params...);
			}
		}
		if (--BroadcastDepth == 0)
		{
			RetiredDuringBroadcast.Empty();
			CompactInvocationList();
		}
	}

private:
	void RemoveAt(int32 Index)
	{
		if (BroadcastDepth > 0)
		{
			// The binding may be the one running: keep it alive and leave an empty slot so indices hold.
			RetiredDuringBroadcast.Add(std::move(InvocationList[Index]));
		}
		else
		{
			InvocationList.RemoveAt(Index);
		}
	}

	/** Drops empty slots and bindings whose objects have gone. */
	void CompactInvocationList() const
	{
		if (BroadcastDepth == 0)
		{
			InvocationList.RemoveAll([](const FDelegate& Delegate) { return !Delegate.IsBound(); });
		}
	}

	// Broadcast is const, as in the engine, yet it retires and compacts bindings.
	mutable TArray<FDelegate> InvocationList;
	mutable TArray<FDelegate> RetiredDuringBroadcast;
	mutable int32 BroadcastDepth = 0;
};
