#pragma once

#include "HAL/Platform.h"
#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

/** Receiver of log lines. */
class CORE_API FOutputDevice
{
public:
	virtual ~FOutputDevice() = default;

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) = 0;
	virtual void Flush() {}
	virtual bool CanBeUsedOnMultipleThreads() const { return false; }

	void Log(const TCHAR* S) { Serialize(S, ELogVerbosity::Log, NAME_None); }
	void Log(const FString& S) { Log(*S); }
	void Logf(const TCHAR* Fmt, ...);
};
