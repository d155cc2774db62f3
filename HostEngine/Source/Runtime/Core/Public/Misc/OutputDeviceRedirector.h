#pragma once

#include "Misc/OutputDevice.h"

#include <mutex>
#include <vector>

/** Hands every log line to the registered output devices; the host's GLog. */
class CORE_API FOutputDeviceRedirector final : public FOutputDevice
{
public:
	static FOutputDeviceRedirector* Get();

	void AddOutputDevice(FOutputDevice* OutputDevice);
	void RemoveOutputDevice(FOutputDevice* OutputDevice);
	bool IsRedirectingTo(FOutputDevice* OutputDevice);

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override;
	virtual void Flush() override;
	virtual bool CanBeUsedOnMultipleThreads() const override { return true; }

private:
	std::recursive_mutex Mutex;
	std::vector<FOutputDevice*> OutputDevices;
};

#define GLog FOutputDeviceRedirector::Get()
