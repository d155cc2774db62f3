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

/** Maximum size of a name's text, terminator included. */
enum {NAME_SIZE = 1024};

/** A name's number is stored one above the "_<n>" it was written with, so 0 means no number. */
#define NAME_NO_NUMBER_INTERNAL 0
#define NAME_INTERNAL_TO_EXTERNAL(x) (x - 1)
#define NAME_EXTERNAL_TO_INTERNAL(x) (x + 1)

/**
 * Interned name: a text and a number. Text written "Base_<n>" is stored as "Base" and n. Comparison
 * ignores case; each spelling keeps its own display text, as in an editor build of the engine.
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
	/** The text without its "_<n>" suffix. */
	FString GetPlainNameString() const;
	/** The internal number: NAME_NO_NUMBER_INTERNAL, or n + 1 for a name written "Base_<n>". */
	int32 GetNumber() const { return (int32)Number; }
	bool IsNone() const { return ComparisonIndex == 0 && Number == NAME_NO_NUMBER_INTERNAL; }
	bool IsValid() const { return true; }
	bool IsEqual(const FName& Other) const { return *this == Other; }
	uint32 GetComparisonIndex() const { return ComparisonIndex; }
	uint32 GetDisplayIndex() const { return DisplayIndex; }

	bool operator==(const FName& Other) const { return ComparisonIndex == Other.ComparisonIndex && Number == Other.Number; }
	bool operator!=(const FName& Other) const { return !(*this == Other); }
	bool operator==(EName) const { return IsNone(); }
	bool operator!=(EName) const { return !IsNone(); }
	/** Compares with the name a string would make, ignoring case, without adding it to the table. */
	bool operator==(const TCHAR* Other) const;
	bool operator!=(const TCHAR* Other) const { return !(*this == Other); }

	/** Orders by text ignoring case, then by number. */
	bool LexicalLess(const FName& Other) const;
	int32 Compare(const FName& Other) const;
	bool FastLess(const FName& Other) const { return ComparisonIndex != Other.ComparisonIndex ? ComparisonIndex < Other.ComparisonIndex : Number < Other.Number; }

	/**
	 * The editor's display form of a C++ name: words split before capitals and digits that start a run
	 * ("OnSuccess" -> "On Success", "DrawScale3D" -> "Draw Scale 3D", "HTTPRequest" unchanged), an
	 * underscore read as a space, the first letter and each word's first letter in capitals but for a
	 * few short words ("IntToString" -> "Int to String"), and a bool's "b" dropped before a capital.
	 * The engine also keeps words registered as exemptions whole; the host registers none.
	 */
	static FString NameToDisplayString(const FString& InDisplayName, const bool bIsBool);

private:
	uint32 ComparisonIndex = 0;
	uint32 DisplayIndex = 0;
	uint32 Number = NAME_NO_NUMBER_INTERNAL;
};

inline uint32 GetTypeHash(const FName& Name)
{
	return GetTypeHash(Name.GetComparisonIndex()) + (uint32)Name.GetNumber();
}

inline FString LexToString(const FName& Name)
{
	return Name.ToString();
}

struct FNameLexicalLess
{
	bool operator()(const FName& A, const FName& B) const { return A.LexicalLess(B); }
};
