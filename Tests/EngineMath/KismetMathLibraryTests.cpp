#include "Kismet/KismetMathLibrary.h"

#include "CoreUObject.h"
#include "LogCapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

// The math nodes' results as the engine's own code computes them (UE 5.4 Engine/Classes/Kismet/
// KismetMathLibrary.inl and Private/KismetMathLibrary.cpp, 5.8 Private/KismetMathLibrary.cpp, 5.4
// Core GenericPlatformMath.h and UnrealMathUtility.h), and their declarations as the editor reads them.
class FKismetMathLibraryTest : public testing::Test
{
protected:
	typedef UKismetMathLibrary M;

	struct FCase
	{
		const char* Name;
		int64 Actual;
		int64 Expected;
	};

	static void ExpectCases(std::initializer_list<FCase> Cases)
	{
		for (const FCase& Case : Cases)
		{
			SCOPED_TRACE(Case.Name);
			EXPECT_EQ(Case.Actual, Case.Expected);
		}
	}

	static constexpr int32 MaxInt = std::numeric_limits<int32>::max();
	static constexpr int32 MinInt = std::numeric_limits<int32>::min();
	static constexpr int64 MaxInt64 = std::numeric_limits<int64>::max();
	static constexpr int64 MinInt64 = std::numeric_limits<int64>::min();
};

TEST_F(FKismetMathLibraryTest, IntegersWrapTruncateTowardZeroAndKeepTheDividendsSign)
{
	ExpectCases({
		{"int + int past the top wraps", M::Add_IntInt(MaxInt, 1), MinInt},
		{"int - int past the bottom wraps", M::Subtract_IntInt(MinInt, 1), MaxInt},
		{"int * int wraps", M::Multiply_IntInt(65536, 65536), 0},
		{"int * int wraps to negative", M::Multiply_IntInt(MaxInt, 2), -2},
		{"int / int truncates toward zero", M::Divide_IntInt(-7, 2), -3},
		{"% takes the sign of the dividend", M::Percent_IntInt(-7, 3), -1},
		{"% of a negative divisor", M::Percent_IntInt(7, -3), 1},
		{"absolute of the lowest int is itself", M::Abs_Int(MinInt), MinInt},
		{"clamp gives Min when Min > Max", M::Clamp(5, 3, 1), 3},
		{"clamp below", M::Clamp(-1, 0, 10), 0},
		{"sign", M::SignOfInteger(-9), -1},
		{"bitwise not", M::Not_Int(0), -1},
		{"in range, exclusive minimum", M::InRange_IntInt(5, 5, 10, false, true), false},
		{"int64 + int64 past the top wraps", M::Add_Int64Int64(MaxInt64, 1), MinInt64},
		{"int64 * int64 wraps", M::Multiply_Int64Int64(int64(1) << 62, 4), 0},
		{"int64 % of a negative dividend", M::Percent_Int64Int64(-9, 4), -1},
		{"absolute of the lowest int64 is itself", M::Abs_Int64(MinInt64), MinInt64},
		{"clamp int64 gives Min when Min > Max", M::ClampInt64(5, 3, 1), 3},
	});
}

