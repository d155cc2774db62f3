#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UObject;
class UFunction;

/** The call frame of a reflected function: its parameter buffer. */
struct FFrame
{
	UFunction* Node = nullptr;
	UObject* Object = nullptr;
	uint8* Locals = nullptr;
	FFrame* PreviousFrame = nullptr;

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
