#include "FastDecimalFormat.h"

#include <algorithm>
#include <cmath>

namespace
{
	constexpr int32 MaxIntegralPrintLength = 20;
	constexpr int32 MaxFractionalPrintPrecision = 18;
	constexpr uint8 GroupingSize = 3;
	constexpr TCHAR GroupingSeparator = ',';
	constexpr TCHAR DecimalSeparator = '.';
	constexpr double HalfTolerance = 1.e-8;

	constexpr uint64 Pow10Table[] = {
		1ull,
		10ull,
		100ull,
		1000ull,
		10000ull,
		100000ull,
		1000000ull,
		10000000ull,
		100000000ull,
		1000000000ull,
		10000000000ull,
		100000000000ull,
		1000000000000ull,
		10000000000000ull,
		100000000000000ull,
		1000000000000000ull,
		10000000000000000ull,
		100000000000000000ull,
		1000000000000000000ull,
	};

	FNumberFormattingOptions Sanitized(FNumberFormattingOptions Options)
	{
		Options.MinimumIntegralDigits = std::max(0, Options.MinimumIntegralDigits);
		Options.MinimumFractionalDigits = std::max(0, Options.MinimumFractionalDigits);
		Options.MaximumIntegralDigits = std::max(Options.MinimumIntegralDigits, Options.MaximumIntegralDigits);
		Options.MaximumFractionalDigits = std::max(Options.MinimumFractionalDigits, Options.MaximumFractionalDigits);
		return Options;
	}

	/**
	 * The digits of Value, at most MaxDigits of them (the lowest), padded with zeros to MinDigits but
	 * never past 20 digits. Separators go between groups of three; zeros padded after a separator go
	 * in groups of four, as the engine counts them.
	 */
	FString UInt64ToString(uint64 Value, bool bUseGrouping, int32 MinDigits, int32 MaxDigits)
	{
		FString Reversed;
		int32 DigitsPrinted = 0;
		uint8 NumUntilNextGroup = GroupingSize;
		for (uint64 Remaining = Value; DigitsPrinted < MaxDigits && Remaining != 0; Remaining /= 10, ++DigitsPrinted)
		{
			if (bUseGrouping && NumUntilNextGroup-- == 0)
			{
				Reversed.AppendChar(GroupingSeparator);
				NumUntilNextGroup = GroupingSize - 1;
			}
			Reversed.AppendChar((TCHAR)('0' + Remaining % 10));
		}
		const int32 Padding = std::min(MinDigits - DigitsPrinted, MaxIntegralPrintLength - DigitsPrinted);
		for (int32 Index = 0; Index < Padding; ++Index)
		{
			if (bUseGrouping && NumUntilNextGroup-- == 0)
			{
				Reversed.AppendChar(GroupingSeparator);
				NumUntilNextGroup = GroupingSize;
			}
			Reversed.AppendChar('0');
		}
		return Reversed.Reverse();
	}

	void BuildFinalString(bool bIsNegative, bool bAlwaysSign, const FString& Integral, const FString& Fractional, FString& OutString)
	{
		if (bIsNegative)
		{
			OutString.AppendChar('-');
		}
		else if (bAlwaysSign)
		{
			OutString.AppendChar('+');
		}
		OutString.Append(Integral);
		if (!Fractional.IsEmpty())
		{
			OutString.AppendChar(DecimalSeparator);
			OutString.Append(Fractional);
		}
	}

	void IntegralToString(bool bIsNegative, uint64 Value, FNumberFormattingOptions Options, FString& OutString)
	{
		Options = Sanitized(Options);
		const FString Integral = UInt64ToString(Value, Options.UseGrouping, Options.MinimumIntegralDigits, Options.MaximumIntegralDigits);
		const FString Fractional = FString::ChrN(std::min(Options.MinimumFractionalDigits, MaxFractionalPrintPrecision), '0');
		BuildFinalString(bIsNegative, Options.AlwaysSign, Integral, Fractional, OutString);
	}

	// The engine's FMath rounding helpers: a value within 1e-8 of a half counts as the half.
	double TruncateToHalfIfClose(double Value)
	{
		double Integral = 0.0;
		const double Fraction = std::modf(Value, &Integral);
		const double Half = Value < 0.0 ? -0.5 : 0.5;
		return Integral + (std::abs(Fraction - Half) <= HalfTolerance ? Half : Fraction);
	}

	double RoundHalfToEven(double Value)
	{
		Value = TruncateToHalfIfClose(Value);
		const bool bIsNegative = Value < 0.0;
		const bool bValueIsEven = static_cast<uint64>(std::floor(bIsNegative ? -Value : Value)) % 2 == 0;
		if (bValueIsEven)
		{
			return bIsNegative ? std::floor(Value + 0.5) : std::ceil(Value - 0.5);
		}
		return bIsNegative ? std::ceil(Value - 0.5) : std::floor(Value + 0.5);
	}

