#include "LaunchEngineLoop.h"
#include "Containers/Ticker.h"
#include "HAL/PlatformTime.h"
#include "Modules/ModuleManager.h"
#include "UObject/UObjectGlobals.h"

int32 FEngineLoop::PreInit(const TCHAR* CmdLine)
{
	ProcessNewlyLoadedUObjects();
	return 0;
}

int32 FEngineLoop::Init()
{
	LastFrameSeconds = FPlatformTime::Seconds();
	GIsRunning = true;
	return 0;
}

void FEngineLoop::Tick()
{
	check(IsInGameThread());
	const double Now = FPlatformTime::Seconds();
	const float DeltaSeconds = (float)(Now - LastFrameSeconds);
	LastFrameSeconds = Now;
	FTSTicker::GetCoreTicker().Tick(DeltaSeconds);
}

void FEngineLoop::Exit()
{
	GIsRunning = false;
	// Objects nothing holds any more are freed on the way out, as the engine purges them at exit.
	CollectGarbage();
	// The host's module manager has no shutdown pass of its own; HTTPServer and HTTP are the modules
	// with threads to stop before the process ends (the server first, so that no request of this
	// process waits for it).
	FModuleManager::Get().UnloadModule(TEXT("HTTPServer"), true);
	FModuleManager::Get().UnloadModule(TEXT("HTTP"), true);
}
