#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"

#include <functional>
#include <type_traits>
#include <utility>

template <typename FuncType>
class TFunction;

/** A copyable callable of a given signature, with the engine's member names. */
template <typename RetType, typename... ParamTypes>
class TFunction<RetType(ParamTypes...)>
{
public:
	TFunction() = default;
	TFunction(std::nullptr_t) {}

	template <typename FunctorType, typename = std::enable_if_t<!std::is_same_v<std::decay_t<FunctorType>, TFunction>>>
	TFunction(FunctorType&& InFunctor)
		: Callable(std::forward<FunctorType>(InFunctor))
	{
	}

	/** Calls the held callable; calling an unset function is an error. */
	RetType operator()(ParamTypes... Params) const
	{
		checkf(Callable, TEXT("Calling a TFunction that holds nothing"));
		return Callable(std::forward<ParamTypes>(Params)...);
	}

	bool IsSet() const { return static_cast<bool>(Callable); }
	explicit operator bool() const { return IsSet(); }

private:
	std::function<RetType(ParamTypes...)> Callable;
};
