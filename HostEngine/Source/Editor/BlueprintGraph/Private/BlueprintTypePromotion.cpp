#include "BlueprintTypePromotion.h"

#include "EdGraphSchema_K2.h"
#include "UObject/Class.h"

namespace
{
	const FName NoOpName(TEXT("NO_OP"));

	const TArray<FName>& GetComparisonOpNames()
	{
		static const TArray<FName> Names = {TEXT("Greater"), TEXT("GreaterEqual"), TEXT("Less"), TEXT("LessEqual"), TEXT("NotEqual"), TEXT("EqualEqual")};
		return Names;
	}

	bool IsOpName(FName Name)
	{
		static const TArray<FName> ArithmeticNames = {TEXT("Add"), TEXT("Multiply"), TEXT("Subtract"), TEXT("Divide")};
		return ArithmeticNames.Contains(Name) || GetComparisonOpNames().Contains(Name);
	}

	/** The promotions of primitive types: integer to real and int64, byte to real, integer and int64, real to int64, a wildcard to those and bool. */
	bool PromotesTo(FName From, FName To)
	{
		if (From == UEdGraphSchema_K2::PC_Int)
		{
			return To == UEdGraphSchema_K2::PC_Real || To == UEdGraphSchema_K2::PC_Int64;
		}
		if (From == UEdGraphSchema_K2::PC_Byte)
		{
			return To == UEdGraphSchema_K2::PC_Real || To == UEdGraphSchema_K2::PC_Int || To == UEdGraphSchema_K2::PC_Int64;
		}
		if (From == UEdGraphSchema_K2::PC_Real)
		{
			return To == UEdGraphSchema_K2::PC_Int64;
		}
		if (From == UEdGraphSchema_K2::PC_Wildcard)
		{
			return To == UEdGraphSchema_K2::PC_Int || To == UEdGraphSchema_K2::PC_Int64 || To == UEdGraphSchema_K2::PC_Real || To == UEdGraphSchema_K2::PC_Byte || To == UEdGraphSchema_K2::PC_Boolean;
		}
		return false;
	}
}

bool FTypePromotion::IsComparisonFunc(UFunction const* const Func)
{
	return Func && GetComparisonOpNames().Contains(GetOpNameFromFunction(Func));
}

bool FTypePromotion::IsComparisonOpName(const FName OpName)
{
	return GetComparisonOpNames().Contains(OpName);
}

FName FTypePromotion::GetOpNameFromFunction(UFunction const* const Func)
{
	if (!Func)
	{
		return NoOpName;
	}
	const FString FunctionName = Func->GetName();
	int32 Underscore = INDEX_NONE;
	const FName Chopped(FunctionName.FindChar(TEXT('_'), Underscore) ? FunctionName.Left(Underscore) : FunctionName);
	return IsOpName(Chopped) ? Chopped : NoOpName;
}

FTypePromotion::ETypeComparisonResult FTypePromotion::GetHigherType(const FEdGraphPinType& A, const FEdGraphPinType& B)
{
	if (A == B)
	{
		return ETypeComparisonResult::TypesEqual;
	}
	if (PromotesTo(A.PinCategory, B.PinCategory))
	{
		return ETypeComparisonResult::TypeBHigher;
	}
	if (PromotesTo(B.PinCategory, A.PinCategory))
	{
		return ETypeComparisonResult::TypeAHigher;
	}
	if (A.PinCategory.IsNone() != B.PinCategory.IsNone())
	{
		return A.PinCategory.IsNone() ? ETypeComparisonResult::TypeBHigher : ETypeComparisonResult::TypeAHigher;
	}
	const bool bIsStructA = A.PinCategory == UEdGraphSchema_K2::PC_Struct;
	const bool bIsStructB = B.PinCategory == UEdGraphSchema_K2::PC_Struct;
	if (bIsStructA != bIsStructB)
	{
		return bIsStructA ? ETypeComparisonResult::TypeAHigher : ETypeComparisonResult::TypeBHigher;
	}
	return ETypeComparisonResult::InvalidComparison;
}

bool FTypePromotion::IsValidPromotion(const FEdGraphPinType& A, const FEdGraphPinType& B)
{
	if (A.PinCategory == UEdGraphSchema_K2::PC_Struct || B.PinCategory == UEdGraphSchema_K2::PC_Struct)
	{
		return GetDefault<UEdGraphSchema_K2>()->SearchForAutocastFunction(A, B).IsSet();
	}
	return GetHigherType(A, B) == ETypeComparisonResult::TypeBHigher;
}

FEdGraphPinType FTypePromotion::GetPromotedType(const TArray<UEdGraphPin*>& WildcardPins)
{
	FEdGraphPinType Highest;
	for (const UEdGraphPin* Pin : WildcardPins)
	{
		if (Pin && GetHigherType(Highest, Pin->PinType) == ETypeComparisonResult::TypeBHigher)
		{
			Highest = Pin->PinType;
		}
	}
	return Highest;
}
