#pragma once

#include "CoreMinimal.h"
#include "Misc/OutputDevice.h"

/**
 * Engine log lines as zova prints them: in place of the engine's console, on standard error, one line
 * each with control characters escaped, since a line may carry a URL or text the user gave.
 */
class FZovaLogOutput final : public FOutputDevice
{
public:
	/** Takes the console's place in GLog for as long as this lives. */
	FZovaLogOutput();
	virtual ~FZovaLogOutput() override;

	FZovaLogOutput(const FZovaLogOutput&) = delete;
	FZovaLogOutput& operator=(const FZovaLogOutput&) = delete;

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override;
	virtual bool CanBeUsedOnMultipleThreads() const override { return true; }

private:
	/** The console removed from GLog, given back at the end; null when GLog had none. */
	FOutputDevice* Console = nullptr;
};
