#pragma once

#include "Containers/UnrealString.h"

/** Parsing of the text forms the engine's readers share. */
struct CORE_API FParse
{
	/**
	 * Reads a string in double quotes at Buffer, with the escapes \\ \" \' \n \r \t, up to three octal
	 * digits, \x with hex digits, \u with up to four and \U with up to eight; another escaped character
	 * keeps its backslash. The string ends at its closing quote and may not hold a line end.
	 * @return false when Buffer holds no such string; else Value has the string appended and
	 * OutNumCharsRead, when given, the characters read, both quotes included.
	 */
	static bool QuotedString(const TCHAR* Buffer, FString& Value, int32* OutNumCharsRead = nullptr);

	/**
	 * Whether the text at Stream is the word Match, in any letter case and not followed by a letter or
	 * digit. Spaces and tabs before it are skipped whether it matches or not; on a match the word and the
	 * spaces and tabs after it are too. The host has no console command library, so
	 * bParseMightTriggerExecution changes nothing.
	 */
	static bool Command(const TCHAR** Stream, const TCHAR* Match, bool bParseMightTriggerExecution = true);
};