TEST_F(FKismetMathLibraryTest, DivisionByZeroGivesZeroAndWarnsInLogScript)
{
	struct FZeroCase
	{
		const char* Name;
		std::function<double()> Call;
		const TCHAR* Warning;
	};
	double Remainder = -1.0;
	const FZeroCase Cases[] = {
		{"int / 0", [] { return M::Divide_IntInt(7, 0); }, TEXT("Divide by zero: Divide_IntInt")},
		{"int % 0", [] { return M::Percent_IntInt(7, 0); }, TEXT("Modulo by zero: Percent_IntInt")},
		{"int64 / 0", [] { return M::Divide_Int64Int64(7, 0); }, TEXT("Divide by zero: Divide_Int64Int64")},
		{"int64 % 0", [] { return M::Percent_Int64Int64(7, 0); }, TEXT("Modulo by zero: Percent_Int64Int64")},
		{"float / 0", [] { return M::Divide_DoubleDouble(1.5, 0.0); }, TEXT("Divide by zero: Divide_DoubleDouble")},
		{"float / -0", [] { return M::Divide_DoubleDouble(1.5, -0.0); }, TEXT("Divide by zero: Divide_DoubleDouble")},
		{"float % 0", [] { return M::Percent_FloatFloat(5.0, 0.0); }, TEXT("Modulo by zero detected: 5.000000 % 0\n")},
		{"whole and remainder of / 0", [&Remainder] { return double(M::FMod(1.0, 0.0, Remainder)) + Remainder; }, TEXT("Attempted modulo 0 - returning 0.")},
		{"safe divide", [] { return M::SafeDivide(1.0, 0.0); }, nullptr},
	};
	for (const FZeroCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		FLogCapture Log;
		EXPECT_EQ(Case.Call(), 0.0);
		const TArray<FString> Expected = Case.Warning ? TArray<FString>{FString(TEXT("LogScript: Warning: Script Msg: ")) + Case.Warning} : TArray<FString>();
		EXPECT_EQ(Log.Lines, Expected);
	}
}

TEST_F(FKismetMathLibraryTest, FloatsRoundHalfUpAndCompareInFMathsOrder)
{
	const double NaN = std::numeric_limits<double>::quiet_NaN();
	ExpectCases({
		{"round 2.5", M::Round(2.5), 3},
		{"round -2.5 goes up", M::Round(-2.5), -2},
		{"round -1.5 goes up", M::Round(-1.5), -1},
		{"floor -1.5", M::FFloor(-1.5), -2},
		{"ceil -1.5", M::FCeil(-1.5), -1},
		{"truncate -1.6", M::FTrunc(-1.6), -1},
		{"round to int64 -2.5", M::Round64(-2.5), -2},
		{"floor to int64 -0.5", M::FFloor64(-0.5), -1},
		{"ceil to int64 0.2", M::FCeil64(0.2), 1},
		{"min of NaN and 1", M::FMin(NaN, 1.0) == 1.0, true},
		{"min of 1 and NaN", std::isnan(M::FMin(1.0, NaN)), true},
		{"max of NaN and 1", M::FMax(NaN, 1.0) == 1.0, true},
		{"max of 1 and NaN", std::isnan(M::FMax(1.0, NaN)), true},
		{"float clamp gives Min when Min > Max", M::FClamp(5.0, 3.0, 1.0) == 3.0, true},
		{"nearly equal at the tolerance", M::NearlyEqual_FloatFloat(0.5, 0.75, 0.25), true},
		{"nearly equal past the tolerance", M::NearlyEqual_FloatFloat(0.5, 0.75, 0.125), false},
		{"equal NaNs are not equal", M::EqualEqual_DoubleDouble(NaN, NaN), false},
	});
	double Remainder = 0.0;
	EXPECT_EQ(M::FMod(-7.5, 2.0, Remainder), -3);
	EXPECT_EQ(Remainder, -1.5);
	EXPECT_EQ(M::Percent_FloatFloat(-7.5, 2.0), -1.5);
	EXPECT_EQ(M::Percent_FloatFloat(7.5, -2.0), 1.5);
}

// The engine casts an out-of-range double with a plain C++ cast; its x86-64 builds give the lowest
// integer (cvttsd2si), which the floor then steps below with a wrap.
TEST_F(FKismetMathLibraryTest, OutOfRangeFloatsBecomeTheLowestIntegerAsOnX86)
{
	const double NaN = std::numeric_limits<double>::quiet_NaN();
	ExpectCases({
		{"truncate 3e9", M::FTrunc(3e9), MinInt},
		{"truncate NaN", M::FTrunc(NaN), MinInt},
		{"round 3e9", M::Round(3e9), MinInt},
		{"floor -3e9 wraps", M::FFloor(-3e9), MaxInt},
		{"ceil 3e9 wraps", M::FCeil(3e9), MinInt + 1},
		{"to int64 1e19", M::Conv_DoubleToInt64(1e19), MinInt64},
		{"to int64 -2.7", M::Conv_DoubleToInt64(-2.7), -2},
	});
}

