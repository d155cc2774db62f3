#include "Modules/ModuleManager.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	/** Registers the reflected types of every module library the module manager loads, before its start-up. */
	struct FRegisterWithModuleManager
	{
		FRegisterWithModuleManager()
		{
			FModuleManager::Get().OnProcessLoadedObjectsCallback().AddStatic(&ProcessNewlyLoadedUObjects);
		}
	} GRegisterWithModuleManager;
}
