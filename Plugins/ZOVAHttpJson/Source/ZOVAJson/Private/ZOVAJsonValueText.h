// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

class FJsonValue;

/** How the library turns JSON values into Blueprint strings and back. */
namespace ZOVAJsonValueText
{
	/** Strings as they are, numbers as written, "true"/"false", "" for null, objects and arrays as compact JSON. */
	FString ToText(const TSharedPtr<FJsonValue>& Value);

	/** A text that Parse reads as a JSON object or array becomes that value; any other text becomes a JSON string. */
	TSharedPtr<FJsonValue> FromText(const FString& Text);

	/**
	 * Parses any JSON text, keeping numbers exactly as written; null when the text is not valid JSON
	 * or is one that ZOVAJsonTextCheck refuses.
	 */
	TSharedPtr<FJsonValue> Parse(const FString& Text);
}
