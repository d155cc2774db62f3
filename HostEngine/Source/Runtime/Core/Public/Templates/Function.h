#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"

#include <functional>
#include <type_traits>
#include <utility>

template <typename FuncType>
class TFunction;

/**
 * A copyable owner of any callable with the signature FuncType, as the engine's TFunction. Calling
 * an unset TFunction is a fatal assertion, as in the engine.
 */
template <typename RetType, typename... ParamTypes>
class TFunction<RetType(ParamTypes...)>
{
public:
	TFunction(std::nullptr_t = nullptr) {}

	template <typename FunctorType,
		typename = std::enable_if_t<!std::is_same_v<std::decay_t<FunctorType>, TFunction> && std::is_invocable_v<std::decay_t<FunctorType>&, ParamTypes...>>>
	TFunction(FunctorType&& InFunctor)
		: Callable(std::forward<FunctorType>(InFunctor))
	{
	}

	RetType operator()(ParamTypes... Params) const
	{
		checkf(Callable, TEXT("Attempting to call an unbound TFunction!"));
		return Callable(std::forward<ParamTypes>(Params)...);
	}

	bool IsSet() const { return static_cast<bool>(Callable); }
	explicit operator bool() const { return IsSet(); }

private:
	std::function<RetType(ParamTypes...)> Callable;
};
