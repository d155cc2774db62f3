#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"

#include <optional>
#include <utility>

/** An optional value with the engine's member names. */
template <typename OptionalType>
class TOptional
{
public:
	TOptional() = default;
	TOptional(const OptionalType& InValue) : Value(InValue) {}
	TOptional(OptionalType&& InValue) : Value(std::move(InValue)) {}

	bool IsSet() const { return Value.has_value(); }
	explicit operator bool() const { return IsSet(); }
	void Reset() { Value.reset(); }

	template <typename... ArgTypes>
	OptionalType& Emplace(ArgTypes&&... Args)
	{
		return Value.emplace(std::forward<ArgTypes>(Args)...);
	}

	const OptionalType& GetValue() const
	{
		checkf(IsSet(), TEXT("It is an error to call GetValue() on an unset TOptional."));
		return *Value;
	}

	OptionalType& GetValue()
	{
		checkf(IsSet(), TEXT("It is an error to call GetValue() on an unset TOptional."));
		return *Value;
	}

	const OptionalType& Get(const OptionalType& DefaultValue) const { return IsSet() ? *Value : DefaultValue; }
	const OptionalType& operator*() const { return GetValue(); }
	OptionalType& operator*() { return GetValue(); }
	const OptionalType* operator->() const { return &GetValue(); }
	OptionalType* operator->() { return &GetValue(); }

	bool operator==(const TOptional& Other) const { return Value == Other.Value; }

private:
	std::optional<OptionalType> Value;
};
