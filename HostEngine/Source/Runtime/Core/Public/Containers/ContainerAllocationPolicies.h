#pragma once

#include "HAL/Platform.h"

// The host keeps one heap allocation policy; the names exist so that declarations read as in the engine.
class FDefaultAllocator
{
};

class FDefaultSetAllocator
{
};
