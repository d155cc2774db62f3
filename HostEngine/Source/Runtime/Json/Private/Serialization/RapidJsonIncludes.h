#pragma once

#include "CoreMinimal.h"

// RapidJSON 1.1 asserts while encoding an escaped lone low surrogate ("\uDC00"), which would end the
// process on bad input. The tree builder rejects such strings itself, so RapidJSON's own checks are
// left out.
#define RAPIDJSON_ASSERT(Expression) ((void)sizeof(Expression))

THIRD_PARTY_INCLUDES_START
#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>
THIRD_PARTY_INCLUDES_END
