#include "ZovaArguments.h"

#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

#include <algorithm>
#include <iostream>
#include <iterator>

namespace
{
	const TCHAR* const StandardInputWord = TEXT("-");

	bool IsHelpWord(const FString& Word)
	{
		return Word == TEXT("--help") || Word == TEXT("-h");
	}

	EZovaValue GetPositionalKind(const FZovaCommand& Command, int32 Index)
	{
		return Command.Positionals.IsEmpty() ? EZovaValue::Text : Command.Positionals[std::min(Index, Command.Positionals.Num() - 1)];
	}

	/** UTF-8 bytes as text, by length, so that a NUL byte stays a character. */
	FString Utf8ToText(const TArray<uint8>& Bytes)
	{
		const FUTF8ToTCHAR Converted(reinterpret_cast<const ANSICHAR*>(Bytes.GetData()), Bytes.Num());
		return FString::ConstructFromPtrSize(Converted.Get(), Converted.Length());
	}

	/** A URL or key typed as a line ends at its newline, which is no part of it. */
	void RemoveOneTrailingNewline(FString& Text)
	{
		if (Text.EndsWith(TEXT("\n"), ESearchCase::CaseSensitive))
		{
			Text.LeftChopInline(Text.EndsWith(TEXT("\r\n"), ESearchCase::CaseSensitive) ? 2 : 1);
		}
	}
}

bool FZovaArguments::Parse(const TArray<FString>& Words, const FZovaCommand& Command, FString& OutError)
{
	bool bOnlyPositional = false;
	int32 NumStandardInputs = 0;
	const auto Keep = [&NumStandardInputs](TArray<FValue>& Into, const FString& Text, EZovaValue Kind)
	{
		NumStandardInputs += (Kind != EZovaValue::Word && Text == StandardInputWord) ? 1 : 0;
		Into.Add({Text, Kind});
	};

	for (int32 Index = 0; Index < Words.Num(); ++Index)
	{
		const FString& Word = Words[Index];
		if (!bOnlyPositional && IsHelpWord(Word))
		{
			bWantsHelp = true;
			return true;
		}
		if (bOnlyPositional || !Word.StartsWith(TEXT("--"), ESearchCase::CaseSensitive))
		{
			Keep(Positional, Word, GetPositionalKind(Command, Positional.Num()));
			continue;
		}
		if (Word == TEXT("--"))
		{
			bOnlyPositional = true;
			continue;
		}

		const FString Name = Word.RightChop(2);
		if (Name == TEXT("json") || Command.FlagNames.Contains(Name))
		{
			Flags.AddUnique(Name);
			continue;
		}
		const FZovaOption* const Option = Command.Options.FindByPredicate([&Name](const FZovaOption& Candidate) { return Name.Equals(Candidate.Name, ESearchCase::CaseSensitive); });
		if (!Option)
		{
			OutError = FString::Printf(TEXT("unknown option %s"), *Word);
			return false;
		}
		if (Index + 1 >= Words.Num())
		{
			OutError = FString::Printf(TEXT("option %s needs a value"), *Word);
			return false;
		}
		TArray<FValue>& Values = Options.FindOrAdd(Name);
		if (!Option->bRepeatable && !Values.IsEmpty())
		{
			OutError = FString::Printf(TEXT("option %s is given twice; it takes one value"), *Word);
			return false;
		}
		Keep(Values, Words[++Index], Option->Value);
	}

	if (NumStandardInputs > 1)
	{
		OutError = FString::Printf(TEXT("\"-\" stands for standard input, which can feed one argument only, but it is given %d times"), NumStandardInputs);
		return false;
	}
	return true;
}

FString FZovaArguments::GetPositional(int32 Index) const
{
	return Positional.IsValidIndex(Index) ? Resolve(Positional[Index]) : FString();
}

TArray<FString> FZovaArguments::GetOptionValues(const FString& Name) const
{
	TArray<FString> Resolved;
	if (const TArray<FValue>* const Values = Options.Find(Name))
	{
		for (const FValue& Value : *Values)
		{
			Resolved.Add(Resolve(Value));
		}
	}
	return Resolved;
}

bool FZovaArguments::GetOption(const FString& Name, FString& OutValue) const
{
	const TArray<FValue>* const Values = Options.Find(Name);
	if (!Values || Values->IsEmpty())
	{
		return false;
	}
	OutValue = Resolve((*Values)[0]);
	return true;
}

bool FZovaArguments::ReadFileOption(const FString& Name, FString& OutText, FString& OutError) const
{
	const TArray<FValue>* const Values = Options.Find(Name);
	if (!Values || Values->IsEmpty())
	{
		OutError = FString::Printf(TEXT("option --%s is missing"), *Name);
		return false;
	}
	return ReadFile((*Values)[0], OutText, OutError);
}

bool FZovaArguments::ReadFilePositional(int32 Index, FString& OutText, FString& OutError) const
{
	check(Positional.IsValidIndex(Index));
	return ReadFile(Positional[Index], OutText, OutError);
}

bool FZovaArguments::ReadFile(const FValue& Value, FString& OutText, FString& OutError) const
{
	if (Value.Text == StandardInputWord)
	{
		const TArray<uint8>& Bytes = ReadStandardInput();
		FFileHelper::BufferToString(OutText, Bytes.GetData(), Bytes.Num());
		return true;
	}
	const FString FullPath = FPaths::ConvertRelativePathToFull(FPaths::LaunchDir(), Value.Text);
	if (!FFileHelper::LoadFileToString(OutText, *FullPath))
	{
		OutError = FString::Printf(TEXT("cannot read the file %s"), *FullPath);
		return false;
	}
	return true;
}

FString FZovaArguments::Resolve(const FValue& Value) const
{
	if (Value.Kind == EZovaValue::Word || Value.Text != StandardInputWord)
	{
		return Value.Text;
	}
	FString Text = Utf8ToText(ReadStandardInput());
	if (Value.Kind == EZovaValue::Line)
	{
		RemoveOneTrailingNewline(Text);
	}
	return Text;
}

const TArray<uint8>& FZovaArguments::ReadStandardInput() const
{
	if (!StandardInput)
	{
		const std::string Input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
		StandardInput.Emplace(reinterpret_cast<const uint8*>(Input.data()), (int32)Input.size());
	}
	return *StandardInput;
}
