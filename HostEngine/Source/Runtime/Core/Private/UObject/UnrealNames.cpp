#include "UObject/NameTypes.h"

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
}

FName::FName(const TCHAR* Name, EFindName FindType)
	: FName(FCString::Strlen(Name), Name, FindType)
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
	FNameTable& Table = FNameTable::Get();
	std::lock_guard<std::mutex> Lock(Table.Mutex);
	const std::u16string Key = Lower(Name, Len);
	const auto Comparison = Table.ComparisonByLower.find(Key);
	if (Comparison == Table.ComparisonByLower.end())
	{
		if (FindType == FNAME_Find)
		{
			return;
		}
		const uint32 NewIndex = (uint32)Table.Entries.size();
		Table.Entries.push_back(FString(Len, Name));
		Table.ComparisonByLower.emplace(Key, NewIndex);
		Table.DisplayByExact.emplace(std::u16string(Name, (size_t)Len), NewIndex);
		ComparisonIndex = DisplayIndex = NewIndex;
		return;
	}
	ComparisonIndex = Comparison->second;
	if (ComparisonIndex == 0)
	{
		DisplayIndex = 0;
		return;
	}
	const std::u16string Exact(Name, (size_t)Len);
	const auto Display = Table.DisplayByExact.find(Exact);
	if (Display != Table.DisplayByExact.end())
	{
		DisplayIndex = Display->second;
	}
	else if (FindType == FNAME_Find)
	{
		DisplayIndex = ComparisonIndex;
	}
	else
	{
		DisplayIndex = (uint32)Table.Entries.size();
		Table.Entries.push_back(FString(Len, Name));
		Table.DisplayByExact.emplace(Exact, DisplayIndex);
	}
}

FString FName::ToString() const
{
	FNameTable& Table = FNameTable::Get();
	std::lock_guard<std::mutex> Lock(Table.Mutex);
	return Table.Entries[DisplayIndex];
}

bool FName::operator==(const TCHAR* Other) const
{
	return FCString::Stricmp(*ToString(), Other ? Other : TEXT("")) == 0 || (IsNone() && (!Other || !*Other));
}

bool FName::LexicalLess(const FName& Other) const
{
	return Compare(Other) < 0;
}

int32 FName::Compare(const FName& Other) const
{
	return ComparisonIndex == Other.ComparisonIndex ? 0 : FCString::Stricmp(*ToString(), *Other.ToString());
}
