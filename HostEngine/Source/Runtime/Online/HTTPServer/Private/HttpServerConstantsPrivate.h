#pragma once

#include "CoreMinimal.h"

#define UE_HTTP_SERVER_HEADER_KEYS_CONTENT_TYPE TEXT("content-type")
#define UE_HTTP_SERVER_HEADER_KEYS_CONTENT_LENGTH TEXT("content-length")

#define UE_HTTP_SERVER_ERROR_STR_ROUTE_HANDLER_NOT_FOUND TEXT("errors.com.epicgames.httpserver.route_handler_not_found")
#define UE_HTTP_SERVER_ERROR_STR_INVALID_CONTENT_LENGTH_HEADER TEXT("errors.com.epicgames.httpserver.invalid_content_length_header")
#define UE_HTTP_SERVER_ERROR_STR_MISSING_CONTENT_LENGTH_HEADER TEXT("errors.com.epicgames.httpserver.missing_content_length_header")
