#pragma once

#include "HAL/Platform.h"
#include "Containers/Array.h"
#include "Misc/CoreMiscDefines.h"
#include "Misc/CString.h"
#include "Templates/TypeHash.h"

#include <cstdarg>
#include <utility>

struct FStringFormatArg;
typedef TArray<FStringFormatArg> FStringFormatOrderedArguments;

/** UTF-16 text, stored with a terminating zero as in the engine; == and != ignore case. */
class CORE_API FString
{
public:
	typedef TArray<TCHAR> DataType;

	FString() = default;
	FString(const FString&) = default;
	FString(FString&&) noexcept = default;
	FString& operator=(const FString&) = default;
	FString& operator=(FString&&) noexcept = default;

	FString(const TCHAR* Str);
	/**
	 * The engine's source deprecates the counted constructors in 5.4, but for FString its mark
	 * expands to nothing; the host warns anyway, so that plug-ins move to ConstructFromPtrSize.
	 */
	UE_DEPRECATED(5.4, "Use FString::ConstructFromPtrSize(Ptr, Size).")
	FString(int32 InCount, const TCHAR* InSrc);
	/** ANSI text is widened byte by byte, as the engine does for ANSICHAR literals. */
	FString(const ANSICHAR* Str);
	UE_DEPRECATED(5.4, "Use FString::ConstructFromPtrSize(Ptr, Size).")
	FString(int32 InCount, const ANSICHAR* InSrc);
	/** UTF-8 text is decoded. */
	FString(const UTF8CHAR* Str);
	FString(FString&& Other, int32 ExtraSlack);

	FString& operator=(const TCHAR* Str);

	const TCHAR* operator*() const { return Data.Num() ? Data.GetData() : TEXT(""); }
	TCHAR& operator[](int32 Index);
	const TCHAR& operator[](int32 Index) const;

