#include "HAL/PlatformProcess.h"
#include "CoreGlobals.h"
#include "Containers/StringConv.h"
#include "Containers/UnrealString.h"

#include <cerrno>
#include <dlfcn.h>
#include <link.h>
#include <limits.h>
#include <time.h>
#include <unistd.h>

namespace
{
	FString FindBaseDir()
	{
		char Buffer[PATH_MAX + 1];
		const ssize_t Length = readlink("/proc/self/exe", Buffer, PATH_MAX);
		check(Length > 0);
		Buffer[Length] = 0;
		FString Path = UTF8_TO_TCHAR(Buffer);
		int32 SlashIndex = INDEX_NONE;
		Path.FindLastChar('/', SlashIndex);
		return Path.Left(SlashIndex + 1);
	}
}

const TCHAR* FPlatformProcess::BaseDir()
{
	static const FString Dir = FindBaseDir();
	return *Dir;
}

void FPlatformProcess::Sleep(float Seconds)
{
	const double Clamped = Seconds > 0.0f ? Seconds : 0.0;
	timespec Duration;
	Duration.tv_sec = (time_t)Clamped;
	Duration.tv_nsec = (long)((Clamped - (double)Duration.tv_sec) * 1e9);
	// A signal cuts the sleep short; sleep the rest.
	while (nanosleep(&Duration, &Duration) != 0 && errno == EINTR)
	{
	}
}

void* FPlatformProcess::GetDllHandle(const TCHAR* Filename)
{
	// RTLD_NODELETE: code of an unloaded library can still be referenced (classes registered from
	// it, delegates bound to its functions), so it stays mapped, as the engine keeps modules it
	// abandons at shutdown.
	void* const Handle = dlopen(TCHAR_TO_UTF8(Filename), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
	if (Handle == nullptr)
	{
		UE_LOG(LogCore, Warning, TEXT("dlopen failed: %s"), UTF8_TO_TCHAR(dlerror()));
	}
	return Handle;
}

void FPlatformProcess::FreeDllHandle(void* DllHandle)
{
	check(DllHandle != nullptr);
	dlclose(DllHandle);
}

void* FPlatformProcess::GetDllExport(void* DllHandle, const TCHAR* ProcName)
{
	check(DllHandle != nullptr && ProcName != nullptr);
	void* const Symbol = dlsym(DllHandle, TCHAR_TO_UTF8(ProcName));
	if (Symbol == nullptr)
	{
		return nullptr;
	}
	// dlsym also searches the libraries this one depends on; a symbol found there is not this
	// library's export (every module library defines InitializeModule, for one).
	link_map* LibraryMap = nullptr;
	link_map* SymbolMap = nullptr;
	Dl_info SymbolInfo;
	if (dlinfo(DllHandle, RTLD_DI_LINKMAP, &LibraryMap) != 0 || dladdr1(Symbol, &SymbolInfo, (void**)&SymbolMap, RTLD_DL_LINKMAP) == 0)
	{
		return nullptr;
	}
	return SymbolMap == LibraryMap ? Symbol : nullptr;
}
