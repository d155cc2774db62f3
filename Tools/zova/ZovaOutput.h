#pragma once

#include "CoreMinimal.h"

class FJsonObject;

/** Output conventions of the tool: one JSON object on standard output, or a readable table. */
namespace ZovaOutput
{
	/** Prints "zova: <message>" on standard error and returns the usage exit status. */
	int32 UsageError(const FString& Message);
	/** Prints the object as JSON on standard output, alone. */
	void PrintJson(const TSharedRef<FJsonObject>& Object);
	/** Prints rows as a table with aligned columns; the first row is the header. */
	void PrintTable(const TArray<TArray<FString>>& Rows);
	void PrintLine(const FString& Line);
	/** Writes log lines and on-screen messages to standard error only. */
	void PrintToStdErr(const FString& Line);
}
