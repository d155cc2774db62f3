#pragma once

#include "HAL/Platform.h"
#include "Delegates/IDelegateInstance.h"

#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>

/** The member function pointer type of Class for a signature, const-qualified when bConst. */
template <bool bConst, typename Class, typename FuncType>
struct TMemFunPtrType;

template <typename Class, typename RetType, typename... ArgTypes>
struct TMemFunPtrType<false, Class, RetType(ArgTypes...)>
{
	typedef RetType (std::remove_const_t<Class>::*Type)(ArgTypes...);
};

template <typename Class, typename RetType, typename... ArgTypes>
struct TMemFunPtrType<true, Class, RetType(ArgTypes...)>
{
	typedef RetType (std::remove_const_t<Class>::*Type)(ArgTypes...) const;
};

template <typename FuncType, typename UserPolicy>
class IBaseDelegateInstance;

/** A binding of one delegate signature; TDelegate owns exactly one and copies it with Clone. */
template <typename RetType, typename... ArgTypes, typename UserPolicy>
class IBaseDelegateInstance<RetType(ArgTypes...), UserPolicy> : public IDelegateInstance
{
public:
	virtual std::unique_ptr<IBaseDelegateInstance> Clone() const = 0;

	/** Calls the target; the target must still be there. */
	virtual RetType Execute(ArgTypes... Args) const = 0;

	/** Calls the target if it is still there; returns whether it was called. */
	virtual bool ExecuteIfSafe(ArgTypes... Args) const = 0;
};

namespace UE::Delegates::Private
{
	/** Calls a function or functor with the call's arguments followed by the payload values. */
	template <typename RetType, typename CallableType, typename PayloadType, typename... ArgTypes>
	RetType InvokeWithPayload(CallableType& Callable, PayloadType& Payload, ArgTypes&&... Args)
	{
		return std::apply(
			[&Callable, &Args...](auto&... Vars) -> RetType
			{
				if constexpr (std::is_void_v<RetType>)
				{
					Callable(std::forward<ArgTypes>(Args)..., Vars...);
				}
				else
				{
					return Callable(std::forward<ArgTypes>(Args)..., Vars...);
				}
			},
			Payload);
	}

	/** Calls a member function on Object with the call's arguments followed by the payload values. */
	template <typename RetType, typename ClassType, typename MethodPtrType, typename PayloadType, typename... ArgTypes>
	RetType InvokeMethodWithPayload(ClassType* Object, MethodPtrType MethodPtr, PayloadType& Payload, ArgTypes&&... Args)
	{
		return std::apply(
			[Object, MethodPtr, &Args...](auto&... Vars) -> RetType
			{
				if constexpr (std::is_void_v<RetType>)
				{
					(Object->*MethodPtr)(std::forward<ArgTypes>(Args)..., Vars...);
				}
				else
				{
					return (Object->*MethodPtr)(std::forward<ArgTypes>(Args)..., Vars...);
				}
			},
			Payload);
	}
}
