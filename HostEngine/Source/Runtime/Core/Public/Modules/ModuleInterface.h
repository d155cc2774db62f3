#pragma once

#include "HAL/Platform.h"

/** The interface every module implements; the module manager creates and drives it. */
class IModuleInterface
{
public:
	virtual ~IModuleInterface() = default;

	/** Called after the module's library has been loaded and the module object created. */
	virtual void StartupModule()
	{
	}

	virtual void PreUnloadCallback()
	{
	}

	virtual void PostLoadCallback()
	{
	}

	/** Called before the module is unloaded, and at shutdown. */
	virtual void ShutdownModule()
	{
	}

	virtual bool SupportsDynamicReloading()
	{
		return true;
	}

	virtual bool SupportsAutomaticShutdown()
	{
		return true;
	}

	virtual bool IsGameModule() const
	{
		return false;
	}
};
