#include "ZovaArguments.h"

#include "HAL/PlatformFileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

#include <algorithm>
#include <cstdio>
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

	/** Every byte of a path that is not a regular file; false when it cannot be opened or read (a folder). */
	bool ReadToEnd(const FString& Path, TArray<uint8>& OutBytes)
	{
		FILE* const Stream = fopen(TCHAR_TO_UTF8(*Path), "rb");
		if (!Stream)
		{
			return false;
		}
		uint8 Buffer[65536];
		size_t NumRead = 0;
		while ((NumRead = fread(Buffer, 1, sizeof(Buffer), Stream)) > 0)
		{
			OutBytes.Append(Buffer, (int32)NumRead);
		}
		const bool bRead = !ferror(Stream);
		fclose(Stream);
		return bRead;
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
	FString EmptyPathError;
	const auto Keep = [&NumStandardInputs, &EmptyPathError](TArray<FValue>& Into, const FString& Text, EZovaValue Kind, const FString& Where)
	{
		NumStandardInputs += (Kind != EZovaValue::Word && Kind != EZovaValue::Path && Text == StandardInputWord) ? 1 : 0;
		if (Text.IsEmpty() && (Kind == EZovaValue::File || Kind == EZovaValue::Path) && EmptyPathError.IsEmpty())
		{
			EmptyPathError = FString::Printf(TEXT("%s is an empty path"), *Where);
		}
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
			const EZovaValue Kind = GetPositionalKind(Command, Positional.Num());
			Keep(Positional, Word, Kind, FString::Printf(TEXT("the %s argument"), Kind == EZovaValue::File ? TEXT("FILE") : TEXT("PATH")));
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
		Keep(Values, Words[++Index], Option->Value, Word);
	}
	if (!EmptyPathError.IsEmpty())
	{
		OutError = EmptyPathError;
		return false;
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
	if (FPlatformFileManager::Get().GetPlatformFile().FileExists(*FullPath))
	{
		if (!FFileHelper::LoadFileToString(OutText, *FullPath))
		{
			OutError = FString::Printf(TEXT("cannot read the file %s"), *FullPath);
			return false;
		}
		return true;
	}
	// The engine reads regular files only; a pipe, /dev/stdin or a process substitution is read to its end here.
	TArray<uint8> Bytes;
	if (!ReadToEnd(FullPath, Bytes))
	{
		OutError = FString::Printf(TEXT("cannot read the file %s"), *FullPath);
		return false;
	}
	FFileHelper::BufferToString(OutText, Bytes.GetData(), Bytes.Num());
	return true;
}

FString FZovaArguments::Resolve(const FValue& Value) const
{
	if (Value.Kind == EZovaValue::Word || Value.Kind == EZovaValue::Path || Value.Text != StandardInputWord)
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
