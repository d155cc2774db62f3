#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include "Kismet/BlueprintFunctionLibrary.h"
#include "KismetStringLibrary.generated.h"

/** The engine's string functions that graphs around the JSON nodes use; conversions of math types are not hosted. */
UCLASS(meta=(BlueprintThreadSafe, ScriptName="StringLibrary"), MinimalAPI)
class UKismetStringLibrary : public UBlueprintFunctionLibrary
{
	GENERATED_UCLASS_BODY()

	/** Converts a double value to a string */
	UFUNCTION(BlueprintPure, meta = (DisplayName = "To String (Float)", CompactNodeTitle = "->", BlueprintAutocast), Category = "Utilities|String")
	static ENGINE_API FString Conv_DoubleToString(double InDouble);

	/** Converts an integer value to a string */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "To String (Integer)", CompactNodeTitle = "->", BlueprintAutocast), Category="Utilities|String")
	static ENGINE_API FString Conv_IntToString(int32 InInt);

	/** Converts an 64-bit integer value to a string */
	UFUNCTION(BlueprintPure, meta = (DisplayName = "To String (Integer64)", CompactNodeTitle = "->", BlueprintAutocast), Category = "Utilities|String")
	static ENGINE_API FString Conv_Int64ToString(int64 InInt);

	/** Converts a byte value to a string */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "To String (Byte)", CompactNodeTitle = "->", BlueprintAutocast), Category="Utilities|String")
	static ENGINE_API FString Conv_ByteToString(uint8 InByte);

	/** Converts a boolean value to a string, either 'true' or 'false' */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "To String (Boolean)", CompactNodeTitle = "->", BlueprintAutocast), Category="Utilities|String")
	static ENGINE_API FString Conv_BoolToString(bool InBool);

	/** Converts a UObject value to a string by calling the object's GetName method */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "To String (Object)", CompactNodeTitle = "->", BlueprintAutocast), Category="Utilities|String")
	static ENGINE_API FString Conv_ObjectToString(class UObject* InObj);

	/** Converts a name value to a string */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "To String (Name)", CompactNodeTitle = "->", BlueprintAutocast), Category="Utilities|String")
	static ENGINE_API FString Conv_NameToString(FName InName);

	/** Converts a string to a name value */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "String To Name", CompactNodeTitle = "->", BlueprintAutocast), Category="Utilities|String")
	static ENGINE_API FName Conv_StringToName(const FString& InString);

	/** Converts a string to a int value */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "String To Integer", CompactNodeTitle = "->", BlueprintAutocast), Category="Utilities|String")
	static ENGINE_API int32 Conv_StringToInt(const FString& InString);

	/** Converts a string to a int value */
	UFUNCTION(BlueprintPure, meta = (DisplayName = "String To Integer64", CompactNodeTitle = "->", BlueprintAutocast), Category = "Utilities|String")
	static ENGINE_API int64 Conv_StringToInt64(const FString& InString);

	/** Converts a string to a double value */
	UFUNCTION(BlueprintPure, meta = (DisplayName = "String To Float", CompactNodeTitle = "->", BlueprintAutocast), Category = "Utilities|String")
	static ENGINE_API double Conv_StringToDouble(const FString& InString);

	//
	// String functions.
	//

	/**
	 * Concatenates two strings together to make a new string
	 * @param A - The original string
	 * @param B - The string to append to A
	 * @returns A new string which is the concatenation of A+B
	 */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "Append", CommutativeAssociativeBinaryOperator = "true"), Category="Utilities|String")
	static ENGINE_API FString Concat_StrStr(const FString& A, const FString& B);

	/**
	 * Test if the input strings are equal (A == B)
	 * @param A - The string to compare against
	 * @param B - The string to compare
	 * @returns True if the strings are equal, false otherwise
	 */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "Equal Exactly (String)", CompactNodeTitle = "==="), Category="Utilities|String")
	static ENGINE_API bool EqualEqual_StrStr(const FString& A, const FString& B);

	/**
	 * Test if the input strings are equal (A == B), ignoring case
	 * @param A - The string to compare against
	 * @param B - The string to compare
	 * @returns True if the strings are equal, false otherwise
	 */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "Equal, Case Insensitive (String)", CompactNodeTitle = "=="), Category="Utilities|String")
	static ENGINE_API bool EqualEqual_StriStri(const FString& A, const FString& B);

	/** 
	 * Test if the input string are not equal (A != B)
	 * @param A - The string to compare against
	 * @param B - The string to compare
	 * @return Returns true if the input strings are not equal, false if they are equal
	 */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "Not Equal Exactly (String)", CompactNodeTitle = "!=="), Category="Utilities|String")
	static ENGINE_API bool NotEqual_StrStr(const FString& A, const FString& B);

	/** Test if the input string are not equal (A != B), ignoring case differences
	 * @param A - The string to compare against
	 * @param B - The string to compare
	 * @return Returns true if the input strings are not equal, false if they are equal
	 */
	UFUNCTION(BlueprintPure, meta=(DisplayName = "Not Equal, Case Insenstive (String)", CompactNodeTitle = "!="), Category="Utilities|String")
	static ENGINE_API bool NotEqual_StriStri(const FString& A, const FString& B);

	/** 
	 * Returns the number of characters in the string
	 * @param SourceString - The string to measure
	 * @return The number of chars in the string
	 */
	UFUNCTION(BlueprintPure, Category="Utilities|String", meta=(CompactNodeTitle = "LEN", Keywords = "length"))
	static ENGINE_API int32 Len(const FString& S);

	/**
	 *	Returns true if the string is empty
	 *	@param InString - The string to check
	 *	@return Whether or not the string is empty
	 */
	UFUNCTION(BlueprintPure, Category="Utilities|String", meta=(Keywords = "empty"))
	static ENGINE_API bool IsEmpty(const FString& InString);

	/** 
	 * Returns a substring from the string starting at the specified position
	 * @param SourceString - The string to get the substring from
	 * @param StartIndex - The location in SourceString to use as the start of the substring
	 * @param Length The length of the requested substring
	 *
	 * @return The requested substring
	 */
	UFUNCTION(BlueprintPure, Category="Utilities|String")
	static ENGINE_API FString GetSubstring(const FString& SourceString, int32 StartIndex = 0, int32 Length = 1);

	/**
	 * Finds the starting index of a substring in the a specified string
	 * @param SearchIn The string to search within
	 * @param Substring The string to look for in the SearchIn string
	 * @param bUseCase Whether or not to be case-sensitive
	 * @param bSearchFromEnd Whether or not to start the search from the end of the string instead of the beginning
	 * @param StartPosition The position to start the search from
	 * @return The index (starting from 0 if bSearchFromEnd is false) of the first occurence of the substring
	 */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API int32 FindSubstring(const FString& SearchIn, const FString& Substring, bool bUseCase = false, bool bSearchFromEnd = false, int32 StartPosition = -1);

	/**
	* Returns whether this string contains the specified substring.
	*
	* @param SubStr			Find to search for
	* @param SearchCase		Indicates whether the search is case sensitive or not ( defaults to ESearchCase::IgnoreCase )
	* @param SearchDir			Indicates whether the search starts at the begining or at the end ( defaults to ESearchDir::FromStart )
	* @return					Returns whether the string contains the substring
	**/
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API bool Contains(const FString& SearchIn, const FString& Substring, bool bUseCase = false, bool bSearchFromEnd = false);

	/** 
	 * Gets an array of strings from a source string divided up by a separator and empty strings can optionally be culled.
	 * @param SourceString - The string to chop up
	 * @param Delimiter - The string to delimit on
	 * @param CullEmptyStrings = true - Cull (true) empty strings or add them to the array (false)
	 * @return The array of string that have been separated
	 */
	UFUNCTION(BlueprintPure, Category="Utilities|String")
	static ENGINE_API TArray<FString> ParseIntoArray(const FString& SourceString, const FString& Delimiter = FString(" "), const bool CullEmptyStrings = true);

	/**
	 * Concatenates an array of strings into a single string.
	 * @param SourceArray - The array of strings to concatenate.
	 * @param Separator - The string used to separate each element.
	 * @return The final, joined, separated string.
	 */
	UFUNCTION(BlueprintPure, Category="Utilities|String")
	static ENGINE_API FString JoinStringArray(const TArray<FString>& SourceArray, const FString&  Separator = FString(" "));

	/**
	 * Returns a string converted to Upper case
	 * @param	SourceString	The string to convert
	 * @return	The string in upper case
	 */
	UFUNCTION(BlueprintPure, Category="Utilities|String")
	static ENGINE_API FString ToUpper(const FString& SourceString);

	/**
	* Returns a string converted to Lower case
	* @param	SourceString	The string to convert
	* @return	The string in lower case
	*/
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API FString ToLower(const FString& SourceString);

	/**
	 * Test whether this string starts with given string.
	 *
	 * @param SearchCase		Indicates whether the search is case sensitive or not ( defaults to ESearchCase::IgnoreCase )
	 * @return true if this string begins with specified text, false otherwise
	 */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API bool StartsWith(const FString& SourceString, const FString& InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

	/**
	 * Test whether this string ends with given string.
	 *
	 * @param SearchCase		Indicates whether the search is case sensitive or not ( defaults to ESearchCase::IgnoreCase )
	 * @return true if this string ends with specified text, false otherwise
	 */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API bool EndsWith(const FString& SourceString, const FString& InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

	/**
	 * Removes whitespace characters from the front of this string.
	 */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API FString Trim(const FString& SourceString);

	/**
	 * Removes trailing whitespace characters
	 */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API FString TrimTrailing(const FString& SourceString);

	/**
	* Returns a copy of this string, with the characters in reverse order
	*/
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API FString Reverse(const FString& SourceString);

	/**
	 * Replace all occurrences of a substring in this string
	 *
	 * @param From substring to replace
	 * @param To substring to replace From with
	 * @param SearchCase	Indicates whether the search is case sensitive or not ( defaults to ESearchCase::IgnoreCase )
	 * @return a copy of this string with the replacement made
	 */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API FString Replace(const FString& SourceString, const FString& From, const FString& To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

	/**
	* Splits this string at given string position case sensitive.
	*
	* @param InStr The string to search and split at
	* @param LeftS out the string to the left of InStr, not updated if return is false
	* @param RightS out the string to the right of InStr, not updated if return is false
	* @param SearchCase		Indicates whether the search is case sensitive or not ( defaults to ESearchCase::IgnoreCase )
	* @param SearchDir			Indicates whether the search starts at the begining or at the end ( defaults to ESearchDir::FromStart )
	* @return true if string is split, otherwise false
	*/
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API bool Split(const FString& SourceString, const FString& InStr, FString& LeftS, FString& RightS, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart);

	/** Returns the left most given number of characters */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API FString Left(const FString& SourceString, int32 Count);

	/** Returns the left most characters from the string chopping the given number of characters from the end */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API FString LeftChop(const FString& SourceString, int32 Count);

	/** Returns the string to the right of the specified location, counting back from the right (end of the word). */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API FString Right(const FString& SourceString, int32 Count);

	/** Returns the string to the right of the specified location, counting forward from the left (from the beginning of the word). */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API FString RightChop(const FString& SourceString, int32 Count);

	/** Returns the substring from Start position for Count characters. */
	UFUNCTION(BlueprintPure, Category = "Utilities|String")
	static ENGINE_API FString Mid(const FString& SourceString, int32 Start, int32 Count);
};
