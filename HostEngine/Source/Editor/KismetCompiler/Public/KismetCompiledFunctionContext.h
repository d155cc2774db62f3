#pragma once

#include "CoreMinimal.h"

class UEdGraph;
class UFunction;
class UK2Node_FunctionEntry;

/**
 * One function a compile makes from a function graph. The engine's context also carries the
 * function's terms, statements and schedule, which the host's graph evaluator does without.
 */
struct FKismetFunctionContext
{
	/** The compiler's copy of the function graph, expanded and pruned. */
	UEdGraph* SourceGraph = nullptr;
	UK2Node_FunctionEntry* EntryPoint = nullptr;
	/** The function of the generated class; null until the compile creates it. */
	UFunction* Function = nullptr;
};
