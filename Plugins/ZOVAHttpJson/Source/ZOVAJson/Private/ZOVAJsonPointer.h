// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

class FJsonValue;

/** JSON Pointer (RFC 6901) lookups: "/data/items/0/id". */
namespace ZOVAJsonPointer
{
	/** The value the pointer names inside Root, or null when a step is missing or malformed. */
	TSharedPtr<FJsonValue> Resolve(const TSharedPtr<FJsonValue>& Root, const FString& Pointer);
}
