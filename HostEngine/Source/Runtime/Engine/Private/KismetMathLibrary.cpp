#include "Kismet/KismetMathLibrary.h"

#include <cmath>
#include <limits>
#include <type_traits>

namespace
{
	const FName DivideByZeroWarning(TEXT("DivideByZeroWarning"));

	// Signed overflow is undefined in C++; the engine's compilers wrap it on every platform it ships
	// on, and so does the host, through unsigned arithmetic.
	template <typename T>
	T WrappingAdd(T A, T B)
	{
		typedef std::make_unsigned_t<T> UnsignedType;
		return static_cast<T>(static_cast<UnsignedType>(A) + static_cast<UnsignedType>(B));
	}

	template <typename T>
	T WrappingSubtract(T A, T B)
	{
		typedef std::make_unsigned_t<T> UnsignedType;
		return static_cast<T>(static_cast<UnsignedType>(A) - static_cast<UnsignedType>(B));
	}

	template <typename T>
	T WrappingMultiply(T A, T B)
	{
		typedef std::make_unsigned_t<T> UnsignedType;
		return static_cast<T>(static_cast<UnsignedType>(A) * static_cast<UnsignedType>(B));
	}

	/** FMath::Abs of an integer: the lowest value stays itself. */
	template <typename T>
	T WrappingAbs(T A)
	{
		return A < 0 ? WrappingSubtract<T>(0, A) : A;
	}

	/** FMath::Sign. */
	template <typename T>
	T Sign(T A)
	{
		return A > T(0) ? T(1) : (A < T(0) ? T(-1) : T(0));
	}

	/** FMath::Min and FMath::Max, with their order of comparison (it decides what a NaN gives). */
	template <typename T>
	T MinOf(T A, T B)
	{
		return A < B ? A : B;
	}

	template <typename T>
	T MaxOf(T A, T B)
	{
		return B < A ? A : B;
	}

	/** FMath::Clamp: the maximum first, so that Min wins when Min > Max. */
	template <typename T>
	T ClampOf(T X, T MinValue, T MaxValue)
	{
		return MaxOf(MinOf(X, MaxValue), MinValue);
	}

	// The engine turns a double into an integer with a plain C++ cast, undefined out of range; its
	// x86-64 builds (cvttsd2si) then give the lowest integer, for NaN too. The host gives the same on
	// every machine.
	int32 TruncToInt32(double F)
	{
		return F > -2147483649.0 && F < 2147483648.0 ? static_cast<int32>(F) : std::numeric_limits<int32>::min();
	}

	int64 TruncToInt64(double F)
	{
		return F >= -9223372036854775808.0 && F < 9223372036854775808.0 ? static_cast<int64>(F) : std::numeric_limits<int64>::min();
	}

	/** FMath::FloorToInt32 and FloorToInt64: truncate, then one down below a negative fraction. */
	int32 FloorToInt32(double F)
	{
		const int32 I = TruncToInt32(F);
		return WrappingSubtract<int32>(I, static_cast<double>(I) > F ? 1 : 0);
	}

	int64 FloorToInt64(double F)
	{
		const int64 I = TruncToInt64(F);
		return WrappingSubtract<int64>(I, static_cast<double>(I) > F ? 1 : 0);
	}

	/** FMath::CeilToInt32: truncate, then one up above a positive fraction. */
	int32 CeilToInt32(double F)
	{
		const int32 I = TruncToInt32(F);
		return WrappingAdd<int32>(I, static_cast<double>(I) < F ? 1 : 0);
	}

	/** FMath::Fmod: the C library's remainder (the sign of X), and 0 for a divisor within 1e-8 of 0. */
	double Fmod(double X, double Y)
	{
		return std::fabs(Y) <= 1.e-8 ? 0.0 : std::fmod(X, Y);
	}

	/** The whole part of FMod and FMod64: the quotient's magnitude rounded down, with its sign. */
	template <typename T, typename FloorType>
	T DivideWhole(double Dividend, double Divisor, double& Remainder, FloorType FloorToInt)
	{
		if (Divisor == 0.0)
		{
			FFrame::KismetExecutionMessage(TEXT("Attempted modulo 0 - returning 0."), ELogVerbosity::Warning, DivideByZeroWarning);
			Remainder = 0.0;
			return 0;
		}
		const double Quotient = Dividend / Divisor;
		Remainder = Fmod(Dividend, Divisor);
		return WrappingMultiply<T>(Quotient < 0.0 ? -1 : 1, FloorToInt(std::fabs(Quotient)));
	}
}

