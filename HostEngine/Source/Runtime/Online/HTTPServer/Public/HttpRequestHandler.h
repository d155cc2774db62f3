#pragma once

#include "CoreMinimal.h"
#include "HttpResultCallback.h"

struct FHttpServerRequest;

/**
 * A route handler, called on the game thread. Returning true promises a call of OnComplete; returning
 * false leaves the request to the next route that matches, and OnComplete must not have been called.
 */
using FHttpRequestHandler = TDelegate<bool(const FHttpServerRequest& Request, const FHttpResultCallback& OnComplete)>;
