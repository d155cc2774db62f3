#include "HAL/PlatformFileManager.h"

FPlatformFileManager& FPlatformFileManager::Get()
{
	static FPlatformFileManager Singleton;
	return Singleton;
}

IPlatformFile& FPlatformFileManager::GetPlatformFile()
{
	return TopmostPlatformFile ? *TopmostPlatformFile : IPlatformFile::GetPlatformPhysical();
}

void FPlatformFileManager::SetPlatformFile(IPlatformFile& NewTopmostPlatformFile)
{
	TopmostPlatformFile = &NewTopmostPlatformFile;
}
