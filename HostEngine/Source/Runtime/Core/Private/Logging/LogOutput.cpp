#include "CoreGlobals.h"
#include "Misc/OutputDeviceConsole.h"
#include "Misc/OutputDeviceRedirector.h"
#include "Containers/StringConv.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <thread>

DEFINE_LOG_CATEGORY(LogTemp);
DEFINE_LOG_CATEGORY(LogCore);
DEFINE_LOG_CATEGORY(LogScript);
DEFINE_LOG_CATEGORY(LogInit);

namespace
{
	uint32 CurrentThreadId()
	{
		return (uint32)std::hash<std::thread::id>()(std::this_thread::get_id());
	}

	/** Writes every line to standard error, as "Category: Verbosity: text", so standard output stays free for tools. */
	class FOutputDeviceStdErr final : public FOutputDeviceConsole
	{
	public:
		virtual void Show(bool ShowWindow) override {}
		virtual bool IsShown() override { return true; }

		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
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
			Line += V;
			Line += TEXT("\n");
			fputs(TCHAR_TO_UTF8(*Line), stderr);
		}

		virtual bool CanBeUsedOnMultipleThreads() const override { return true; }
	};
}

uint32 GGameThreadId = CurrentThreadId();
bool GIsEditor = true;
bool GIsTransacting = false;
bool GIsRunning = false;
FOutputDeviceConsole* GLogConsole = nullptr;
bool GIsAutomationTesting = false;

bool IsInGameThread()
{
	return CurrentThreadId() == GGameThreadId;
}

const TCHAR* ToString(ELogVerbosity::Type Verbosity)
{
	switch (Verbosity & ELogVerbosity::VerbosityMask)
	{
	case ELogVerbosity::NoLogging:
		return TEXT("NoLogging");
	case ELogVerbosity::Fatal:
		return TEXT("Fatal");
	case ELogVerbosity::Error:
		return TEXT("Error");
	case ELogVerbosity::Warning:
		return TEXT("Warning");
	case ELogVerbosity::Display:
		return TEXT("Display");
	case ELogVerbosity::Log:
		return TEXT("Log");
	case ELogVerbosity::Verbose:
		return TEXT("Verbose");
	case ELogVerbosity::VeryVerbose:
		return TEXT("VeryVerbose");
	}
	return TEXT("UknownVerbosity");
}

void FOutputDevice::Logf(const TCHAR* Fmt, ...)
{
	va_list Args;
	va_start(Args, Fmt);
	const FString Text = FormatVarArgs(Fmt, Args);
	va_end(Args);
	Serialize(*Text, ELogVerbosity::Log, NAME_None);
}

FOutputDeviceRedirector* FOutputDeviceRedirector::Get()
{
	static FOutputDeviceRedirector* Singleton = []()
	{
		static FOutputDeviceRedirector Redirector;
		static FOutputDeviceStdErr StdErr;
		Redirector.AddOutputDevice(&StdErr);
		GLogConsole = &StdErr;
		return &Redirector;
	}();
	return Singleton;
}

void FOutputDeviceRedirector::AddOutputDevice(FOutputDevice* OutputDevice)
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	if (OutputDevice && std::find(OutputDevices.begin(), OutputDevices.end(), OutputDevice) == OutputDevices.end())
	{
		OutputDevices.push_back(OutputDevice);
	}
}

void FOutputDeviceRedirector::RemoveOutputDevice(FOutputDevice* OutputDevice)
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	OutputDevices.erase(std::remove(OutputDevices.begin(), OutputDevices.end(), OutputDevice), OutputDevices.end());
}

bool FOutputDeviceRedirector::IsRedirectingTo(FOutputDevice* OutputDevice)
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	return std::find(OutputDevices.begin(), OutputDevices.end(), OutputDevice) != OutputDevices.end();
}

void FOutputDeviceRedirector::Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category)
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	const std::vector<FOutputDevice*> Devices = OutputDevices;
	for (FOutputDevice* Device : Devices)
	{
		Device->Serialize(V, Verbosity, Category);
	}
}

void FOutputDeviceRedirector::Flush()
{
	std::lock_guard<std::recursive_mutex> Lock(Mutex);
	for (FOutputDevice* Device : OutputDevices)
	{
		Device->Flush();
	}
}

FLogCategoryBase::FLogCategoryBase(const TCHAR* InCategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity)
	: Verbosity(InDefaultVerbosity)
	, CategoryName(InCategoryName)
{
}

void FLogCategoryBase::SetVerbosity(ELogVerbosity::Type InVerbosity)
{
	Verbosity = ELogVerbosity::Type(InVerbosity & ELogVerbosity::VerbosityMask);
}

void FMsg::Logf(const ANSICHAR* File, int32 Line, const FName& Category, ELogVerbosity::Type Verbosity, const TCHAR* Fmt, ...)
{
	va_list Args;
	va_start(Args, Fmt);
	const FString Text = FormatVarArgs(Fmt, Args);
	va_end(Args);
	GLog->Serialize(*Text, Verbosity, Category);
	if ((Verbosity & ELogVerbosity::VerbosityMask) == ELogVerbosity::Fatal)
	{
		GLog->Flush();
		fprintf(stderr, "Fatal error at %s:%d\n", File, Line);
		abort();
	}
}
