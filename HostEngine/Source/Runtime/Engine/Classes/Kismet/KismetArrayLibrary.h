#pragma once

#include "CoreMinimal.h"
#include "Kismet/BlueprintFunctionLibrary.h"
#include "UObject/Script.h"
#include "UObject/UnrealType.h"
#include "KismetArrayLibrary.generated.h"

/**
 * The engine's array functions; the host has the pure reads. Each is declared for an array of
 * integers but takes an array of any type: its native function (CustomThunk) reads the property of
 * the array it is given, and of the item that goes with it.
 */
UCLASS(meta=(BlueprintThreadSafe), MinimalAPI)
class UKismetArrayLibrary : public UBlueprintFunctionLibrary
{
	GENERATED_UCLASS_BODY()

	/*
	 *Get the number of items in an array
	 *
	 *@param	TargetArray		The array to get the length of
	 *@return	The length of the array
	*/
	UFUNCTION(BlueprintPure, CustomThunk, meta=(DisplayName = "Length", CompactNodeTitle = "LENGTH", ArrayParm = "TargetArray", Keywords = "num size count", BlueprintThreadSafe), Category="Utilities|Array")
	static ENGINE_API int32 Array_Length(const TArray<int32>& TargetArray);

	/*
	 *Given an array and an index, returns a copy of the item found at that index
	 *
	 *@param	TargetArray		The array to get an item from
	 *@param	Index			The index in the array to get an item from
	 *@return	A copy of the item stored at the index
	*/
	UFUNCTION(BlueprintPure, CustomThunk, meta=(BlueprintInternalUseOnly = "true", DisplayName = "Get", CompactNodeTitle = "GET", ArrayParm = "TargetArray", ArrayTypeDependentParams = "Item", BlueprintThreadSafe), Category="Utilities|Array")
	static ENGINE_API void Array_Get(const TArray<int32>& TargetArray, int32 Index, int32& Item);

	/*
	 *Finds the index of the first instance of the item within the array
	 *
	 *@param	TargetArray		The array to search for the item
	 *@param	ItemToFind		The item to look for
	 *@return	The index the item was found at, or -1 if not found
	*/
	UFUNCTION(BlueprintPure, CustomThunk, meta=(DisplayName = "Find Item", CompactNodeTitle = "FIND", ArrayParm = "TargetArray", ArrayTypeDependentParams = "ItemToFind", AutoCreateRefTerm = "ItemToFind", BlueprintThreadSafe), Category="Utilities|Array")
	static ENGINE_API int32 Array_Find(const TArray<int32>& TargetArray, const int32& ItemToFind);

	/*
	 *Returns true if the array contains the given item
	 *
	 *@param	TargetArray		The array to search for the item
	 *@param	ItemToFind		The item to look for
	 *@return	True if the item was found within the array
	*/
	UFUNCTION(BlueprintPure, CustomThunk, meta=(DisplayName = "Contains Item", CompactNodeTitle = "CONTAINS", ArrayParm = "TargetArray", ArrayTypeDependentParams = "ItemToFind", AutoCreateRefTerm = "ItemToFind", BlueprintThreadSafe), Category="Utilities|Array")
	static ENGINE_API bool Array_Contains(const TArray<int32>& TargetArray, const int32& ItemToFind);

	// What the native functions below call with the array and the property that describes it.
	static ENGINE_API int32 GenericArray_Length(const void* TargetArray, const FArrayProperty* ArrayProp);
	/** Copies the item at Index into Item; outside the array, warns and gives Item the element type's empty value. */
	static ENGINE_API void GenericArray_Get(void* TargetArray, const FArrayProperty* ArrayProp, int32 Index, void* Item);
	/** The index of the first element identical to ItemToFind, or INDEX_NONE. */
	static ENGINE_API int32 GenericArray_Find(const void* TargetArray, const FArrayProperty* ArrayProperty, const void* ItemToFind);

	// The native functions, which step through the frame's arguments by hand.
	DECLARE_FUNCTION(execArray_Length);
	DECLARE_FUNCTION(execArray_Get);
	DECLARE_FUNCTION(execArray_Find);
	DECLARE_FUNCTION(execArray_Contains);

private:
	/** Reads the array and the item to find from the frame; INDEX_NONE without an array. */
	static ENGINE_API int32 FindItem(FFrame& Stack);
};