UKismetMathLibrary::UKismetMathLibrary(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UKismetMathLibrary::ReportError_Divide_IntInt()
{
	FFrame::KismetExecutionMessage(TEXT("Divide by zero: Divide_IntInt"), ELogVerbosity::Warning, DivideByZeroWarning);
}

void UKismetMathLibrary::ReportError_Divide_DoubleDouble()
{
	FFrame::KismetExecutionMessage(TEXT("Divide by zero: Divide_DoubleDouble"), ELogVerbosity::Warning, DivideByZeroWarning);
}

void UKismetMathLibrary::ReportError_Divide_Int64Int64()
{
	FFrame::KismetExecutionMessage(TEXT("Divide by zero: Divide_Int64Int64"), ELogVerbosity::Warning, DivideByZeroWarning);
}

void UKismetMathLibrary::ReportError_Percent_IntInt()
{
	FFrame::KismetExecutionMessage(TEXT("Modulo by zero: Percent_IntInt"), ELogVerbosity::Warning, DivideByZeroWarning);
}

void UKismetMathLibrary::ReportError_Percent_Int64Int64()
{
	FFrame::KismetExecutionMessage(TEXT("Modulo by zero: Percent_Int64Int64"), ELogVerbosity::Warning, DivideByZeroWarning);
}

// Boolean

bool UKismetMathLibrary::Not_PreBool(bool A)
{
	return !A;
}

bool UKismetMathLibrary::EqualEqual_BoolBool(bool A, bool B)
{
	return !A == !B;
}

bool UKismetMathLibrary::NotEqual_BoolBool(bool A, bool B)
{
	return !A != !B;
}

bool UKismetMathLibrary::BooleanAND(bool A, bool B)
{
	return A && B;
}

bool UKismetMathLibrary::BooleanNAND(bool A, bool B)
{
	return !(A && B);
}

bool UKismetMathLibrary::BooleanOR(bool A, bool B)
{
	return A || B;
}

bool UKismetMathLibrary::BooleanXOR(bool A, bool B)
{
	return A ^ B;
}

bool UKismetMathLibrary::BooleanNOR(bool A, bool B)
{
	return !(A || B);
}

// Integer

int32 UKismetMathLibrary::Multiply_IntInt(int32 A, int32 B)
{
	return WrappingMultiply(A, B);
}

int32 UKismetMathLibrary::Divide_IntInt(int32 A, int32 B)
{
	if (B == 0)
	{
		ReportError_Divide_IntInt();
		return 0;
	}
	// The lowest value divided by -1 traps on x86-64, in the engine as here.
	return A / B;
}

int32 UKismetMathLibrary::Percent_IntInt(int32 A, int32 B)
{
	if (B == 0)
	{
		ReportError_Percent_IntInt();
		return 0;
	}
	return A % B;
}

int32 UKismetMathLibrary::Add_IntInt(int32 A, int32 B)
{
	return WrappingAdd(A, B);
}

int32 UKismetMathLibrary::Subtract_IntInt(int32 A, int32 B)
{
	return WrappingSubtract(A, B);
}

bool UKismetMathLibrary::Less_IntInt(int32 A, int32 B)
{
	return A < B;
}

bool UKismetMathLibrary::Greater_IntInt(int32 A, int32 B)
{
	return A > B;
}

bool UKismetMathLibrary::LessEqual_IntInt(int32 A, int32 B)
{
	return A <= B;
}

bool UKismetMathLibrary::GreaterEqual_IntInt(int32 A, int32 B)
{
	return A >= B;
}

bool UKismetMathLibrary::EqualEqual_IntInt(int32 A, int32 B)
{
	return A == B;
}

bool UKismetMathLibrary::NotEqual_IntInt(int32 A, int32 B)
{
	return A != B;
}

bool UKismetMathLibrary::InRange_IntInt(int32 Value, int32 Min, int32 Max, bool InclusiveMin, bool InclusiveMax)
{
	return (InclusiveMin ? Value >= Min : Value > Min) && (InclusiveMax ? Value <= Max : Value < Max);
}

int32 UKismetMathLibrary::And_IntInt(int32 A, int32 B)
{
	return A & B;
}

int32 UKismetMathLibrary::Xor_IntInt(int32 A, int32 B)
{
	return A ^ B;
}

int32 UKismetMathLibrary::Or_IntInt(int32 A, int32 B)
{
	return A | B;
}

int32 UKismetMathLibrary::Not_Int(int32 A)
{
	return ~A;
}

int32 UKismetMathLibrary::SignOfInteger(int32 A)
{
	return Sign(A);
}

int32 UKismetMathLibrary::Min(int32 A, int32 B)
{
	return MinOf(A, B);
}

int32 UKismetMathLibrary::Max(int32 A, int32 B)
{
	return MaxOf(A, B);
}

int32 UKismetMathLibrary::Clamp(int32 Value, int32 Min, int32 Max)
{
	return ClampOf(Value, Min, Max);
}

int32 UKismetMathLibrary::Abs_Int(int32 A)
{
	return WrappingAbs(A);
}

// Integer64

int64 UKismetMathLibrary::Multiply_Int64Int64(int64 A, int64 B)
{
	return WrappingMultiply(A, B);
}

int64 UKismetMathLibrary::Divide_Int64Int64(int64 A, int64 B)
{
	if (B == 0)
	{
		ReportError_Divide_Int64Int64();
		return 0;
	}
	return A / B;
}

int64 UKismetMathLibrary::Percent_Int64Int64(int64 A, int64 B)
{
	if (B == 0)
	{
		ReportError_Percent_Int64Int64();
		return 0;
	}
	return A % B;
}

int64 UKismetMathLibrary::Add_Int64Int64(int64 A, int64 B)
{
	return WrappingAdd(A, B);
}

int64 UKismetMathLibrary::Subtract_Int64Int64(int64 A, int64 B)
{
	return WrappingSubtract(A, B);
}

bool UKismetMathLibrary::Less_Int64Int64(int64 A, int64 B)
{
	return A < B;
}

bool UKismetMathLibrary::Greater_Int64Int64(int64 A, int64 B)
{
	return A > B;
}

bool UKismetMathLibrary::LessEqual_Int64Int64(int64 A, int64 B)
{
	return A <= B;
}

bool UKismetMathLibrary::GreaterEqual_Int64Int64(int64 A, int64 B)
{
	return A >= B;
}

bool UKismetMathLibrary::EqualEqual_Int64Int64(int64 A, int64 B)
{
	return A == B;
}

bool UKismetMathLibrary::NotEqual_Int64Int64(int64 A, int64 B)
{
	return A != B;
}

bool UKismetMathLibrary::InRange_Int64Int64(int64 Value, int64 Min, int64 Max, bool InclusiveMin, bool InclusiveMax)
{
	return (InclusiveMin ? Value >= Min : Value > Min) && (InclusiveMax ? Value <= Max : Value < Max);
}

int64 UKismetMathLibrary::And_Int64Int64(int64 A, int64 B)
{
	return A & B;
}

int64 UKismetMathLibrary::Xor_Int64Int64(int64 A, int64 B)
{
	return A ^ B;
}

int64 UKismetMathLibrary::Or_Int64Int64(int64 A, int64 B)
{
	return A | B;
}

int64 UKismetMathLibrary::Not_Int64(int64 A)
{
	return ~A;
}

int64 UKismetMathLibrary::SignOfInteger64(int64 A)
{
	return Sign(A);
}

int64 UKismetMathLibrary::MinInt64(int64 A, int64 B)
{
	return MinOf(A, B);
}

int64 UKismetMathLibrary::MaxInt64(int64 A, int64 B)
{
	return MaxOf(A, B);
}

int64 UKismetMathLibrary::ClampInt64(int64 Value, int64 Min, int64 Max)
{
	return ClampOf(Value, Min, Max);
}

int64 UKismetMathLibrary::Abs_Int64(int64 A)
{
	return WrappingAbs(A);
}

// Float

double UKismetMathLibrary::Multiply_IntFloat(int32 A, double B)
{
	return A * B;
}

double UKismetMathLibrary::Percent_FloatFloat(double A, double B)
{
	// The engine does this in the function's custom thunk, which appends the script call stack to
	// the message; the host has no script stack, so nothing follows the line break.
	if (B == 0.0)
	{
		FFrame::KismetExecutionMessage(*FString::Printf(TEXT("Modulo by zero detected: %f %% 0\n"), A), ELogVerbosity::Warning);
		return 0.0;
	}
	return GenericPercent_FloatFloat(A, B);
}

double UKismetMathLibrary::GenericPercent_FloatFloat(double A, double B)
{
	return B != 0.0 ? Fmod(A, B) : 0.0;
}

double UKismetMathLibrary::Add_DoubleDouble(double A, double B)
{
	return A + B;
}

double UKismetMathLibrary::Subtract_DoubleDouble(double A, double B)
{
	return A - B;
}

double UKismetMathLibrary::Multiply_DoubleDouble(double A, double B)
{
	return A * B;
}

double UKismetMathLibrary::Divide_DoubleDouble(double A, double B)
{
	if (B == 0.0)
	{
		ReportError_Divide_DoubleDouble();
		return 0.0;
	}
	return A / B;
}

bool UKismetMathLibrary::Less_DoubleDouble(double A, double B)
{
	return A < B;
}

bool UKismetMathLibrary::Greater_DoubleDouble(double A, double B)
{
	return A > B;
}

bool UKismetMathLibrary::LessEqual_DoubleDouble(double A, double B)
{
	return A <= B;
}

bool UKismetMathLibrary::GreaterEqual_DoubleDouble(double A, double B)
{
	return A >= B;
}

bool UKismetMathLibrary::EqualEqual_DoubleDouble(double A, double B)
{
	return A == B;
}

bool UKismetMathLibrary::NearlyEqual_FloatFloat(double A, double B, double ErrorTolerance)
{
	return std::fabs(A - B) <= ErrorTolerance;
}

bool UKismetMathLibrary::NotEqual_DoubleDouble(double A, double B)
{
	return A != B;
}

bool UKismetMathLibrary::InRange_FloatFloat(double Value, double Min, double Max, bool InclusiveMin, bool InclusiveMax)
{
	return (InclusiveMin ? Value >= Min : Value > Min) && (InclusiveMax ? Value <= Max : Value < Max);
}

double UKismetMathLibrary::Abs(double A)
{
	return std::fabs(A);
}

double UKismetMathLibrary::FMin(double A, double B)
{
	return MinOf(A, B);
}

double UKismetMathLibrary::FMax(double A, double B)
{
	return MaxOf(A, B);
}

double UKismetMathLibrary::FClamp(double Value, double Min, double Max)
{
	return ClampOf(Value, Min, Max);
}

double UKismetMathLibrary::SafeDivide(double A, double B)
{
	return B != 0.0 ? A / B : 0.0;
}

int32 UKismetMathLibrary::Round(double A)
{
	return FloorToInt32(A + 0.5);
}

int32 UKismetMathLibrary::FFloor(double A)
{
	return FloorToInt32(A);
}

int32 UKismetMathLibrary::FTrunc(double A)
{
	return TruncToInt32(A);
}

int32 UKismetMathLibrary::FCeil(double A)
{
	return CeilToInt32(A);
}

int64 UKismetMathLibrary::Round64(double A)
{
	return TruncToInt64(std::floor(A + 0.5));
}

int64 UKismetMathLibrary::FFloor64(double A)
{
	return TruncToInt64(std::floor(A));
}

int64 UKismetMathLibrary::FTrunc64(double A)
{
	return TruncToInt64(A);
}

int64 UKismetMathLibrary::FCeil64(double A)
{
	return TruncToInt64(std::ceil(A));
}

int32 UKismetMathLibrary::FMod(double Dividend, double Divisor, double& Remainder)
{
	return DivideWhole<int32>(Dividend, Divisor, Remainder, &FloorToInt32);
}

int64 UKismetMathLibrary::FMod64(double Dividend, double Divisor, double& Remainder)
{
	return DivideWhole<int64>(Dividend, Divisor, Remainder, &FloorToInt64);
}

double UKismetMathLibrary::SignOfFloat(double A)
{
	return Sign(A);
}

// Conversions

double UKismetMathLibrary::Conv_ByteToDouble(uint8 InByte)
{
	return static_cast<double>(InByte);
}

double UKismetMathLibrary::Conv_IntToDouble(int32 InInt)
{
	return static_cast<double>(InInt);
}

int64 UKismetMathLibrary::Conv_IntToInt64(int32 InInt)
{
	return static_cast<int64>(InInt);
}

uint8 UKismetMathLibrary::Conv_IntToByte(int32 InInt)
{
	return static_cast<uint8>(InInt);
}

int32 UKismetMathLibrary::Conv_Int64ToInt(int64 InInt)
{
	return static_cast<int32>(InInt);
}

uint8 UKismetMathLibrary::Conv_Int64ToByte(int64 InInt)
{
	return static_cast<uint8>(InInt);
}

int64 UKismetMathLibrary::Conv_DoubleToInt64(double InDouble)
{
	return TruncToInt64(InDouble);
}

double UKismetMathLibrary::Conv_Int64ToDouble(int64 InInt)
{
	return static_cast<double>(InInt);
}

bool UKismetMathLibrary::Conv_IntToBool(int32 InInt)
{
	return InInt != 0;
}

int32 UKismetMathLibrary::Conv_BoolToInt(bool InBool)
{
	return InBool ? 1 : 0;
}

double UKismetMathLibrary::Conv_BoolToDouble(bool InBool)
{
	return InBool ? 1.0 : 0.0;
}

uint8 UKismetMathLibrary::Conv_BoolToByte(bool InBool)
{
	return InBool ? 1 : 0;
}

int32 UKismetMathLibrary::Conv_ByteToInt(uint8 InByte)
{
	return static_cast<int32>(InByte);
}

int64 UKismetMathLibrary::Conv_ByteToInt64(uint8 InByte)
{
	return static_cast<int64>(InByte);
}
