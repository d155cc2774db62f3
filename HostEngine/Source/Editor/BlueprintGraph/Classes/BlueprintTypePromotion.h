#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphPin.h"

class UFunction;

/**
 * The rules by which the Blueprint editor's operator nodes (K2Node_PromotableOperator) widen pin
 * types: which types promote to which, and the operation a function stands for. The engine also
 * keeps a table of every operator function to pick the best one for a set of pins, used while an
 * author connects pins; the host reads the function from the pasted node, so it has no such table.
 */
class BLUEPRINTGRAPH_API FTypePromotion
{
public:
	/** The results of comparing two types for promotion. */
	enum class ETypeComparisonResult : uint8
	{
		TypeAHigher,
		TypeBHigher,
		TypesEqual,
		InvalidComparison
	};

	/** Whether the function is a comparison operator: its operation is "Greater", "GreaterEqual", "Less", "LessEqual", "NotEqual" or "EqualEqual". */
	static bool IsComparisonFunc(UFunction const* const Func);
	static bool IsComparisonOpName(const FName OpName);
	/**
	 * The part of the function's name before its first "_" when that is an operation (the comparisons,
	 * "Add", "Multiply", "Subtract", "Divide"), else "NO_OP".
	 */
	static FName GetOpNameFromFunction(UFunction const* const Func);

	/**
	 * Which of the two types is higher: integer promotes to real and int64, byte to real, integer and
	 * int64, real to int64; a wildcard to any of those and to bool; any type is higher than none.
	 */
	static ETypeComparisonResult GetHigherType(const FEdGraphPinType& A, const FEdGraphPinType& B);
	/** Whether A promotes to B (two equal types do not); a struct only through a conversion function. */
	static bool IsValidPromotion(const FEdGraphPinType& A, const FEdGraphPinType& B);
	/** The highest type of the pins, starting from no type. */
	static FEdGraphPinType GetPromotedType(const TArray<UEdGraphPin*>& WildcardPins);
};
