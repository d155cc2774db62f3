#pragma once

#include "CoreMinimal.h"

/** Blueprint messages, the compiler's among them. */
ENGINE_API DECLARE_LOG_CATEGORY_EXTERN(LogBlueprint, Log, All);
