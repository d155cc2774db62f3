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
		/** A request neither succeeded nor failed within the tool's own limit. */
		TimedOut = 4,
	};
}

/** What an argument holds, and so what "-" in its place stands for. */
enum class EZovaValue : uint8
{
	/** A word as typed, such as a folder or a number: "-" is just "-". */
	Word,
	/** The path of a file to read (any readable path: a pipe, /dev/stdin), or "-" for all of standard input; never empty. */
	File,
	/** The path of a folder to read or write: "-" is just "-"; never empty, since an unset variable must not mean the working folder. */
	Path,
	/** Text; "-" reads all of standard input as it is. */
	Text,
	/** One line of text, such as a URL or a key; "-" reads standard input without its one trailing newline. */
	Line,
};

/** An option that takes a value ("--key K"). */
struct FZovaOption
{
	/** Without the dashes. */
	const TCHAR* Name;
	EZovaValue Value;
	/** A repeatable option keeps every value in order; any other may be given once. */
	bool bRepeatable = false;
};

/** One command of the tool, e.g. "json to-array"; registered by a static FZovaCommandRegistration. */
struct FZovaCommand
{
	/** Space-separated words typed after "zova". */
	const TCHAR* Name;
	/** One line for "zova --help". */
	const TCHAR* Summary;
	/** Usage, options and an example, for "zova <command> --help". */
	const TCHAR* Help;
	/** What each positional argument holds; the last kind stands for any further ones. */
	TArray<EZovaValue> Positionals;
	TArray<FZovaOption> Options;
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
