#pragma once

#include "HAL/Platform.h"
#include "Logging/LogMacros.h"
#include "Misc/OutputDeviceRedirector.h"

class FOutputDeviceConsole;

CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogTemp, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogCore, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogInit, Log, All);
/** Messages of running Blueprints (FFrame::KismetExecutionMessage); warnings and worse by default. */
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogScript, Warning, All);

/** The thread that first touched the engine globals: the host's game thread. */
CORE_API extern uint32 GGameThreadId;
CORE_API bool IsInGameThread();
CORE_API extern bool GIsEditor;
/** True while the editor undoes or redoes a transaction. */
CORE_API extern bool GIsTransacting;
CORE_API extern bool GIsRunning;
/** The console device GLog writes to; a program that prints log lines its own way removes it from GLog. */
CORE_API extern FOutputDeviceConsole* GLogConsole;
/** Whether an automation test is running, from its start to its stop. */
CORE_API extern bool GIsAutomationTesting;
