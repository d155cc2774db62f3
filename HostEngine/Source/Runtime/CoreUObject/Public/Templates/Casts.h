#pragma once

#include "UObject/Class.h"
#include "UObject/ObjectPtr.h"

namespace ECastCheckedType
{
	enum Type
	{
		NullAllowed,
		NullChecked
	};
}

template <class To, class From>
To* Cast(From* Src)
{
	return Src && ((const UObject*)Src)->IsA(To::StaticClass()) ? (To*)Src : nullptr;
}

template <class To, class From>
const To* Cast(const From* Src)
{
	return Src && ((const UObject*)Src)->IsA(To::StaticClass()) ? (const To*)Src : nullptr;
}

template <class To, class From>
To* ExactCast(From* Src)
{
	return Src && ((const UObject*)Src)->GetClass() == To::StaticClass() ? (To*)Src : nullptr;
}

template <class To, class From>
To* CastChecked(From* Src, ECastCheckedType::Type CheckType = ECastCheckedType::NullChecked)
{
	if (!Src)
	{
		checkf(CheckType == ECastCheckedType::NullAllowed, TEXT("Cast of nullptr to %s failed"), *To::StaticClass()->GetName());
		return nullptr;
	}
	To* Result = Cast<To>(Src);
	checkf(Result, TEXT("Cast of %s to %s failed"), *((const UObject*)Src)->GetFullName(), *To::StaticClass()->GetName());
	return Result;
}

template <class To, class From>
const To* CastChecked(const From* Src, ECastCheckedType::Type CheckType = ECastCheckedType::NullChecked)
{
	return CastChecked<To>(const_cast<From*>(Src), CheckType);
}

template <class To, class From>
To* Cast(const TObjectPtr<From>& Src)
{
	return Cast<To>(Src.Get());
}

template <class To, class From>
To* CastChecked(const TObjectPtr<From>& Src, ECastCheckedType::Type CheckType = ECastCheckedType::NullChecked)
{
	return CastChecked<To>(Src.Get(), CheckType);
}
