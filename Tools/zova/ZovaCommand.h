#pragma once

#include "CoreMinimal.h"

class FZovaArguments;

/** Exit statuses shared by every command. */
namespace EZovaExit
{
	enum Type : int32
	{
		Success = 0,
		Failure = 1,
		Usage = 2,
		RequestFailed = 3,
	};
}

/** One command of the tool, e.g. "json to-array"; registered by a static FZovaCommandRegistration. */
struct FZovaCommand
{
	/** Space-separated words typed after "zova". */
	const TCHAR* Name;
	/** One line for "zova --help". */
	const TCHAR* Summary;
	/** Usage, options and an example, for "zova <command> --help". */
	const TCHAR* Help;
	/** Options that take a value ("--key K"), without the dashes. */
	TArray<FString> OptionNames;
	/** Switches ("--force"); "--json" is accepted by every command. */
	TArray<FString> FlagNames;
	int32 (*Run)(const FZovaArguments& Arguments);
};

class FZovaCommandRegistry
{
public:
	static void Register(const FZovaCommand& Command);
	static const TArray<FZovaCommand>& GetCommands();
};

struct FZovaCommandRegistration
{
	explicit FZovaCommandRegistration(const FZovaCommand& Command) { FZovaCommandRegistry::Register(Command); }
};