TEST_F(FKismetMathLibraryTest, ConversionsKeepTheLowBits)
{
	ExpectCases({
		{"int 257 to byte", M::Conv_IntToByte(257), 1},
		{"int -1 to byte", M::Conv_IntToByte(-1), 255},
		{"int64 to int keeps the low 32 bits", M::Conv_Int64ToInt((int64(1) << 32) + 5), 5},
		{"int64 -2 to byte", M::Conv_Int64ToByte(-2), 254},
		{"any non-zero int is true", M::Conv_IntToBool(-3), true},
		{"bool to int", M::Conv_BoolToInt(true), 1},
		{"bool to byte", M::Conv_BoolToByte(true), 1},
		{"byte to int64", M::Conv_ByteToInt64(200), 200},
		{"int to int64", M::Conv_IntToInt64(MinInt), MinInt},
		{"int to float", M::Conv_IntToDouble(-3) == -3.0, true},
		{"int64 to float", M::Conv_Int64ToDouble(MaxInt64) == 9223372036854775808.0, true},
	});
}

TEST_F(FKismetMathLibraryTest, DeclarationsCarryTheMetadataTheEditorReads)
{
	const UClass* const Library = FindObject<UClass>(nullptr, TEXT("/Script/Engine.KismetMathLibrary"));
	ASSERT_EQ(Library, UKismetMathLibrary::StaticClass()) << "pasted texts name the class by this path";
	struct FMetadataCase
	{
		const TCHAR* Function;
		const TCHAR* Key;
		const TCHAR* Value;
	};
	const FMetadataCase Cases[] = {
		{TEXT("Add_IntInt"), TEXT("DisplayName"), TEXT("int + int")},
		{TEXT("Add_IntInt"), TEXT("CompactNodeTitle"), TEXT("+")},
		{TEXT("Add_IntInt"), TEXT("Keywords"), TEXT("+ add plus")},
		{TEXT("Add_IntInt"), TEXT("CommutativeAssociativeBinaryOperator"), TEXT("true")},
		{TEXT("Add_IntInt"), TEXT("Category"), TEXT("Math|Integer")},
		{TEXT("Add_IntInt"), TEXT("CPP_Default_B"), TEXT("1")},
		{TEXT("Divide_DoubleDouble"), TEXT("CPP_Default_B"), TEXT("1.000000")},
		{TEXT("Percent_FloatFloat"), TEXT("CPP_Default_B"), TEXT("1.000000")},
		{TEXT("NearlyEqual_FloatFloat"), TEXT("CPP_Default_ErrorTolerance"), TEXT("0.000001")},
		{TEXT("InRange_IntInt"), TEXT("CPP_Default_InclusiveMin"), TEXT("true")},
		{TEXT("Not_PreBool"), TEXT("Keywords"), TEXT("! not negate")},
		{TEXT("Min"), TEXT("DisplayName"), TEXT("Min (Integer)")},
		{TEXT("FTrunc"), TEXT("BlueprintAutocast"), TEXT("true")},
		{TEXT("Conv_IntToDouble"), TEXT("DisplayName"), TEXT("To Float (Integer)")},
		{TEXT("Conv_IntToDouble"), TEXT("BlueprintAutocast"), TEXT("true")},
		{TEXT("Percent_Int64Int64"), TEXT("DisplayName"), TEXT("% (integer64)")},
	};
	for (const FMetadataCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*FString::Printf(TEXT("%s %s"), Case.Function, Case.Key)));
		const UFunction* const Function = Library->FindFunctionByName(FName(Case.Function));
		ASSERT_NE(Function, nullptr);
		EXPECT_TRUE(Function->HasAllFunctionFlags(FUNC_Static | FUNC_BlueprintPure));
		EXPECT_EQ(Function->GetMetaData(Case.Key), Case.Value);
	}
	EXPECT_FALSE(Library->FindFunctionByName(TEXT("Divide_IntInt"))->HasMetaData(TEXT("CommutativeAssociativeBinaryOperator")));
}
