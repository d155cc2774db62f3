#pragma once

// Host engine: no engine twin. Stands in for the Blueprint virtual machine, which the host does not
// have: it runs the pure node networks of a compiled graph (calls of reflected functions through
// ProcessEvent, array and map building, pin defaults for unlinked inputs), so that a test or a
// tool can read the value a pin would carry at run time.

#include "CoreMinimal.h"
#include "UObject/UnrealType.h"

class FKismetCompilerContext;
class UEdGraph;
class UEdGraphNode;
class UEdGraphPin;
class UK2Node_CallArrayFunction;
class UK2Node_CallFunction;
class UK2Node_CastByteToEnum;
class UK2Node_FormatText;
class UK2Node_GetArrayItem;
class UK2Node_HostValueSource;
class UK2Node_MakeArray;
class UK2Node_MakeMap;
class UK2Node_Select;

/** A value a pin carries: storage for one value of the property's C++ type. */
class KISMETCOMPILER_API FHostPinValue
{
public:
	explicit FHostPinValue(const FProperty* InProperty);
	FHostPinValue(const FHostPinValue&) = delete;
	FHostPinValue& operator=(const FHostPinValue&) = delete;
	~FHostPinValue();

	const FProperty* GetProperty() const { return Property; }
	void* GetData() { return Storage.GetData(); }
	const void* GetData() const { return Storage.GetData(); }

	/** The value as T, which must be the C++ type of the property (FString, bool, TArray<FString>...). */
	template <typename T>
	const T& Get() const
	{
		check(sizeof(T) == Property->GetSize());
		return *static_cast<const T*>(GetData());
	}

	/** The value in the object system's text form: strings quoted, arrays as ("a","b"). */
	FString ExportText() const;

private:
	const FProperty* Property;
	TArray<uint8> Storage;
};

/** Evaluates pins of the graphs that a compiler produced. */
class KISMETCOMPILER_API FHostGraphEvaluator
{
public:
	/** The compiler (and its compiled graphs: the event graphs' and each function's) must outlive the evaluator. */
	explicit FHostGraphEvaluator(const FKismetCompilerContext& InCompiler);
	/** Over one compiled graph alone, as a function keeps it; pins of the Blueprint's own graphs are not looked up. */
	explicit FHostGraphEvaluator(const UEdGraph* InCompiledGraph);

	/**
	 * Runs the compiled function graph as a call of Function runs it: the entry node's outputs carry
	 * the parameters that Parms holds, and what the return node's inputs receive is written to the
	 * output parameters in Parms. Only the pure nodes the return node reads run; an entry whose
	 * execution wire leads anywhere but to a return node is refused. An entry whose execution output
	 * is unlinked leaves the outputs as they are.
	 * @return false, with the reason in OutError, when the graph cannot be run
	 */
	bool CallFunction(const UFunction* Function, void* Parms, FString& OutError);

	/**
	 * The value the pin carries at run time: for an output, what its node gives; for an input,
	 * what its link brings, else its default. The pin may be one of the Blueprint's own graph: it
	 * stands for the compiled pin its links were moved to. Each node runs at most once.
	 * @return null, with the reason in OutError, when the pin cannot be evaluated
	 */
	TSharedPtr<const FHostPinValue> EvaluatePin(const UEdGraphPin* Pin, FString& OutError);

	/** True for the nodes the evaluator runs; the compiler expands and removes every other node. */
	static bool CanEvaluateNode(const UEdGraphNode* Node);

private:
	/** An argument a call holds in place of the value a node gave, until it is given back. */
	struct FLentArgument
	{
		TSharedPtr<const FHostPinValue> Value;
		void* Slot;
	};

	const UEdGraphPin* FindCompiledPin(const UEdGraphPin* Pin) const;
	/** What a knot gives whose input nothing feeds. */
	TSharedPtr<const FHostPinValue> EvaluateUnlinkedKnot(const UEdGraphPin* KnotInput, FString& OutError);
	/** Puts a call's argument in its parameter slot: a const reference array is lent (see FLentArgument), the rest copied. */
	bool PassArgument(const UEdGraphPin* InputPin, const FProperty* Property, void* Slot, TArray<FLentArgument>& InOutLent, FString& OutError);
	static void ReturnLentArguments(TArray<FLentArgument>& Lent);
	TSharedPtr<const FHostPinValue> EvaluateOutput(const UEdGraphPin* OutputPin, FString& OutError);
	/** Runs the node after every node its inputs depend on; false with the reason when one fails or they loop. */
	bool RunWithInputs(const UEdGraphNode* Start, FString& OutError);
	bool EvaluateInput(const UEdGraphPin* InputPin, const FProperty* Property, void* Dest, FString& OutError);
	bool RunNode(const UEdGraphNode* Node, FString& OutError);
	bool RunCallFunction(const UK2Node_CallFunction* Node, FString& OutError);
	bool RunCallArrayFunction(const UK2Node_CallArrayFunction* Node, FString& OutError);
	bool RunGetArrayItem(const UK2Node_GetArrayItem* Node, FString& OutError);
	/** The unchecked cast: its input's byte, under the enum's type. */
	bool RunCastByteToEnum(const UK2Node_CastByteToEnum* Node, FString& OutError);
	/**
	 * The option whose literal (its position, false and true for a bool, its entry for an enum)
	 * equals the index; with none, the option type's empty value, and a warning.
	 */
	bool RunSelect(const UK2Node_Select* Node, FString& OutError);
	/** The "Format" text with the arguments in; see UK2Node_FormatText. */
	bool RunFormatText(const UK2Node_FormatText* Node, FString& OutError);
	bool RunMakeArray(const UK2Node_MakeArray* Node, FString& OutError);
	bool RunMakeMap(const UK2Node_MakeMap* Node, FString& OutError);
	bool RunValueSource(const UK2Node_HostValueSource* Node, FString& OutError);

	/** The graphs whose nodes the evaluator runs. */
	TArray<const UEdGraph*> CompiledGraphs;
	/** Pins of the Blueprint's graph, to the compiled pins that took over from them. */
	TMap<const UEdGraphPin*, const UEdGraphPin*> CompiledPins;
	/** What the outputs of nodes already run gave; pure nodes give the same again. */
	TMap<const UEdGraphPin*, TSharedPtr<const FHostPinValue>> OutputValues;
	/** Nodes whose inputs are being run (false), to refuse a loop; and nodes done (true). */
	TMap<const UEdGraphNode*, bool> NodeStates;
};
