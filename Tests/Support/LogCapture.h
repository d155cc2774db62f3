#pragma once

#include "CoreMinimal.h"
#include "Misc/OutputDeviceRedirector.h"

/** Records every log line while it lives, as "Category: Verbosity: Text", for tests to read. */
class FLogCapture final : public FOutputDevice
{
public:
	FLogCapture() { GLog->AddOutputDevice(this); }
	~FLogCapture() { GLog->RemoveOutputDevice(this); }

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
	{
		Lines.Add(FString::Printf(TEXT("%s: %s: %s"), *Category.ToString(), ToString(ELogVerbosity::Type(Verbosity & ELogVerbosity::VerbosityMask)), V));
	}

	virtual bool CanBeUsedOnMultipleThreads() const override { return true; }

	TArray<FString> Lines;
};
