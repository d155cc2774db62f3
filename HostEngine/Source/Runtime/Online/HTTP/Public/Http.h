#pragma once

#include "CoreMinimal.h"
#include "HttpModule.h"
#include "Interfaces/IHttpRequest.h"
#include "Interfaces/IHttpResponse.h"

HTTP_API DECLARE_LOG_CATEGORY_EXTERN(LogHttp, Log, All);
