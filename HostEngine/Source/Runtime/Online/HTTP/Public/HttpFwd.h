#pragma once

#include "Templates/SharedPointer.h"

class IHttpRequest;
class IHttpResponse;

using FHttpRequestPtr = TSharedPtr<IHttpRequest, ESPMode::ThreadSafe>;
using FHttpRequestRef = TSharedRef<IHttpRequest, ESPMode::ThreadSafe>;
using FHttpResponsePtr = TSharedPtr<IHttpResponse, ESPMode::ThreadSafe>;
using FHttpResponseRef = TSharedRef<IHttpResponse, ESPMode::ThreadSafe>;
