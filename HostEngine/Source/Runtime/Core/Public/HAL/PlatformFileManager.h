#pragma once

#include "HAL/Platform.h"
#include "GenericPlatform/GenericPlatformFile.h"

/** Holds the top of the platform-file chain that all file access goes through. */
class CORE_API FPlatformFileManager
{
public:
	static FPlatformFileManager& Get();

	/** The topmost platform file: the physical one unless another was set. */
	IPlatformFile& GetPlatformFile();

	/** Puts a platform file (usually a wrapper around the current one) on top of the chain. */
	void SetPlatformFile(IPlatformFile& NewTopmostPlatformFile);

private:
	FPlatformFileManager() = default;

	IPlatformFile* TopmostPlatformFile = nullptr;
};
