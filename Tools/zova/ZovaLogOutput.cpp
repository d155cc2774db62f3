#include "ZovaLogOutput.h"

#include "CoreGlobals.h"
#include "Misc/OutputDeviceConsole.h"
#include "ZovaOutput.h"

FZovaLogOutput::FZovaLogOutput()
{
	FOutputDeviceRedirector* const Log = GLog;
	if (GLogConsole && Log->IsRedirectingTo(GLogConsole))
	{
		Console = GLogConsole;
		Log->RemoveOutputDevice(Console);
	}
	Log->AddOutputDevice(this);
}

FZovaLogOutput::~FZovaLogOutput()
{
	GLog->RemoveOutputDevice(this);
	if (Console)
	{
		GLog->AddOutputDevice(Console);
	}
}

void FZovaLogOutput::Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category)
{
	FString Line;
	if (!Category.IsNone())
	{
		Line = Category.ToString() + TEXT(": ");
	}
	const ELogVerbosity::Type Level = ELogVerbosity::Type(Verbosity & ELogVerbosity::VerbosityMask);
	if (Level != ELogVerbosity::Log && Level != ELogVerbosity::Display)
	{
		Line += FString(ToString(Level)) + TEXT(": ");
	}
	ZovaOutput::PrintToStdErr(Line + V);
}
