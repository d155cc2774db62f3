#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"

enum EName
{
	NAME_None = 0
};

enum EFindName
{
	FNAME_Find,
	FNAME_Add
};

/**
 * Interned name. Comparison ignores case; each spelling keeps its own display text, as in an
 * editor build of the engine.
 */
class CORE_API FName
{
public:
	FName() = default;
	FName(EName) {}
	FName(const TCHAR* Name, EFindName FindType = FNAME_Add);
	FName(const ANSICHAR* Name, EFindName FindType = FNAME_Add);
	FName(const FString& Name, EFindName FindType = FNAME_Add);
	FName(int32 Len, const TCHAR* Name, EFindName FindType = FNAME_Add);

	FString ToString() const;
	void ToString(FString& Out) const { Out = ToString(); }
	void AppendString(FString& Out) const { Out += ToString(); }
	bool IsNone() const { return ComparisonIndex == 0; }
	bool IsValid() const { return true; }
	bool IsEqual(const FName& Other) const { return ComparisonIndex == Other.ComparisonIndex; }
	uint32 GetComparisonIndex() const { return ComparisonIndex; }
	uint32 GetDisplayIndex() const { return DisplayIndex; }

	bool operator==(const FName& Other) const { return ComparisonIndex == Other.ComparisonIndex; }
	bool operator!=(const FName& Other) const { return ComparisonIndex != Other.ComparisonIndex; }
	bool operator==(EName) const { return IsNone(); }
	bool operator!=(EName) const { return !IsNone(); }
	/** Compares the name's text with a string, ignoring case. */
	bool operator==(const TCHAR* Other) const;
	bool operator!=(const TCHAR* Other) const { return !(*this == Other); }

	/** Orders by text, ignoring case. */
	bool LexicalLess(const FName& Other) const;
	int32 Compare(const FName& Other) const;
	bool FastLess(const FName& Other) const { return ComparisonIndex < Other.ComparisonIndex; }

private:
	uint32 ComparisonIndex = 0;
	uint32 DisplayIndex = 0;
};

inline uint32 GetTypeHash(const FName& Name)
{
	return GetTypeHash(Name.GetComparisonIndex());
}

inline FString LexToString(const FName& Name)
{
	return Name.ToString();
}

struct FNameLexicalLess
{
	bool operator()(const FName& A, const FName& B) const { return A.LexicalLess(B); }
};
