#pragma once

#include "CoreMinimal.h"

/**
 * The engine's main loop: start-up in two stages, one frame per Tick, and shutdown. The host runs
 * no worlds and draws nothing, so a frame is the core ticker (HTTP completions and anything else
 * registered with it).
 */
class FEngineLoop
{
public:
	/** Registers the reflected types of every library already loaded. @return 0 on success */
	LAUNCH_API int32 PreInit(const TCHAR* CmdLine);

	/** Starts the frame clock. @return 0 on success */
	LAUNCH_API int32 Init();

	/** Advances one frame by the time passed since the previous one. */
	LAUNCH_API void Tick();

	/** Frees unreferenced objects and shuts down the modules that run threads of their own. */
	LAUNCH_API void Exit();

private:
	double LastFrameSeconds = 0.0;
};

/** The process's engine loop. */
extern LAUNCH_API FEngineLoop GEngineLoop;
