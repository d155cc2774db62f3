#pragma once

#include "Containers/UnrealString.h"
#include "Misc/OutputDevice.h"

/** An output device that appends everything to itself, as text. */
class FStringOutputDevice : public FString, public FOutputDevice
{
public:
	FStringOutputDevice() = default;
	explicit FStringOutputDevice(const TCHAR* OutputDeviceName) {}

	virtual void Serialize(const TCHAR* InData, ELogVerbosity::Type Verbosity, const FName& Category) override
	{
		FString::operator+=(InData);
	}

	using FOutputDevice::Logf;
};
