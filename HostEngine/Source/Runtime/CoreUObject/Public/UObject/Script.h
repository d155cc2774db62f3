#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UObject;
class UFunction;

class FProperty;

/** One argument of a call, where the caller keeps it: the value and the property that describes it. */
struct FFrameArgument
{
	FProperty* Property = nullptr;
	void* Address = nullptr;
};

/**
 * The call frame of a reflected function: its parameter buffer. A native function written by hand
 * (CustomThunk) reads its arguments one by one with StepCompiledIn, as it reads the virtual machine's
 * code in the engine: each step gives the argument's property and address, so a wildcard parameter
 * sees the property of the value actually passed. Without Arguments, the steps walk the function's own
 * parameters in Locals.
 */
struct COREUOBJECT_API FFrame
{
	UFunction* Node = nullptr;
	UObject* Object = nullptr;
	uint8* Locals = nullptr;
	FFrame* PreviousFrame = nullptr;

	FProperty* MostRecentProperty = nullptr;
	uint8* MostRecentPropertyAddress = nullptr;
	uint8* MostRecentPropertyContainer = nullptr;
	/** Set by a native function that was not given the array its parameter needs. */
	bool bArrayContextFailed = false;
	/** The arguments in parameter order (return value excluded), when the caller passes them by address. */
	TArray<FFrameArgument> Arguments;

	FFrame(UObject* InObject, UFunction* InNode, void* InLocals, FFrame* InPreviousFrame = nullptr)
		: Node(InNode)
		, Object(InObject)
		, Locals((uint8*)InLocals)
		, PreviousFrame(InPreviousFrame)
	{
	}

	/**
	 * Reports a problem of a running Blueprint (a division by zero...): "Script Msg: <Message>" in
	 * LogScript at the verbosity given; a fatal one ends the process. No script stack is kept on the
	 * host, so no second line follows, and no warning id is ever suppressed.
	 */
	static COREUOBJECT_API void KismetExecutionMessage(const TCHAR* Message, ELogVerbosity::Type Verbosity, FName WarningId = FName());

	/**
	 * Moves to the next argument: sets MostRecentProperty and MostRecentPropertyAddress to it and, when
	 * Result is given and is not the argument itself, copies its value there.
	 */
	template <class TProperty>
	void StepCompiledIn(void* Result)
	{
		StepArgument(Result);
	}

private:
	void StepArgument(void* Result);
	int32 NextArgument = 0;
};

typedef void (*FNativeFuncPtr)(UObject* Context, FFrame& TheStack, RESULT_DECL);

struct FNameNativePtrPair
{
	const char* NameUTF8;
	FNativeFuncPtr Pointer;
};

namespace EIncludeSuperFlag
{
	enum Type
	{
		ExcludeSuper,
		IncludeSuper
	};
}

/** Registers the native thunks of a class's reflected functions. */
struct COREUOBJECT_API FNativeFunctionRegistrar
{
	static void RegisterFunctions(class UClass* Class, const FNameNativePtrPair* InArray, int32 NumFunctions);
};