	int32 Len() const { return Data.Num() ? Data.Num() - 1 : 0; }
	bool IsEmpty() const { return Data.Num() <= 1; }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Len(); }
	DataType& GetCharArray() { return Data; }
	const DataType& GetCharArray() const { return Data; }
	void Empty(int32 Slack = 0);
	void Reset(int32 NewReservedSize = 0);
	void Reserve(int32 CharacterCount);
	void Shrink() { Data.Shrink(); }

	FString& Append(const TCHAR* Text, int32 Count);
	FString& Append(const TCHAR* Text);
	FString& Append(const FString& Text) { return Append(*Text, Text.Len()); }
	FString& AppendChar(TCHAR InChar);
	void AppendChars(const TCHAR* Array, int32 Count) { Append(Array, Count); }
	FString& operator+=(const TCHAR* Str) { return Append(Str); }
	FString& operator+=(const FString& Str) { return Append(Str); }
	FString& operator+=(TCHAR InChar) { return AppendChar(InChar); }
	FString& operator/=(const FString& Str);
	void InsertAt(int32 Index, TCHAR Character);
	void InsertAt(int32 Index, const FString& Characters);
	void RemoveAt(int32 Index, int32 Count = 1);

	bool Equals(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;
	int32 Compare(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;

	int32 Find(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const;
	int32 Find(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const
	{
		return Find(*SubStr, SearchCase, SearchDir, StartPosition);
	}
	bool Contains(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}
	bool Contains(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(*SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}
	bool FindChar(TCHAR InChar, int32& Index) const;
	bool FindLastChar(TCHAR InChar, int32& Index) const;
	bool StartsWith(const TCHAR* InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool StartsWith(const FString& InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const { return StartsWith(*InPrefix, SearchCase); }
	bool EndsWith(const TCHAR* InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool EndsWith(const FString& InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const { return EndsWith(*InSuffix, SearchCase); }

	/** Removes the prefix or suffix when the text has it; returns whether it did. */
	bool RemoveFromStart(const TCHAR* InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(const TCHAR* InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

	FString Left(int32 Count) const;
	FString LeftChop(int32 Count) const;
	FString Right(int32 Count) const;
	FString RightChop(int32 Count) const;
	FString Mid(int32 Start, int32 Count = 0x7fffffff) const;
	void LeftInline(int32 Count) { *this = Left(Count); }
	void LeftChopInline(int32 Count) { *this = LeftChop(Count); }
	void RightInline(int32 Count) { *this = Right(Count); }
	void RightChopInline(int32 Count) { *this = RightChop(Count); }
	void MidInline(int32 Start, int32 Count = 0x7fffffff) { *this = Mid(Start, Count); }

	bool Split(const FString& InS, FString* LeftS, FString* RightS, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const;
	int32 ParseIntoArray(TArray<FString>& OutArray, const TCHAR* Delim, bool bCullEmpty = true) const;
	int32 ParseIntoArrayLines(TArray<FString>& OutArray, bool bCullEmpty = true) const;

	FString Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const&;
	FString Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) &&;
	int32 ReplaceInline(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	int32 ReplaceCharInline(TCHAR From, TCHAR To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	/** A copy with \\, \n, \r, \t, ' and " written as their escape sequences (the backslash first, so none is escaped twice). */
	FString ReplaceCharWithEscapedChar() const;

	FString ToUpper() const&;
	FString ToLower() const&;
	void ToUpperInline();
	void ToLowerInline();
	FString TrimStart() const&;
	FString TrimEnd() const&;
	FString TrimStartAndEnd() const&;
	void TrimStartInline();
	void TrimEndInline();
	void TrimStartAndEndInline();
	FString TrimQuotes(bool* bQuotesRemoved = nullptr) const;

	/** Reverses the order of the UTF-16 code units (a surrogate pair ends up low half first). */
	FString Reverse() const&;
	FString Reverse() &&;
	void ReverseString();

	bool IsNumeric() const;
	bool ToBool() const;

	static FString FromInt(int32 Num);
	static FString SanitizeFloat(double InFloat, const int32 InMinFractionalDigits = 0);
	static FString Chr(TCHAR Ch);
	static FString ChrN(int32 NumCharacters, TCHAR Char);
	static FString Join(const TArray<FString>& Items, const TCHAR* Separator);
	static FString Format(const TCHAR* InFormatString, const FStringFormatOrderedArguments& InOrderedArguments);
	/** Every character of the buffer, zeros included (the FString(int32, const TCHAR*) constructor gives an empty string for a leading zero). */
	static FString ConstructFromPtrSize(const TCHAR* Ptr, int32 Size);
	/** Size bytes of UTF-8, zeros included, converted as FUTF8ToTCHAR converts them. */
	static FString ConstructFromPtrSize(const UTF8CHAR* Ptr, int32 Size);

	template <typename FmtType, typename... Types>
	static FString Printf(const FmtType& Fmt, Types... Args)
	{
		static_assert((std::is_trivially_copyable_v<Types> && ...), "Printf arguments must be plain values: pass *String for %s");
		return PrintfImpl(Fmt, Args...);
	}

	template <typename FmtType, typename... Types>
	FString& Appendf(const FmtType& Fmt, Types... Args)
	{
		return Append(Printf(Fmt, Args...));
	}

	friend FString operator+(const FString& Lhs, const FString& Rhs);
	friend FString operator+(FString&& Lhs, const FString& Rhs);
	friend FString operator+(const FString& Lhs, const TCHAR* Rhs);
	friend FString operator+(FString&& Lhs, const TCHAR* Rhs);
	friend FString operator+(const TCHAR* Lhs, const FString& Rhs);
	friend FString operator/(const FString& Lhs, const FString& Rhs);

	// Lengths first: most keys a map compares differ in length, and then no call is needed.
	bool operator==(const FString& Rhs) const { return Len() == Rhs.Len() && Equals(Rhs, ESearchCase::IgnoreCase); }
	bool operator!=(const FString& Rhs) const { return !(*this == Rhs); }
	bool operator==(const TCHAR* Rhs) const { return FCString::Stricmp(**this, Rhs ? Rhs : TEXT("")) == 0; }
	bool operator!=(const TCHAR* Rhs) const { return !(*this == Rhs); }
	bool operator<(const FString& Rhs) const { return FCString::Stricmp(**this, *Rhs) < 0; }

	TCHAR* begin() { return Data.GetData(); }
	TCHAR* end() { return Data.GetData() + Len(); }
	const TCHAR* begin() const { return Data.GetData(); }
	const TCHAR* end() const { return Data.GetData() + Len(); }

private:
	static FString PrintfImpl(const TCHAR* Fmt, ...);

	DataType Data;
};

inline bool operator==(const TCHAR* Lhs, const FString& Rhs)
{
	return Rhs == Lhs;
}

inline bool operator!=(const TCHAR* Lhs, const FString& Rhs)
{
	return !(Rhs == Lhs);
}

/** Case-insensitive, to agree with FString's operator==. */
CORE_API uint32 GetTypeHash(const FString& Str);

inline FString LexToString(int32 Value)
{
	return FString::FromInt(Value);
}

CORE_API FString LexToString(int64 Value);
CORE_API FString LexToString(uint32 Value);
CORE_API FString LexToString(uint64 Value);
CORE_API FString LexToString(double Value);
CORE_API FString LexToString(float Value);
CORE_API FString LexToString(bool Value);

inline FString LexToString(const FString& Value)
{
	return Value;
}

inline FString LexToString(const TCHAR* Value)
{
	return FString(Value);
}

/** Formats printf-style into a string; %s takes const TCHAR*. Used by FString::Printf and the log. */
CORE_API FString FormatVarArgs(const TCHAR* Fmt, va_list Args);
