#pragma once

#include "CoreMinimal.h"

class FHostPinValue;
class FJsonValue;

/** How the commands print the values that pins carry. */
namespace ZovaPinValueOutput
{
	/** The value as JSON: booleans, numbers, strings (names and texts too), arrays, maps as objects. */
	TSharedPtr<FJsonValue> ToJson(const FHostPinValue& Value);

	/** The value for a table: one line, or one per element of an array or pair of a map. */
	TArray<FString> ToLines(const FHostPinValue& Value);
}
