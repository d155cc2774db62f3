#include "UObject/NameTypes.h"

#include "Misc/AssertionMacros.h"
#include "Misc/Char.h"
#include "Misc/CString.h"

#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace
{
	/** Entry 0 is "None"; comparison entries are keyed by lower-cased text, display entries by exact text. */
	struct FNameTable
	{
		std::mutex Mutex;
		std::vector<FString> Entries{FString(TEXT("None"))};
		std::unordered_map<std::u16string, uint32> ComparisonByLower{{u"none", 0}};
		std::unordered_map<std::u16string, uint32> DisplayByExact{{u"None", 0}};

		static FNameTable& Get()
		{
			static FNameTable Table;
			return Table;
		}
	};

	std::u16string Lower(const TCHAR* Name, int32 Len)
	{
		std::u16string Result(Name, (size_t)Len);
		for (char16_t& Char : Result)
		{
			Char = FChar::ToLower(Char);
		}
		return Result;
	}

	/**
	 * Takes a trailing "_<n>" off InOutLen and returns n's internal number, as the engine splits names:
	 * at most ten digits, no leading zero unless n is 0, n below MAX_int32. Anything else stays text.
	 */
	uint32 SplitNumber(const TCHAR* Name, int32& InOutLen)
	{
		constexpr int32 MaxDigits = 10;
		int32 Digits = 0;
		while (Digits < InOutLen && FChar::IsDigit(Name[InOutLen - 1 - Digits]))
		{
			++Digits;
		}
		const int32 Underscore = InOutLen - Digits - 1;
		const TCHAR* const FirstDigit = Name + Underscore + 1;
		if (Digits == 0 || Digits > MaxDigits || Underscore < 0 || Name[Underscore] != TEXT('_') || (Digits > 1 && *FirstDigit == TEXT('0')))
		{
			return NAME_NO_NUMBER_INTERNAL;
		}
		int64 Value = 0;
		for (int32 Index = 0; Index < Digits; ++Index)
		{
			Value = Value * 10 + (FirstDigit[Index] - TEXT('0'));
		}
		if (Value >= MAX_int32)
		{
			return NAME_NO_NUMBER_INTERNAL;
		}
		InOutLen = Underscore;
		return (uint32)NAME_EXTERNAL_TO_INTERNAL(Value);
	}
}

namespace
{
	/** Short words the display form writes in lower case where they start a word that is not the first. */
	const TCHAR* const LowerCaseDisplayWords[] = {TEXT("In"), TEXT("As"), TEXT("To"), TEXT("Or"), TEXT("At"), TEXT("On"), TEXT("If"), TEXT("Be"), TEXT("By"), TEXT("The"), TEXT("For"), TEXT("And"), TEXT("With"), TEXT("When"), TEXT("From")};

	/**
	 * Whether one of those words, spelled exactly so, starts at Index and is followed by something that
	 * is not a lower-case letter: "On" in "SwitchOnInt" counts, in "Once" or at the very end it does not.
	 */
	bool StartsLowerCaseDisplayWord(const FString& Text, int32 Index)
	{
		for (const TCHAR* const Word : LowerCaseDisplayWords)
		{
			const int32 End = Index + FCString::Strlen(Word);
			if (End < Text.Len() && Text[End] != TEXT('\0') && !FChar::IsLower(Text[End]) && FCString::Strncmp(*Text + Index, Word, End - Index) == 0)
			{
				return true;
			}
		}
		return false;
	}
}

FName::FName(const TCHAR* Name, EFindName FindType)
	: FName(Name ? FCString::Strlen(Name) : 0, Name, FindType)
{
}

FName::FName(const ANSICHAR* Name, EFindName FindType)
	: FName(FString(Name), FindType)
{
}

FName::FName(const FString& Name, EFindName FindType)
	: FName(Name.Len(), *Name, FindType)
{
}

