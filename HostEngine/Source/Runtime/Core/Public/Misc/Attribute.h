#pragma once

#include "HAL/Platform.h"
#include "Delegates/Delegate.h"

#include <utility>

/**
 * A widget argument that holds either a value or a getter that is asked each time the value is
 * read, so a widget can show state that lives elsewhere.
 */
template <typename ObjectType>
class TAttribute
{
public:
	DECLARE_DELEGATE_RetVal(ObjectType, FGetter);

	/** An unset attribute: Get() returns a default value. */
	TAttribute() = default;

	template <typename OtherType>
	TAttribute(const OtherType& InInitialValue)
		: Value(static_cast<ObjectType>(InInitialValue))
		, bIsSet(true)
	{
	}

	[[nodiscard]] static TAttribute Create(const FGetter& InGetter)
	{
		TAttribute Attribute;
		Attribute.Getter = InGetter;
		Attribute.bIsSet = true;
		return Attribute;
	}

	template <typename FunctorType>
	[[nodiscard]] static TAttribute CreateLambda(FunctorType&& InCallable)
	{
		return Create(FGetter::CreateLambda(std::forward<FunctorType>(InCallable)));
	}

	/** The value, read through the getter when one is bound. */
	const ObjectType& Get() const
	{
		if (Getter.IsBound())
		{
			Value = Getter.Execute();
		}
		return Value;
	}

	const ObjectType& Get(const ObjectType& DefaultValue) const
	{
		return bIsSet ? Get() : DefaultValue;
	}

	bool IsSet() const { return bIsSet; }

private:
	// The last value read, kept so Get() can hand out a reference.
	mutable ObjectType Value = ObjectType();
	bool bIsSet = false;
	FGetter Getter;
};
