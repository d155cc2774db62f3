// zova: runs the ZOVA plug-ins on the host engine from the command line.

#include "CoreMinimal.h"
#include "LaunchEngineLoop.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaOutput.h"

namespace
{
	void PrintOverview()
	{
		ZovaOutput::PrintLine(TEXT("zova: runs the ZOVA Unreal Engine plug-ins on the host engine.\n\nUsage: zova <command> [arguments] [--json]\n\nCommands:"));
		TArray<TArray<FString>> Rows;
		for (const FZovaCommand& Command : FZovaCommandRegistry::GetCommands())
		{
			Rows.Add({FString(TEXT("  ")) + Command.Name, Command.Summary});
		}
		ZovaOutput::PrintTable(Rows);
		ZovaOutput::PrintLine(TEXT("\n\"zova <command> --help\" describes a command with an example. --json prints one JSON object on standard output."));
	}

	/** "zova launcher": the commands of a group; an unknown word is a usage error. */
	int32 PrintGroup(const FString& Group, bool bAskedForHelp)
	{
		TArray<TArray<FString>> Rows;
		TArray<FString> Names;
		for (const FZovaCommand& Command : FZovaCommandRegistry::GetCommands())
		{
			if (FString(Command.Name).StartsWith(Group + TEXT(" "), ESearchCase::CaseSensitive))
			{
				Rows.Add({FString(TEXT("  zova ")) + Command.Name, Command.Summary});
				Names.Add(FString(Command.Name).RightChop(Group.Len() + 1));
			}
		}
		if (Rows.IsEmpty())
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("unknown command \"%s\" (see zova --help)"), *Group));
		}
		if (!bAskedForHelp)
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("\"%s\" needs a command: %s (see zova %s --help)"), *Group, *FString::Join(Names, TEXT(", ")), *Group));
		}
		ZovaOutput::PrintLine(FString::Printf(TEXT("Commands of \"zova %s\" (\"zova %s <command> --help\" for one of them):"), *Group, *Group));
		ZovaOutput::PrintTable(Rows);
		return EZovaExit::Success;
	}

	/** The command whose name matches the most leading words. */
	const FZovaCommand* FindCommand(const TArray<FString>& Words, int32& OutWordsUsed)
	{
		const FZovaCommand* Best = nullptr;
		OutWordsUsed = 0;
		for (const FZovaCommand& Command : FZovaCommandRegistry::GetCommands())
		{
			TArray<FString> NameWords;
			FString(Command.Name).ParseIntoArray(NameWords, TEXT(" "));
			if (NameWords.Num() > Words.Num() || NameWords.Num() <= OutWordsUsed)
			{
				continue;
			}
			bool bMatches = true;
			for (int32 Index = 0; Index < NameWords.Num(); ++Index)
			{
				bMatches &= NameWords[Index].Equals(Words[Index], ESearchCase::CaseSensitive);
			}
			if (bMatches)
			{
				Best = &Command;
				OutWordsUsed = NameWords.Num();
			}
		}
		return Best;
	}
}

int main(int ArgC, char** ArgV)
{
	TArray<FString> Words;
	for (int32 Index = 1; Index < ArgC; ++Index)
	{
		const FUTF8ToTCHAR Converted(ArgV[Index]);
		Words.Add(FString::ConstructFromPtrSize(Converted.Get(), Converted.Length()));
	}
	if (Words.IsEmpty() || Words[0] == TEXT("--help") || Words[0] == TEXT("-h") || Words[0] == TEXT("help"))
	{
		PrintOverview();
		return Words.IsEmpty() ? EZovaExit::Usage : EZovaExit::Success;
	}

	int32 WordsUsed = 0;
	const FZovaCommand* Command = FindCommand(Words, WordsUsed);
	if (!Command)
	{
		return PrintGroup(Words[0], Words.Contains(TEXT("--help")) || Words.Contains(TEXT("-h")));
	}
	const TArray<FString> Rest(Words.GetData() + WordsUsed, Words.Num() - WordsUsed);
	if (Rest.Contains(TEXT("--help")) || Rest.Contains(TEXT("-h")))
	{
		ZovaOutput::PrintLine(Command->Help);
		return EZovaExit::Success;
	}
	FZovaArguments Arguments;
	FString Error;
	if (!Arguments.Parse(Rest, Command->OptionNames, Command->FlagNames, Error))
	{
		return ZovaOutput::UsageError(Error + FString::Printf(TEXT(" (see zova %s --help)"), Command->Name));
	}
	GEngineLoop.PreInit(TEXT(""));
	GEngineLoop.Init();
	const int32 ExitCode = Command->Run(Arguments);
	GEngineLoop.Exit();
	return ExitCode;
}
