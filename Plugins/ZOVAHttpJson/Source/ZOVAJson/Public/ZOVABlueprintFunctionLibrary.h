// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Kismet/BlueprintFunctionLibrary.h"
#include "ZOVABlueprintFunctionLibrary.generated.h"

/**
 * JSON functions that the ZOVA JSON nodes expand into when a Blueprint compiles; the nodes are
 * what authors place, so the functions stay out of the action menu.
 * Values become text the same way everywhere: strings as they are, numbers exactly as written,
 * booleans as "true" or "false", null as "", objects and arrays as compact JSON text.
 * Text that nests objects and arrays more than 512 levels deep is treated as invalid JSON.
 */
UCLASS()
class ZOVAJSON_API UZOVABlueprintFunctionLibrary : public UBlueprintFunctionLibrary
{
	GENERATED_BODY()

public:
	/**
	 * Reads one value per key out of a JSON object, in key order.
	 * A key that starts with "/" is a JSON Pointer into nested objects and arrays ("/data/items/0/id", with "~1" for "/" and "~0" for "~"); any other key names a top-level member as written.
	 * @param InJson - JSON text
	 * @param InKey - keys to read
	 * @param OutValue - one value per key, "" where a key is not found
	 * @return true when the text is a JSON object and every key was found
	 */
	UFUNCTION(BlueprintPure, Category = "ZOVA Http Json", meta = (BlueprintInternalUseOnly = "true", AutoCreateRefTerm = "InKey"))
	static bool OnJsonAnalyze(const FString& InJson, const TArray<FString>& InKey, TArray<FString>& OutValue);

	/**
	 * Splits the text of a JSON array into its elements, in order.
	 * @param InJson - JSON array text
	 * @param OutValue - the elements as text; empty when the text is not a JSON array
	 * @return true when the text is a JSON array
	 */
	UFUNCTION(BlueprintPure, Category = "ZOVA Http Json", meta = (BlueprintInternalUseOnly = "true"))
	static bool OnJsonToArray(const FString& InJson, TArray<FString>& OutValue);

	/**
	 * Builds a JSON object with one member per map entry, in map order.
	 * A value whose text is a JSON object or array is nested as JSON; every other value becomes a JSON string.
	 * @param InMap - member names and values
	 * @param OutJson - compact JSON object text
	 * @return true
	 */
	UFUNCTION(BlueprintPure, Category = "ZOVA Http Json", meta = (BlueprintInternalUseOnly = "true", AutoCreateRefTerm = "InMap"))
	static bool OnCreateJson(const TMap<FString, FString>& InMap, FString& OutJson);

	/**
	 * Builds a JSON array from the elements, in order.
	 * An element whose text is a JSON object or array is nested as JSON; every other element becomes a JSON string.
	 * @param InArray - the elements
	 * @param OutJson - compact JSON array text
	 * @return true
	 */
	UFUNCTION(BlueprintPure, Category = "ZOVA Http Json", meta = (BlueprintInternalUseOnly = "true"))
	static bool OnCreateJsonArray(const TArray<FString>& InArray, FString& OutJson);

	/**
	 * Returns one element of a string array.
	 * @param InArray - the array
	 * @param Index - position of the element
	 * @return the element, or "" when Index is outside the array
	 */
	UFUNCTION(BlueprintPure, Category = "ZOVA Http Json", meta = (BlueprintInternalUseOnly = "true"))
	static FString OnArrayOut(const TArray<FString>& InArray, int32 Index);
};
