#include "Modules/ModuleManager.h"
#include "HAL/PlatformFileManager.h"
#include "HAL/PlatformProcess.h"
#include "Misc/Paths.h"

#include <memory>

DEFINE_LOG_CATEGORY(LogModuleManager);

/** A module's library and, while the module is loaded, its object. */
class FModuleManager::FModuleInfo
{
public:
	void* Handle = nullptr;
	std::unique_ptr<IModuleInterface> Module;
};

FModuleManager& FModuleManager::Get()
{
	// Never destroyed: module objects belong to libraries whose teardown order at exit is unknown.
	static FModuleManager* const Singleton = new FModuleManager();
	return *Singleton;
}

IModuleInterface* FModuleManager::LoadModule(const FName InModuleName)
{
	if (IModuleInterface* const LoadedModule = GetModule(InModuleName))
	{
		return LoadedModule;
	}

	TSharedRef<FModuleInfo>* const FoundInfo = Modules.Find(InModuleName);
	// Held by value: starting the module may load others and so move the map's storage.
	const TSharedRef<FModuleInfo> ModuleInfo = FoundInfo ? *FoundInfo : Modules.Add(InModuleName, MakeShared<FModuleInfo>());
	if (ModuleInfo->Handle == nullptr)
	{
		const FString Filename = FindModuleLibrary(InModuleName);
		if (Filename.IsEmpty())
		{
			UE_LOG(LogModuleManager, Warning, TEXT("ModuleManager: Unable to load module '%s' because the file 'libUnrealEditor-%s.so' was not found in the binaries directories."), *InModuleName.ToString(), *InModuleName.ToString());
			return nullptr;
		}
		ModuleInfo->Handle = FPlatformProcess::GetDllHandle(*Filename);
		if (ModuleInfo->Handle == nullptr)
		{
			UE_LOG(LogModuleManager, Warning, TEXT("ModuleManager: Unable to load module '%s' because the file '%s' could not be loaded."), *InModuleName.ToString(), *Filename);
			return nullptr;
		}
		// Lets the object system register the classes the library brought in before its module starts.
		ProcessLoadedObjectsCallback.Broadcast(InModuleName, true);
	}

	typedef IModuleInterface* (*FInitializeModuleFunctionPtr)();
	const FInitializeModuleFunctionPtr InitializeModule = (FInitializeModuleFunctionPtr)FPlatformProcess::GetDllExport(ModuleInfo->Handle, TEXT("InitializeModule"));
	if (InitializeModule == nullptr)
	{
		UE_LOG(LogModuleManager, Warning, TEXT("ModuleManager: Unable to load module '%s' because InitializeModule function was not found."), *InModuleName.ToString());
		return nullptr;
	}

	ModuleInfo->Module.reset(InitializeModule());
	if (!ModuleInfo->Module)
	{
		UE_LOG(LogModuleManager, Warning, TEXT("ModuleManager: Unable to load module '%s' because InitializeModule function failed (returned nullptr.)"), *InModuleName.ToString());
		return nullptr;
	}
	// Set before start-up, so that a module loading itself from StartupModule gets this object.
	IModuleInterface* const Module = ModuleInfo->Module.get();
	Module->StartupModule();
	return Module;
}

IModuleInterface& FModuleManager::LoadModuleChecked(const FName InModuleName)
{
	IModuleInterface* const Module = LoadModule(InModuleName);
	if (Module == nullptr)
	{
		UE_LOG(LogModuleManager, Fatal, TEXT("ModuleManager: Unable to load module '%s'."), *InModuleName.ToString());
	}
	return *Module;
}

IModuleInterface* FModuleManager::GetModule(const FName InModuleName)
{
	const TSharedRef<FModuleInfo>* const ModuleInfo = Modules.Find(InModuleName);
	return ModuleInfo ? (*ModuleInfo)->Module.get() : nullptr;
}

bool FModuleManager::IsModuleLoaded(const FName InModuleName) const
{
	const TSharedRef<FModuleInfo>* const ModuleInfo = Modules.Find(InModuleName);
	return ModuleInfo && (*ModuleInfo)->Module != nullptr;
}

bool FModuleManager::UnloadModule(const FName InModuleName, bool bIsShutdown, bool bAllowUnloadCode)
{
	TSharedRef<FModuleInfo>* const FoundInfo = Modules.Find(InModuleName);
	if (FoundInfo == nullptr || (*FoundInfo)->Module == nullptr)
	{
		return false;
	}
	const TSharedRef<FModuleInfo> ModuleInfo = *FoundInfo;
	ModuleInfo->Module->ShutdownModule();
	ModuleInfo->Module.reset();
	// At shutdown the library stays, as code still to run may point into it.
	if (!bIsShutdown && bAllowUnloadCode)
	{
		FPlatformProcess::FreeDllHandle(ModuleInfo->Handle);
		ModuleInfo->Handle = nullptr;
	}
	return true;
}

void FModuleManager::AddBinariesDirectory(const TCHAR* InDirectory, bool bIsGameDirectory)
{
	const FString Directory = FPaths::ConvertRelativePathToFull(FString(InDirectory));
	(bIsGameDirectory ? GameBinariesDirectories : EngineBinariesDirectories).AddUnique(Directory);
}

FString FModuleManager::FindModuleLibrary(const FName InModuleName) const
{
	const FString LibraryName = FString::Printf(TEXT("libUnrealEditor-%s.so"), *InModuleName.ToString());
	TArray<FString> Directories;
	Directories.Add(FPlatformProcess::BaseDir());
	Directories.Append(EngineBinariesDirectories);
	Directories.Append(GameBinariesDirectories);
	IPlatformFile& PlatformFile = FPlatformFileManager::Get().GetPlatformFile();
	for (const FString& Directory : Directories)
	{
		const FString Candidate = FPaths::Combine(Directory, LibraryName);
		if (PlatformFile.FileExists(*Candidate))
		{
			return Candidate;
		}
	}
	return FString();
}
