// zova: runs the ZOVA plug-ins on the host engine from the command line.

#include "CoreMinimal.h"
#include "LaunchEngineLoop.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaInterrupts.h"
#include "ZovaLogOutput.h"
#include "ZovaOutput.h"

namespace
{
	bool IsHelpWord(const FString& Word)
	{
		return Word == TEXT("--help") || Word == TEXT("-h");
	}

	int32 PrintOverview()
	{
		ZovaOutput::PrintLine(TEXT("zova: runs the ZOVA Unreal Engine plug-ins on the host engine.\n\nUsage: zova <command> [arguments] [--json]\n\nCommands:"));
		TArray<TArray<FString>> Rows;
		for (const FZovaCommand& Command : FZovaCommandRegistry::GetCommands())
		{
			Rows.Add({FString(TEXT("  ")) + Command.Name, Command.Summary});
		}
		ZovaOutput::PrintTable(Rows);
		ZovaOutput::PrintLine(TEXT("\n\"zova <command> --help\" describes a command with an example. --json prints one JSON object on standard output."));
		return EZovaExit::Success;
	}

	/** The commands whose first word is Group ("json" for "json analyze"). */
	TArray<const FZovaCommand*> FindGroup(const FString& Group)
	{
		TArray<const FZovaCommand*> Members;
		for (const FZovaCommand& Command : FZovaCommandRegistry::GetCommands())
		{
			if (FString(Command.Name).StartsWith(Group + TEXT(" "), ESearchCase::CaseSensitive))
			{
				Members.Add(&Command);
			}
		}
		return Members;
	}

	int32 PrintGroup(const FString& Group, const TArray<const FZovaCommand*>& Members)
	{
		ZovaOutput::PrintLine(FString::Printf(TEXT("Commands of \"zova %s\" (\"zova %s <command> --help\" describes one):"), *Group, *Group));
		TArray<TArray<FString>> Rows;
		for (const FZovaCommand* Command : Members)
		{
			Rows.Add({FString(TEXT("  zova ")) + Command->Name, Command->Summary});
		}
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

	/** Words that name no command: a group's list when only the group is named, else the unknown command. */
	int32 ExplainUnknownWords(const TArray<FString>& Words)
	{
		const TArray<const FZovaCommand*> Members = FindGroup(Words[0]);
		if (Members.IsEmpty())
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("unknown command \"%s\" (see zova --help)"), *Words[0]));
		}
		if (Words.Num() == 1 || IsHelpWord(Words[1]))
		{
			return PrintGroup(Words[0], Members);
		}
		if (Words[1].StartsWith(TEXT("-"), ESearchCase::CaseSensitive))
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("\"%s\" needs a command before its options (see zova %s --help)"), *Words[0], *Words[0]));
		}
		return ZovaOutput::UsageError(FString::Printf(TEXT("unknown command \"%s %s\" (see zova %s --help)"), *Words[0], *Words[1], *Words[0]));
	}

	/** "zova help [TOPIC...]": the overview, a group's commands or one command's help. */
	int32 PrintHelp(const TArray<FString>& Topic)
	{
		if (Topic.IsEmpty() || IsHelpWord(Topic[0]))
		{
			return PrintOverview();
		}
		int32 WordsUsed = 0;
		const FZovaCommand* const Command = FindCommand(Topic, WordsUsed);
		if (Command && WordsUsed == Topic.Num())
		{
			ZovaOutput::PrintLine(Command->Help);
			return EZovaExit::Success;
		}
		if (Topic.Num() == 1 && !FindGroup(Topic[0]).IsEmpty())
		{
			return PrintGroup(Topic[0], FindGroup(Topic[0]));
		}
		return ZovaOutput::UsageError(FString::Printf(TEXT("unknown command \"%s\" (see zova --help)"), *FString::Join(Topic, TEXT(" "))));
	}
}

int main(int ArgC, char** ArgV)
{
	ZovaInterrupts::Start();

	TArray<FString> Words;
	for (int32 Index = 1; Index < ArgC; ++Index)
	{
		const FUTF8ToTCHAR Converted(ArgV[Index]);
		Words.Add(FString::ConstructFromPtrSize(Converted.Get(), Converted.Length()));
	}
	if (Words.IsEmpty())
	{
		return ZovaOutput::UsageError(TEXT("no command given (see zova --help)"));
	}
	if (IsHelpWord(Words[0]))
	{
		return PrintOverview();
	}
	if (Words[0] == TEXT("help"))
	{
		return PrintHelp(TArray<FString>(Words.GetData() + 1, Words.Num() - 1));
	}

	int32 WordsUsed = 0;
	const FZovaCommand* const Command = FindCommand(Words, WordsUsed);
	if (!Command)
	{
		return ExplainUnknownWords(Words);
	}
	FZovaArguments Arguments;
	FString Error;
	if (!Arguments.Parse(TArray<FString>(Words.GetData() + WordsUsed, Words.Num() - WordsUsed), *Command, Error))
	{
		return ZovaOutput::UsageError(Error + FString::Printf(TEXT(" (see zova %s --help)"), Command->Name));
	}
	if (Arguments.WantsHelp())
	{
		ZovaOutput::PrintLine(Command->Help);
		return EZovaExit::Success;
	}
	const FZovaLogOutput LogOutput;
	GEngineLoop.PreInit(TEXT(""));
	GEngineLoop.Init();
	const int32 ExitCode = Command->Run(Arguments);
	GEngineLoop.Exit();
	return ExitCode;
}
