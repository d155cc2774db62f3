#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Templates/TypeHash.h"

/** A 128-bit globally unique identifier; all zero means invalid. */
struct CORE_API FGuid
{
	FGuid() = default;

	FGuid(uint32 InA, uint32 InB, uint32 InC, uint32 InD)
		: A(InA)
		, B(InB)
		, C(InC)
		, D(InD)
	{
	}

	static FGuid NewGuid();

	/**
	 * Reads a guid written as 32 hex digits, or as 8-4-4-4-12 digits with hyphens, optionally in
	 * braces or parentheses.
	 * @return false, leaving OutGuid untouched, when the text is in none of those forms.
	 */
	static bool Parse(const FString& GuidString, FGuid& OutGuid);

	bool IsValid() const { return (A | B | C | D) != 0; }
	void Invalidate() { A = B = C = D = 0; }

	/** 32 upper-case hex digits, A to D. */
	FString ToString() const;

	friend bool operator==(const FGuid& X, const FGuid& Y) { return X.A == Y.A && X.B == Y.B && X.C == Y.C && X.D == Y.D; }
	friend bool operator!=(const FGuid& X, const FGuid& Y) { return !(X == Y); }

	/** Orders by A, then B, C and D. */
	friend bool operator<(const FGuid& X, const FGuid& Y)
	{
		if (X.A != Y.A)
		{
			return X.A < Y.A;
		}
		if (X.B != Y.B)
		{
			return X.B < Y.B;
		}
		if (X.C != Y.C)
		{
			return X.C < Y.C;
		}
		return X.D < Y.D;
	}

	friend uint32 GetTypeHash(const FGuid& Guid)
	{
		return HashCombine(HashCombine(GetTypeHash(Guid.A), GetTypeHash(Guid.B)), HashCombine(GetTypeHash(Guid.C), GetTypeHash(Guid.D)));
	}

	uint32 A = 0;
	uint32 B = 0;
	uint32 C = 0;
	uint32 D = 0;
};
