#pragma once

#include "HAL/Platform.h"
#include "Containers/UnrealString.h"
#include "Misc/CString.h"

/** A non-owning view of UTF-16 text; binds implicitly to an FString or a TEXT() literal. */
template <typename CharType>
class TStringView
{
public:
	typedef CharType ElementType;

	constexpr TStringView() = default;
	constexpr TStringView(const CharType* InData, int32 InSize) : DataPtr(InData), Size(InSize) {}
	TStringView(const CharType* InData) : DataPtr(InData), Size(FCString::Strlen(InData)) {}
	TStringView(const FString& String) : DataPtr(*String), Size(String.Len()) {}

	const CharType* GetData() const { return DataPtr; }
	int32 Len() const { return Size; }
	bool IsEmpty() const { return Size == 0; }
	const CharType& operator[](int32 Index) const
	{
		check(Index >= 0 && Index < Size);
		return DataPtr[Index];
	}

	bool Equals(TStringView Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const
	{
		return Size == Other.Size
			&& (SearchCase == ESearchCase::CaseSensitive ? FCString::Strncmp(DataPtr, Other.DataPtr, Size) : FCString::Strnicmp(DataPtr, Other.DataPtr, Size)) == 0;
	}

	bool operator==(TStringView Other) const { return Equals(Other, ESearchCase::IgnoreCase); }
	bool operator!=(TStringView Other) const { return !Equals(Other, ESearchCase::IgnoreCase); }

	TStringView Left(int32 Count) const { return TStringView(DataPtr, Count < Size ? (Count > 0 ? Count : 0) : Size); }
	TStringView RightChop(int32 Count) const
	{
		const int32 Skipped = Count < Size ? (Count > 0 ? Count : 0) : Size;
		return TStringView(DataPtr + Skipped, Size - Skipped);
	}
	TStringView Mid(int32 Start, int32 Count) const { return RightChop(Start).Left(Count); }

	const CharType* begin() const { return DataPtr; }
	const CharType* end() const { return DataPtr + Size; }

private:
	const CharType* DataPtr = TEXT("");
	int32 Size = 0;
};

typedef TStringView<TCHAR> FStringView;
typedef TStringView<ANSICHAR> FAnsiStringView;
typedef TStringView<UTF8CHAR> FUtf8StringView;

inline FString ToString(FStringView View)
{
	return FString::ConstructFromPtrSize(View.GetData(), View.Len());
}
