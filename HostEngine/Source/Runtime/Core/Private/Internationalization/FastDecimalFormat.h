#pragma once

// Host engine: numbers as text, as the engine's FastDecimalFormat writes them with the culture-agnostic
// rules: '-' before a negative number, ',' between groups of three digits, '.' before the fraction, "NaN".
// The host has one culture, so these are the only rules it formats with.

#include "Internationalization/Text.h"

namespace FastDecimalFormat
{
	void NumberToString(int64 Value, const FNumberFormattingOptions& Options, FString& OutString);
	void NumberToString(uint64 Value, const FNumberFormattingOptions& Options, FString& OutString);

	/**
	 * False, writing nothing, when the integral part, after rounding, does not fit 64 bits: the engine
	 * converts it to an unsigned 64-bit integer without a check there.
	 */
	bool NumberToString(double Value, const FNumberFormattingOptions& Options, FString& OutString);
}
