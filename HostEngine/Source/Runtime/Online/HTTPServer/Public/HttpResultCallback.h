#pragma once

#include "CoreMinimal.h"
#include "HttpServerResponse.h"

/**
 * Handed to a route handler, which calls it once with its response, during its call or on a later
 * game-thread frame.
 */
typedef TFunction<void(TUniquePtr<FHttpServerResponse>&& Response)> FHttpResultCallback;
