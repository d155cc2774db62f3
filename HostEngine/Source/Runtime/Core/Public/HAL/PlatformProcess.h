#pragma once

#include "HAL/Platform.h"

/** Process services of the platform (the engine's FUnixPlatformProcess, by its platform-neutral alias). */
struct CORE_API FPlatformProcess
{
	/** Folder of the running executable, ending in '/'. Relative paths resolve against it. */
	static const TCHAR* BaseDir();

	static void Sleep(float Seconds);

	/** Loads a shared library; null (with the reason logged) when it cannot be loaded. */
	static void* GetDllHandle(const TCHAR* Filename);
	static void FreeDllHandle(void* DllHandle);
	/** The address of an exported symbol of that library (not of any library loaded before it). */
	static void* GetDllExport(void* DllHandle, const TCHAR* ProcName);
};
