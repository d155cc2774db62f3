#pragma once

#include "HAL/Platform.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Containers/UnrealString.h"
#include "Delegates/Delegate.h"
#include "Logging/LogMacros.h"
#include "Modules/Boilerplate/ModuleBoilerplate.h"
#include "Modules/ModuleInterface.h"
#include "Templates/SharedPointer.h"
#include "UObject/NameTypes.h"

CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogModuleManager, Log, All);

/** A module with nothing to do at start-up or shutdown. */
class FDefaultModuleImpl : public IModuleInterface
{
};

/**
 * Exports the function through which the module manager creates the module object, and carries the
 * module's boilerplate. Every module library exports the same name; the manager looks it up in the
 * library it has just loaded.
 */
#define IMPLEMENT_MODULE(ModuleImplClass, ModuleName) \
	extern "C" DLLEXPORT IModuleInterface* InitializeModule() \
	{ \
		return new ModuleImplClass(); \
	} \
	PER_MODULE_BOILERPLATE

/**
 * Loads modules by name from the libraries "libUnrealEditor-<ModuleName>.so" in the binaries
 * folder and in the folders added with AddBinariesDirectory, and keeps them until unloaded.
 */
class CORE_API FModuleManager
{
public:
	static FModuleManager& Get();

	/**
	 * Loads the module's library if needed, creates the module and starts it up.
	 * @return the module, or null (with the reason logged) when it cannot be loaded.
	 */
	IModuleInterface* LoadModule(const FName InModuleName);

	/** As LoadModule; failing to load is fatal. */
	IModuleInterface& LoadModuleChecked(const FName InModuleName);

	template <typename TModuleInterface>
	static TModuleInterface& LoadModuleChecked(const FName InModuleName)
	{
		IModuleInterface& ModuleInterface = FModuleManager::Get().LoadModuleChecked(InModuleName);
		return static_cast<TModuleInterface&>(ModuleInterface);
	}

	/** The module if it is loaded, otherwise null. */
	IModuleInterface* GetModule(const FName InModuleName);

	bool IsModuleLoaded(const FName InModuleName) const;

	/**
	 * Shuts the module down and destroys it. The library is released too unless bIsShutdown or
	 * not bAllowUnloadCode.
	 * @return false when the module was not loaded.
	 */
	bool UnloadModule(const FName InModuleName, bool bIsShutdown = false, bool bAllowUnloadCode = true);

	/** Adds a folder to search for module libraries, after the binaries folder. */
	void AddBinariesDirectory(const TCHAR* InDirectory, bool bIsGameDirectory);

	/** Fired with the module's name after its library is loaded and before the module starts up. */
	DECLARE_MULTICAST_DELEGATE_TwoParams(ProcessLoadedObjectsEvent, FName, bool);
	ProcessLoadedObjectsEvent& OnProcessLoadedObjectsCallback() { return ProcessLoadedObjectsCallback; }

private:
	class FModuleInfo;

	FModuleManager() = default;

	FString FindModuleLibrary(const FName InModuleName) const;

	TMap<FName, TSharedRef<FModuleInfo>> Modules;
	TArray<FString> EngineBinariesDirectories;
	TArray<FString> GameBinariesDirectories;
	ProcessLoadedObjectsEvent ProcessLoadedObjectsCallback;
};