FName::FName(int32 Len, const TCHAR* Name, EFindName FindType)
{
	if (Len <= 0 || !Name)
	{
		return;
	}
	const uint32 SplitOffNumber = SplitNumber(Name, Len);
	// "_<n>" alone names nothing: it is None, and its number is dropped.
	if (Len == 0)
	{
		return;
	}
	// A lookup keeps the number even when the text is not found, so it gives "None_<n>".
	Number = SplitOffNumber;
	if (Len >= NAME_SIZE && FindType == FNAME_Find)
	{
		return;
	}
	checkf(Len < NAME_SIZE, TEXT("A name holds at most %d characters before its number; this one has %d"), NAME_SIZE - 1, Len);

	FNameTable& Table = FNameTable::Get();
	std::lock_guard<std::mutex> Lock(Table.Mutex);
	const std::u16string Exact(Name, (size_t)Len);
	const auto Display = Table.DisplayByExact.find(Exact);
	if (Display != Table.DisplayByExact.end())
	{
		DisplayIndex = Display->second;
		ComparisonIndex = Table.ComparisonByLower.at(Lower(Name, Len));
		return;
	}
	const std::u16string Key = Lower(Name, Len);
	const auto Comparison = Table.ComparisonByLower.find(Key);
	if (FindType == FNAME_Find)
	{
		if (Comparison != Table.ComparisonByLower.end())
		{
			ComparisonIndex = DisplayIndex = Comparison->second;
		}
		return;
	}
	DisplayIndex = (uint32)Table.Entries.size();
	Table.Entries.push_back(FString::ConstructFromPtrSize(Name, Len));
	Table.DisplayByExact.emplace(Exact, DisplayIndex);
	ComparisonIndex = Comparison != Table.ComparisonByLower.end() ? Comparison->second : DisplayIndex;
	Table.ComparisonByLower.emplace(Key, ComparisonIndex);
}

FString FName::GetPlainNameString() const
{
	FNameTable& Table = FNameTable::Get();
	std::lock_guard<std::mutex> Lock(Table.Mutex);
	return Table.Entries[DisplayIndex];
}

FString FName::ToString() const
{
	FString Result = GetPlainNameString();
	if (Number != NAME_NO_NUMBER_INTERNAL)
	{
		Result += FString::Printf(TEXT("_%d"), NAME_INTERNAL_TO_EXTERNAL((int32)Number));
	}
	return Result;
}

bool FName::operator==(const TCHAR* Other) const
{
	int32 Len = Other ? FCString::Strlen(Other) : 0;
	if (Len == 0)
	{
		return IsNone();
	}
	// "_<n>" makes None, so None equals it.
	if (IsNone() && Other[0] == TEXT('_'))
	{
		SplitNumber(Other, Len);
		return Len == 0;
	}
	if (Number != NAME_NO_NUMBER_INTERNAL && SplitNumber(Other, Len) != Number)
	{
		return false;
	}
	const FString Plain = GetPlainNameString();
	return Plain.Len() == Len && FCString::Strnicmp(*Plain, Other, Len) == 0;
}

bool FName::LexicalLess(const FName& Other) const
{
	return Compare(Other) < 0;
}

int32 FName::Compare(const FName& Other) const
{
	if (ComparisonIndex == Other.ComparisonIndex)
	{
		return (int32)Number - (int32)Other.Number;
	}
	return FCString::Stricmp(*GetPlainNameString(), *Other.GetPlainNameString());
}

FString FName::NameToDisplayString(const FString& InDisplayName, const bool bIsBool)
{
	const int32 Length = InDisplayName.Len();
	FString Result;
	// Capitals and digits in a row stay one word ("HTTPRequest", "3D"); a lower-case letter ends the row.
	bool bInRun = false;
	bool bAfterSpace = false;
	bool bAfterOpenParenthesis = false;
	bool bAfterMinus = false;
	// Digits, and a minus sign or point among them, are one number: "-1.5" is not split.
	bool bInNumber = false;
	for (int32 Index = 0; Index < Length; ++Index)
	{
		TCHAR Char = InDisplayName[Index];
		const bool bDigit = FChar::IsDigit(Char);
		if (Index == 0 && bIsBool && Char == TEXT('b') && Length > 1 && FChar::IsUpper(InDisplayName[1]))
		{
			continue;
		}
		if ((FChar::IsUpper(Char) || (bDigit && !bAfterMinus)) && !bInRun && !bAfterOpenParenthesis && !bInNumber)
		{
			if (!bAfterSpace && !Result.IsEmpty())
			{
				Result.AppendChar(TEXT(' '));
				bAfterSpace = true;
			}
			bInRun = true;
		}
		if (FChar::IsLower(Char))
		{
			bInRun = false;
		}
		if (FChar::IsUnderscore(Char))
		{
			Char = TEXT(' ');
			bInRun = true;
		}
		if (Result.IsEmpty())
		{
			Char = FChar::ToUpper(Char);
		}
		else if (!bDigit && (bAfterSpace || bAfterOpenParenthesis))
		{
			Char = StartsLowerCaseDisplayWord(InDisplayName, Index) ? FChar::ToLower(Char) : FChar::ToUpper(Char);
		}
		bAfterSpace = Char == TEXT(' ');
		bAfterOpenParenthesis = Char == TEXT('(');
		bAfterMinus = Char == TEXT('-');
		bInNumber = bDigit || (bInNumber && (bAfterMinus || Char == TEXT('.')));
		// AppendChar drops a zero character, as the engine's does.
		Result.AppendChar(Char);
	}
	return Result;
}
