#pragma once

#include "CoreMinimal.h"

/**
 * The words after a command's name: positional values, "--name value" options (repeatable) and
 * "--flag" switches. Text values are UTF-8; "-" stands for standard input.
 */
class FZovaArguments
{
public:
	/** Splits Words by the command's option and flag names; false with OutError when a word is unknown. */
	bool Parse(const TArray<FString>& Words, const TArray<FString>& OptionNames, const TArray<FString>& FlagNames, FString& OutError);

	int32 NumPositional() const { return Positional.Num(); }
	/** The positional value, with "-" replaced by all of standard input. */
	FString GetPositional(int32 Index) const;
	const TArray<FString>& GetOptionValues(const FString& Name) const;
	bool GetOption(const FString& Name, FString& OutValue) const;
	bool HasFlag(const FString& Name) const { return Flags.Contains(Name); }
	bool WantsJson() const { return HasFlag(TEXT("json")); }

private:
	TArray<FString> Positional;
	TMap<FString, TArray<FString>> Options;
	TArray<FString> Flags;
};
