#pragma once

#include "CoreMinimal.h"

class FJsonObject;

/**
 * Output conventions of the tool: one JSON object on standard output, or a readable table. Text for
 * the terminal never carries control characters: they are shown escaped (see EscapeForTerminal).
 */
namespace ZovaOutput
{
	/** Prints "zova: <message>" on standard error, on one line, and returns the usage exit status. */
	int32 UsageError(const FString& Message);
	/** Prints "zova: <message>" on standard error, on one line. */
	void PrintError(const FString& Message);
	/** Prints the object as JSON on standard output, alone, exactly as serialized. */
	void PrintJson(const TSharedRef<FJsonObject>& Object);
	/** Prints rows as a table, each cell on one line and columns aligned; the first row is the header. */
	void PrintTable(const TArray<TArray<FString>>& Rows);
	/** Prints text of the tool's own on standard output. */
	void PrintLine(const FString& Line);
	/** Writes a log line or an on-screen message on standard error, on one line. */
	void PrintToStdErr(const FString& Line);

	/**
	 * The text as a terminal may show it: "\n", "\r" and "\t" for those characters, "\uXXXX" for every
	 * other control character (C0, DEL, C1), line and paragraph separators, bidirectional overrides and
	 * unpaired surrogates. Nothing that starts an escape sequence or a new line is left.
	 */
	FString EscapeForTerminal(const FString& Text);

	/** Columns a terminal gives the text: wide characters and emoji take two, combining marks none. */
	int32 GetDisplayWidth(const FString& Text);
}
