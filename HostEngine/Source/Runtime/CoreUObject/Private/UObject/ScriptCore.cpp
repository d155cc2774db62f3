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