	double Round(double Value, ERoundingMode Mode)
	{
		switch (Mode)
		{
		case HalfToEven:
			return RoundHalfToEven(Value);
		case HalfFromZero:
			Value = TruncateToHalfIfClose(Value);
			return Value < 0.0 ? std::ceil(Value - 0.5) : std::floor(Value + 0.5);
		case HalfToZero:
			Value = TruncateToHalfIfClose(Value);
			return Value < 0.0 ? std::floor(Value + 0.5) : std::ceil(Value - 0.5);
		case FromZero:
			return Value < 0.0 ? std::floor(Value) : std::ceil(Value);
		case ToZero:
			return Value < 0.0 ? std::ceil(Value) : std::floor(Value);
		case ToNegativeInfinity:
			return std::floor(Value);
		case ToPositiveInfinity:
			return std::ceil(Value);
		}
		return Value;
	}

	/**
	 * Splits the value into its integral part and its fraction scaled to the places kept, rounding
	 * the fraction (or the whole value, when no places are kept); a fraction that rounds up to a whole
	 * one carries into the integral part.
	 */
	void SplitAndRound(bool bIsNegative, double Value, int32 NumDecimalPlaces, ERoundingMode Mode, double& OutIntegral, double& OutFraction)
	{
		const int32 Places = std::min(NumDecimalPlaces, MaxFractionalPrintPrecision);
		const double Scale = (double)Pow10Table[Places];
		if (Places == 0)
		{
			OutIntegral = Round(TruncateToHalfIfClose(Value), Mode);
			OutFraction = 0.0;
			return;
		}
		double Integral = 0.0;
		double Fraction = Round(TruncateToHalfIfClose(std::modf(Value, &Integral) * Scale), Mode);
		if ((bIsNegative ? -Fraction : Fraction) >= Scale)
		{
			Integral += bIsNegative ? -1.0 : 1.0;
			Fraction += bIsNegative ? Scale : -Scale;
		}
		OutIntegral = Integral;
		OutFraction = Fraction;
	}
}

void FastDecimalFormat::NumberToString(int64 Value, const FNumberFormattingOptions& Options, FString& OutString)
{
	const bool bIsNegative = Value < 0;
	IntegralToString(bIsNegative, bIsNegative ? 0ull - (uint64)Value : (uint64)Value, Options, OutString);
}

void FastDecimalFormat::NumberToString(uint64 Value, const FNumberFormattingOptions& Options, FString& OutString)
{
	IntegralToString(false, Value, Options, OutString);
}

bool FastDecimalFormat::NumberToString(double Value, const FNumberFormattingOptions& InOptions, FString& OutString)
{
	const FNumberFormattingOptions Options = Sanitized(InOptions);
	// The engine tests the value as a float.
	if (std::isnan((float)Value))
	{
		OutString.Append(TEXT("NaN"));
		return true;
	}
	const bool bIsNegative = std::signbit(Value);
	double Integral = 0.0;
	double Fraction = 0.0;
	SplitAndRound(bIsNegative, Value, Options.MaximumFractionalDigits, Options.RoundingMode, Integral, Fraction);
	if (bIsNegative)
	{
		Integral = -Integral;
		Fraction = -Fraction;
	}
	if (!(Integral < 18446744073709551616.0))
	{
		return false;
	}
	const FString IntegralText = UInt64ToString(static_cast<uint64>(Integral), Options.UseGrouping, Options.MinimumIntegralDigits, Options.MaximumIntegralDigits);

	FString FractionText;
	if (Fraction != 0.0)
	{
		FractionText = UInt64ToString(static_cast<uint64>(Fraction), false, 0, Options.MaximumFractionalDigits);
		// Zeros lost in the split go back in front, then trailing zeros go, down to the minimum.
		const int32 LeadingZeros = std::min(Options.MaximumFractionalDigits - FractionText.Len(), MaxFractionalPrintPrecision - FractionText.Len());
		if (LeadingZeros > 0)
		{
			FractionText = FString::ChrN(LeadingZeros, '0') + FractionText;
		}
		int32 Length = FractionText.Len();
		while (Length > Options.MinimumFractionalDigits && FractionText[Length - 1] == '0')
		{
			--Length;
		}
		FractionText.LeftInline(Length);
	}
	const int32 Padding = std::min(Options.MinimumFractionalDigits - FractionText.Len(), MaxFractionalPrintPrecision - FractionText.Len());
	if (Padding > 0)
	{
		FractionText += FString::ChrN(Padding, '0');
	}
	BuildFinalString(bIsNegative, Options.AlwaysSign, IntegralText, FractionText, OutString);
	return true;
}
