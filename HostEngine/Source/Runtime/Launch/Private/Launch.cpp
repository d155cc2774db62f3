#include "LaunchEngineLoop.h"

FEngineLoop GEngineLoop;
