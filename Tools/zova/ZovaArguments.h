#pragma once

#include "CoreMinimal.h"
#include "ZovaCommand.h"

/**
 * The words after a command's name: positional values, "--name value" options and "--flag" switches.
 * "--" ends the options, so that later words may start with "-". Text values are UTF-8; "-" in place
 * of a text stands for standard input, which can feed one argument only.
 */
class FZovaArguments
{
public:
	/**
	 * Splits Words by the command's positionals, options and flags. Stops at "--help" or "-h" given
	 * where an option may stand.
	 * @return false with OutError on an unknown or repeated option, a missing value, or a second "-"
	 */
	bool Parse(const TArray<FString>& Words, const FZovaCommand& Command, FString& OutError);

	/** Whether "--help" or "-h" was asked for. */
	bool WantsHelp() const { return bWantsHelp; }

	int32 NumPositional() const { return Positional.Num(); }
	/** The positional value, with standard input in place of "-" where the argument is a text. */
	FString GetPositional(int32 Index) const;
	/** Every value of a repeatable option, in order, read as GetPositional reads them. */
	TArray<FString> GetOptionValues(const FString& Name) const;
	/** The value of an option; false when it was not given. */
	bool GetOption(const FString& Name, FString& OutValue) const;
	/**
	 * The text of a file option: the file read as the engine reads text files, or standard input for "-".
	 * @return false with OutError when the option is missing or the file cannot be read
	 */
	bool ReadFileOption(const FString& Name, FString& OutText, FString& OutError) const;
	/** The text of a positional FILE argument, read as ReadFileOption reads an option's. */
	bool ReadFilePositional(int32 Index, FString& OutText, FString& OutError) const;
	bool HasFlag(const FString& Name) const { return Flags.Contains(Name); }
	bool WantsJson() const { return HasFlag(TEXT("json")); }

private:
	struct FValue
	{
		FString Text;
		EZovaValue Kind;
	};

	FString Resolve(const FValue& Value) const;
	bool ReadFile(const FValue& Value, FString& OutText, FString& OutError) const;
	const TArray<uint8>& ReadStandardInput() const;

	TArray<FValue> Positional;
	TMap<FString, TArray<FValue>> Options;
	TArray<FString> Flags;
	bool bWantsHelp = false;
	/** Read on first use; only one argument may ask for it. */
	mutable TOptional<TArray<uint8>> StandardInput;
};
