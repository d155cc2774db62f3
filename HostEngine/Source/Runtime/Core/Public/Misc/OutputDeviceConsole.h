#pragma once

#include "Misc/OutputDevice.h"

/** The console the log is shown on; the host's writes every line to standard error and is always shown. */
class CORE_API FOutputDeviceConsole : public FOutputDevice
{
public:
	virtual void Show(bool ShowWindow) = 0;
	virtual bool IsShown() = 0;
	virtual bool IsAttached() { return false; }
};
