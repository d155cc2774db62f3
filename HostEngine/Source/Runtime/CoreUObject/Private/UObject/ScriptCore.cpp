#include "UObject/Script.h"

#include "CoreGlobals.h"
#include "Logging/LogMacros.h"

DEFINE_LOG_CATEGORY_STATIC(LogScriptCore, Log, All);

void FFrame::KismetExecutionMessage(const TCHAR* Message, ELogVerbosity::Type Verbosity, FName WarningId)
{
	// The engine first looks the warning id up in the project's Blueprint warning settings; the host
	// has none, so every warning is reported as a warning.
	if (Verbosity == ELogVerbosity::Fatal)
	{
		UE_LOG(LogScriptCore, Fatal, TEXT("Script Msg: %s\n"), Message);
	}
	else if (!LogScriptCore.IsSuppressed(Verbosity))
	{
		// Sent to LogScript whatever that category's own verbosity, as the engine's logging handler does.
		FMsg::Logf(__FILE__, __LINE__, LogScript.GetCategoryName(), Verbosity, TEXT("Script Msg: %s"), Message);
	}
}

#include "UObject/Class.h"
#include "UObject/UnrealType.h"

void FFrame::StepArgument(void* Result)
{
	FProperty* Property = nullptr;
	void* Address = nullptr;
	if (!Arguments.IsEmpty())
	{
		check(Arguments.IsValidIndex(NextArgument));
		Property = Arguments[NextArgument].Property;
		Address = Arguments[NextArgument].Address;
	}
	else
	{
		int32 Index = 0;
		for (TFieldIterator<FProperty> It(Node); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
		{
			if (!It->HasAnyPropertyFlags(CPF_ReturnParm) && Index++ == NextArgument)
			{
				Property = *It;
				Address = It->ContainerPtrToValuePtr(Locals);
				break;
			}
		}
		check(Property);
	}
	++NextArgument;
	MostRecentProperty = Property;
	MostRecentPropertyAddress = static_cast<uint8*>(Address);
	MostRecentPropertyContainer = nullptr;
	if (Result && Result != Address)
	{
		Property->CopyCompleteValue(Result, Address);
	}
}
