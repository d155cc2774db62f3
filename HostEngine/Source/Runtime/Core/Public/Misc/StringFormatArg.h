#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"

/** One argument of FString::Format: a number or a text. */
struct CORE_API FStringFormatArg
{
	enum EType
	{
		Int,
		UInt,
		Double,
		String,
		StringLiteral
	};

	EType Type;
	int64 IntValue = 0;
	uint64 UIntValue = 0;
	double DoubleValue = 0.0;
	FString StringValue;
	const TCHAR* StringLiteralValue = nullptr;

	FStringFormatArg(const int32 Value) : Type(Int), IntValue(Value) {}
	FStringFormatArg(const uint32 Value) : Type(UInt), UIntValue(Value) {}
	FStringFormatArg(const int64 Value) : Type(Int), IntValue(Value) {}
	FStringFormatArg(const uint64 Value) : Type(UInt), UIntValue(Value) {}
	FStringFormatArg(const float Value) : Type(Double), DoubleValue(Value) {}
	FStringFormatArg(const double Value) : Type(Double), DoubleValue(Value) {}
	FStringFormatArg(FString Value) : Type(String), StringValue(std::move(Value)) {}
	FStringFormatArg(const TCHAR* Value) : Type(StringLiteral), StringLiteralValue(Value) {}

	/** The argument as it appears in formatted text: integers with plain digits, no grouping. */
	FString ToString() const;
};
