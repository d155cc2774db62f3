#include "ZovaArguments.h"

#include <iostream>
#include <iterator>
#include <string>

bool FZovaArguments::Parse(const TArray<FString>& Words, const TArray<FString>& OptionNames, const TArray<FString>& FlagNames, FString& OutError)
{
	bool bOnlyPositional = false;
	for (int32 Index = 0; Index < Words.Num(); ++Index)
	{
		const FString& Word = Words[Index];
		if (bOnlyPositional || !Word.StartsWith(TEXT("--"), ESearchCase::CaseSensitive))
		{
			Positional.Add(Word);
			continue;
		}
		if (Word == TEXT("--"))
		{
			bOnlyPositional = true;
			continue;
		}
		const FString Name = Word.RightChop(2);
		if (FlagNames.Contains(Name) || Name == TEXT("json"))
		{
			Flags.AddUnique(Name);
		}
		else if (OptionNames.Contains(Name))
		{
			if (Index + 1 >= Words.Num())
			{
				OutError = FString::Printf(TEXT("option --%s needs a value"), *Name);
				return false;
			}
			Options.FindOrAdd(Name).Add(Words[++Index]);
		}
		else
		{
			OutError = FString::Printf(TEXT("unknown option %s"), *Word);
			return false;
		}
	}
	return true;
}

FString FZovaArguments::GetPositional(int32 Index) const
{
	if (!Positional.IsValidIndex(Index))
	{
		return FString();
	}
	if (Positional[Index] != TEXT("-"))
	{
		return Positional[Index];
	}
	const std::string Input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
	const FUTF8ToTCHAR Converted(Input.data(), (int32)Input.size());
	return FString::ConstructFromPtrSize(Converted.Get(), Converted.Length());
}

const TArray<FString>& FZovaArguments::GetOptionValues(const FString& Name) const
{
	static const TArray<FString> None;
	const TArray<FString>* Values = Options.Find(Name);
	return Values ? *Values : None;
}

bool FZovaArguments::GetOption(const FString& Name, FString& OutValue) const
{
	const TArray<FString>& Values = GetOptionValues(Name);
	if (Values.IsEmpty())
	{
		return false;
	}
	OutValue = Values.Last();
	return true;
}
