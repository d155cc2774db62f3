#include "Containers/UnrealString.h"
#include "Containers/StringConv.h"
#include "Misc/StringFormatArg.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace
{
	bool CharsEqual(TCHAR A, TCHAR B, ESearchCase::Type SearchCase)
	{
		return SearchCase == ESearchCase::CaseSensitive ? A == B : FChar::ToLower(A) == FChar::ToLower(B);
	}

	bool MatchesAt(const TCHAR* Text, int32 TextLen, int32 Position, const TCHAR* Sub, int32 SubLen, ESearchCase::Type SearchCase)
	{
		if (Position < 0 || Position + SubLen > TextLen)
		{
			return false;
		}
		for (int32 Index = 0; Index < SubLen; ++Index)
		{
			if (!CharsEqual(Text[Position + Index], Sub[Index], SearchCase))
			{
				return false;
			}
		}
		return true;
	}

	/** Widens each byte as the engine's char type does: signed here, so 0xE9 gives U+FFE9. */
	FString FromAnsi(const ANSICHAR* Text, int32 Count)
	{
		check(Count >= 0);
		FString Result;
		TArray<TCHAR>& Chars = Result.GetCharArray();
		if (Count > 0)
		{
			Chars.SetNumUninitialized(Count + 1);
			UE::Core::Private::ConvertInOnePass(Chars.GetData(), Text, Count);
			Chars[Count] = 0;
		}
		return Result;
	}
}

FString::FString(const TCHAR* Str)
{
	if (Str && *Str)
	{
		Append(Str, FCString::Strlen(Str));
	}
}

FString::FString(int32 InCount, const TCHAR* InSrc)
{
	// A text that starts with a zero gives an empty string, whatever the count.
	if (InSrc && *InSrc)
	{
		*this = ConstructFromPtrSize(InSrc, InCount);
	}
}

FString::FString(const ANSICHAR* Str)
{
	if (Str && *Str)
	{
		*this = FromAnsi(Str, (int32)strlen(Str));
	}
}

FString::FString(int32 InCount, const ANSICHAR* InSrc)
{
	if (InSrc && *InSrc)
	{
		*this = FromAnsi(InSrc, InCount);
	}
}

FString::FString(const UTF8CHAR* Str)
{
	if (Str && *Str)
	{
		const FUTF8ToTCHAR Converted(Str);
		Append(Converted.Get(), Converted.Length());
	}
}

FString FString::ConstructFromPtrSize(const TCHAR* Ptr, int32 Size)
{
	checkf(Ptr || Size == 0, TEXT("A string cannot be made from a null buffer"));
	checkf(Size >= 0, TEXT("A string cannot be made of %d characters"), Size);
	FString Result;
	Result.Append(Ptr, Size);
	return Result;
}

FString FString::ConstructFromPtrSize(const UTF8CHAR* Ptr, int32 Size)
{
	checkf(Ptr || Size == 0, TEXT("A string cannot be made from a null buffer"));
	checkf(Size >= 0, TEXT("A string cannot be made of %d characters"), Size);
	FString Result;
	if (Size > 0)
	{
		// No UTF-8 byte gives more than one UTF-16 unit: the text converts in one pass straight into
		// its place, then gives the slack back, which the allocator does in place where it can.
		Result.Data.SetNumUninitialized(Size + 1);
		const int32 Converted = UE::Core::Private::ConvertInOnePass(Result.Data.GetData(), Ptr, Size);
		Result.Data[Converted] = 0;
		Result.Data.SetNumUninitialized(Converted + 1);
		Result.Data.Shrink();
	}
	return Result;
}

FString::FString(FString&& Other, int32 ExtraSlack)
	: Data(std::move(Other.Data))
{
	Data.Reserve(Data.Num() + ExtraSlack);
}

FString& FString::operator=(const TCHAR* Str)
{
	FString Copy(Str);
	*this = std::move(Copy);
	return *this;
}

TCHAR& FString::operator[](int32 Index)
{
	checkf(IsValidIndex(Index), TEXT("String index out of bounds: %d into a string of length %d"), Index, Len());
	return Data[Index];
}

const TCHAR& FString::operator[](int32 Index) const
{
	checkf(IsValidIndex(Index), TEXT("String index out of bounds: %d into a string of length %d"), Index, Len());
	return Data[Index];
}

void FString::Empty(int32 Slack)
{
	Data.Empty(Slack ? Slack + 1 : 0);
}

void FString::Reset(int32 NewReservedSize)
{
	Data.Reset(NewReservedSize ? NewReservedSize + 1 : 0);
}

void FString::Reserve(int32 CharacterCount)
{
	Data.Reserve(CharacterCount + 1);
}

FString& FString::Append(const TCHAR* Text, int32 Count)
{
	if (Count > 0 && Text)
	{
		if (Data.Num())
		{
			Data.Pop();
		}
		// Room for the terminator up front, so that a long text is not copied again to add it.
		const int32 Needed = Data.Num() + Count + 1;
		if (Needed > Data.Max())
		{
			Data.Reserve(std::max(Needed, Data.Max() + Data.Max() / 2 + 4));
		}
		Data.Append(Text, Count);
		Data.Add(0);
	}
	return *this;
}

FString& FString::Append(const TCHAR* Text)
{
	return Text ? Append(Text, FCString::Strlen(Text)) : *this;
}

FString& FString::AppendChar(TCHAR InChar)
{
	if (InChar != 0)
	{
		Append(&InChar, 1);
	}
	return *this;
}

FString& FString::operator/=(const FString& Str)
{
	if (!IsEmpty() && !EndsWith(TEXT("/")) && !EndsWith(TEXT("\\")) && !Str.StartsWith(TEXT("/")))
	{
		AppendChar('/');
	}
	return Append(Str);
}

void FString::InsertAt(int32 Index, TCHAR Character)
{
	InsertAt(Index, Chr(Character));
}

void FString::InsertAt(int32 Index, const FString& Characters)
{
	check(Index >= 0 && Index <= Len());
	*this = Left(Index) + Characters + RightChop(Index);
}

void FString::RemoveAt(int32 Index, int32 Count)
{
	check(Index >= 0 && Count >= 0 && Index + Count <= Len());
	Data.RemoveAt(Index, Count);
	if (Data.Num() == 1)
	{
		Data.Empty();
	}
}

bool FString::Equals(const FString& Other, ESearchCase::Type SearchCase) const
{
	return Len() == Other.Len() && Compare(Other, SearchCase) == 0;
}

int32 FString::Compare(const FString& Other, ESearchCase::Type SearchCase) const
{
	return SearchCase == ESearchCase::CaseSensitive ? FCString::Strcmp(**this, *Other) : FCString::Stricmp(**this, *Other);
}

int32 FString::Find(const TCHAR* SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir, int32 StartPosition) const
{
	if (!SubStr)
	{
		return INDEX_NONE;
	}
	const int32 SubLen = FCString::Strlen(SubStr);
	const int32 TextLen = Len();
	if (SearchDir == ESearchDir::FromStart)
	{
		// A start past the end is pulled back onto the last character; an empty text ignores it.
		const int32 First = (StartPosition == INDEX_NONE || TextLen == 0) ? 0 : std::clamp(StartPosition, 0, TextLen - 1);
		for (int32 Position = First; Position + SubLen <= TextLen; ++Position)
		{
			if (MatchesAt(**this, TextLen, Position, SubStr, SubLen, SearchCase))
			{
				return Position;
			}
		}
		return INDEX_NONE;
	}
	// Backwards the first try sits one whole step (at least one character) before the start.
	const int32 Start = (StartPosition == INDEX_NONE || StartPosition >= TextLen) ? TextLen : StartPosition;
	for (int32 Position = Start - std::max(1, SubLen); Position >= 0; --Position)
	{
		if (MatchesAt(**this, TextLen, Position, SubStr, SubLen, SearchCase))
		{
			return Position;
		}
	}
	return INDEX_NONE;
}

bool FString::FindChar(TCHAR InChar, int32& Index) const
{
	for (Index = 0; Index < Len(); ++Index)
	{
		if (Data[Index] == InChar)
		{
			return true;
		}
	}
	Index = INDEX_NONE;
	return false;
}

bool FString::FindLastChar(TCHAR InChar, int32& Index) const
{
	for (Index = Len() - 1; Index >= 0; --Index)
	{
		if (Data[Index] == InChar)
		{
			return true;
		}
	}
	Index = INDEX_NONE;
	return false;
}

bool FString::StartsWith(const TCHAR* InPrefix, ESearchCase::Type SearchCase) const
{
	// No text starts or ends with an empty one.
	const int32 PrefixLen = InPrefix ? FCString::Strlen(InPrefix) : 0;
	return PrefixLen > 0 && MatchesAt(**this, Len(), 0, InPrefix, PrefixLen, SearchCase);
}

bool FString::EndsWith(const TCHAR* InSuffix, ESearchCase::Type SearchCase) const
{
	const int32 SuffixLen = InSuffix ? FCString::Strlen(InSuffix) : 0;
	return SuffixLen > 0 && MatchesAt(**this, Len(), Len() - SuffixLen, InSuffix, SuffixLen, SearchCase);
}

bool FString::RemoveFromStart(const TCHAR* InPrefix, ESearchCase::Type SearchCase)
{
	if (!InPrefix || !*InPrefix || !StartsWith(InPrefix, SearchCase))
	{
		return false;
	}
	RemoveAt(0, FCString::Strlen(InPrefix));
	return true;
}

bool FString::RemoveFromEnd(const TCHAR* InSuffix, ESearchCase::Type SearchCase)
{
	if (!InSuffix || !*InSuffix || !EndsWith(InSuffix, SearchCase))
	{
		return false;
	}
	const int32 SuffixLen = FCString::Strlen(InSuffix);
	RemoveAt(Len() - SuffixLen, SuffixLen);
	return true;
}

FString FString::Left(int32 Count) const
{
	return ConstructFromPtrSize(**this, std::clamp(Count, 0, Len()));
}

FString FString::LeftChop(int32 Count) const
{
	return ConstructFromPtrSize(**this, std::clamp(Len() - Count, 0, Len()));
}

FString FString::Right(int32 Count) const
{
	// Read up to a zero, as the engine's Right does; the other substrings keep zeros.
	return FString(**this + Len() - std::clamp(Count, 0, Len()));
}

FString FString::RightChop(int32 Count) const
{
	const int32 Start = std::clamp(Count, 0, Len());
	return ConstructFromPtrSize(**this + Start, Len() - Start);
}

FString FString::Mid(int32 Start, int32 Count) const
{
	if (Count < 0)
	{
		return FString();
	}
	// The end counts from the start asked for, so a negative start shortens the piece.
	const int32 First = std::clamp(Start, 0, Len());
	const int32 End = (int32)std::clamp<int64>((int64)Start + Count, First, Len());
	return ConstructFromPtrSize(**this + First, End - First);
}

bool FString::Split(const FString& InS, FString* LeftS, FString* RightS, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir) const
{
	const int32 Position = Find(InS, SearchCase, SearchDir);
	if (Position == INDEX_NONE)
	{
		return false;
	}
	if (LeftS)
	{
		*LeftS = Left(Position);
	}
	if (RightS)
	{
		*RightS = RightChop(Position + InS.Len());
	}
	return true;
}

int32 FString::ParseIntoArray(TArray<FString>& OutArray, const TCHAR* Delim, bool bCullEmpty) const
{
	check(Delim);
	OutArray.Reset();
	const int32 DelimLen = FCString::Strlen(Delim);
	// An empty delimiter gives nothing at all; the delimiter matches in any case.
	if (DelimLen == 0)
	{
		return 0;
	}
	int32 Start = 0;
	while (true)
	{
		const int32 Position = Start < Len() ? Find(Delim, ESearchCase::IgnoreCase, ESearchDir::FromStart, Start) : INDEX_NONE;
		const int32 End = Position == INDEX_NONE ? Len() : Position;
		if (!bCullEmpty || End > Start)
		{
			OutArray.Add(Mid(Start, End - Start));
		}
		if (Position == INDEX_NONE)
		{
			break;
		}
		Start = Position + DelimLen;
	}
	return OutArray.Num();
}

int32 FString::ParseIntoArrayLines(TArray<FString>& OutArray, bool bCullEmpty) const
{
	FString Normalized = Replace(TEXT("\r\n"), TEXT("\n"));
	Normalized.ReplaceCharInline('\r', '\n');
	return Normalized.ParseIntoArray(OutArray, TEXT("\n"), bCullEmpty);
}

FString FString::Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase) const&
{
	FString Result(*this);
	Result.ReplaceInline(From, To, SearchCase);
	return Result;
}

FString FString::Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase) &&
{
	ReplaceInline(From, To, SearchCase);
	return std::move(*this);
}

int32 FString::ReplaceInline(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase)
{
	const int32 FromLen = From ? FCString::Strlen(From) : 0;
	// A case-sensitive replacement by the same text changes nothing and counts nothing.
	if (FromLen == 0 || IsEmpty() || !To || (SearchCase == ESearchCase::CaseSensitive && FCString::Strcmp(From, To) == 0))
	{
		return 0;
	}
	FString Result;
	int32 Count = 0;
	int32 Start = 0;
	while (true)
	{
		const int32 Position = Start < Len() ? Find(From, SearchCase, ESearchDir::FromStart, Start) : INDEX_NONE;
		if (Position == INDEX_NONE)
		{
			break;
		}
		Result.Append(**this + Start, Position - Start);
		Result.Append(To);
		Start = Position + FromLen;
		++Count;
	}
	if (Count > 0)
	{
		Result.Append(**this + Start, Len() - Start);
		*this = std::move(Result);
	}
	return Count;
}

int32 FString::ReplaceCharInline(TCHAR From, TCHAR To, ESearchCase::Type SearchCase)
{
	int32 Count = 0;
	for (int32 Index = 0; Index < Len(); ++Index)
	{
		if (CharsEqual(Data[Index], From, SearchCase))
		{
			Data[Index] = To;
			++Count;
		}
	}
	return Count;
}

FString FString::ReplaceCharWithEscapedChar() const
{
	static const TCHAR* const EscapeSequences[][2] = {
		{TEXT("\\"), TEXT("\\\\")},
		{TEXT("\n"), TEXT("\\n")},
		{TEXT("\r"), TEXT("\\r")},
		{TEXT("\t"), TEXT("\\t")},
		{TEXT("\'"), TEXT("\\'")},
		{TEXT("\""), TEXT("\\\"")},
	};
	FString Result(*this);
	for (const auto& Sequence : EscapeSequences)
	{
		Result.ReplaceInline(Sequence[0], Sequence[1]);
	}
	return Result;
}

FString FString::ToUpper() const&
{
	FString Result(*this);
	Result.ToUpperInline();
	return Result;
}

FString FString::ToLower() const&
{
	FString Result(*this);
	Result.ToLowerInline();
	return Result;
}

void FString::ToUpperInline()
{
	for (int32 Index = 0; Index < Len(); ++Index)
	{
		Data[Index] = FChar::ToUpper(Data[Index]);
	}
}

void FString::ToLowerInline()
{
	for (int32 Index = 0; Index < Len(); ++Index)
	{
		Data[Index] = FChar::ToLower(Data[Index]);
	}
}

FString FString::TrimStart() const&
{
	int32 First = 0;
	while (First < Len() && FChar::IsWhitespace(Data[First]))
	{
		++First;
	}
	return RightChop(First);
}

FString FString::TrimEnd() const&
{
	int32 End = Len();
	while (End > 0 && FChar::IsWhitespace(Data[End - 1]))
	{
		--End;
	}
	return Left(End);
}

FString FString::TrimStartAndEnd() const&
{
	return TrimStart().TrimEnd();
}

void FString::TrimStartInline()
{
	*this = TrimStart();
}

void FString::TrimEndInline()
{
	*this = TrimEnd();
}

void FString::TrimStartAndEndInline()
{
	*this = TrimStartAndEnd();
}

FString FString::TrimQuotes(bool* bQuotesRemoved) const
{
	const bool bQuoted = Len() >= 2 && Data[0] == '"' && Data[Len() - 1] == '"';
	if (bQuotesRemoved)
	{
		*bQuotesRemoved = bQuoted;
	}
	return bQuoted ? Mid(1, Len() - 2) : *this;
}

FString FString::Reverse() const&
{
	FString Result(*this);
	Result.ReverseString();
	return Result;
}

FString FString::Reverse() &&
{
	ReverseString();
	return std::move(*this);
}

void FString::ReverseString()
{
	if (Len() > 1)
	{
		std::reverse(Data.GetData(), Data.GetData() + Len());
	}
}

bool FString::IsNumeric() const
{
	return FCString::IsNumeric(**this);
}

bool FString::ToBool() const
{
	const TCHAR* Text = **this;
	if (FCString::Stricmp(Text, TEXT("True")) == 0 || FCString::Stricmp(Text, TEXT("Yes")) == 0 || FCString::Stricmp(Text, TEXT("On")) == 0)
	{
		return true;
	}
	if (FCString::Stricmp(Text, TEXT("False")) == 0 || FCString::Stricmp(Text, TEXT("No")) == 0 || FCString::Stricmp(Text, TEXT("Off")) == 0)
	{
		return false;
	}
	return FCString::Atoi(Text) != 0;
}

FString FString::FromInt(int32 Num)
{
	return Printf(TEXT("%d"), Num);
}

FString FString::SanitizeFloat(double InFloat, const int32 InMinFractionalDigits)
{
	// Only a zero loses its sign: -1e-7 prints as -0.000000 and stays "-0".
	if (InFloat == 0.0)
	{
		InFloat = 0.0;
	}
	FString Result = Printf(TEXT("%f"), InFloat);
	if (!Result.IsNumeric())
	{
		// inf and nan are left as printed
		return Result;
	}
	const int32 Dot = Result.Find(TEXT("."), ESearchCase::CaseSensitive);
	int32 End = Result.Len();
	while (End > Dot + 1 && Result[End - 1] == '0')
	{
		--End;
	}
	if (End == Dot + 1)
	{
		--End;
	}
	Result.LeftInline(End);
	if (InMinFractionalDigits > 0)
	{
		if (End == Dot)
		{
			Result.AppendChar('.');
		}
		const int32 Missing = InMinFractionalDigits - (Result.Len() - Dot - 1);
		for (int32 Index = 0; Index < Missing; ++Index)
		{
			Result.AppendChar('0');
		}
	}
	return Result;
}

FString FString::Chr(TCHAR Ch)
{
	FString Result;
	Result.AppendChar(Ch);
	return Result;
}

FString FString::ChrN(int32 NumCharacters, TCHAR Char)
{
	FString Result;
	Result.Reserve(NumCharacters);
	for (int32 Index = 0; Index < NumCharacters; ++Index)
	{
		Result.AppendChar(Char);
	}
	return Result;
}

FString FString::Join(const TArray<FString>& Items, const TCHAR* Separator)
{
	FString Result;
	for (int32 Index = 0; Index < Items.Num(); ++Index)
	{
		if (Index > 0)
		{
			Result.Append(Separator);
		}
		Result.Append(Items[Index]);
	}
	return Result;
}

FString FString::Format(const TCHAR* InFormatString, const FStringFormatOrderedArguments& InOrderedArguments)
{
	FString Result;
	for (const TCHAR* Cursor = InFormatString; Cursor && *Cursor; ++Cursor)
	{
		if (*Cursor == '{')
		{
			const TCHAR* Close = Cursor + 1;
			int32 Index = 0;
			bool bDigits = false;
			while (FChar::IsDigit(*Close))
			{
				Index = Index * 10 + (*Close - '0');
				bDigits = true;
				++Close;
			}
			if (bDigits && *Close == '}' && InOrderedArguments.IsValidIndex(Index))
			{
				Result.Append(InOrderedArguments[Index].ToString());
				Cursor = Close;
				continue;
			}
		}
		Result.AppendChar(*Cursor);
	}
	return Result;
}

FString FString::PrintfImpl(const TCHAR* Fmt, ...)
{
	va_list Args;
	va_start(Args, Fmt);
	FString Result = FormatVarArgs(Fmt, Args);
	va_end(Args);
	return Result;
}

FString operator+(const FString& Lhs, const FString& Rhs)
{
	FString Result(Lhs);
	return Result.Append(Rhs);
}

FString operator+(FString&& Lhs, const FString& Rhs)
{
	Lhs.Append(Rhs);
	return std::move(Lhs);
}

FString operator+(const FString& Lhs, const TCHAR* Rhs)
{
	FString Result(Lhs);
	return Result.Append(Rhs);
}

FString operator+(FString&& Lhs, const TCHAR* Rhs)
{
	Lhs.Append(Rhs);
	return std::move(Lhs);
}

FString operator+(const TCHAR* Lhs, const FString& Rhs)
{
	FString Result(Lhs);
	return Result.Append(Rhs);
}

FString operator/(const FString& Lhs, const FString& Rhs)
{
	FString Result(Lhs);
	Result /= Rhs;
	return Result;
}

uint32 GetTypeHash(const FString& Str)
{
	// FNV-1a over lower-cased code units, so strings that compare equal hash equal.
	uint32 Hash = 2166136261u;
	for (const TCHAR Char : Str)
	{
		Hash = (Hash ^ (uint32)FChar::ToLower(Char)) * 16777619u;
	}
	return Hash;
}

FString LexToString(int64 Value)
{
	return FString::Printf(TEXT("%lld"), (long long)Value);
}

FString LexToString(uint32 Value)
{
	return FString::Printf(TEXT("%u"), Value);
}

FString LexToString(uint64 Value)
{
	return FString::Printf(TEXT("%llu"), (unsigned long long)Value);
}

FString LexToString(double Value)
{
	return FString::SanitizeFloat(Value);
}

FString LexToString(float Value)
{
	return FString::SanitizeFloat(Value);
}

FString LexToString(bool Value)
{
	return Value ? TEXT("true") : TEXT("false");
}

FString FStringFormatArg::ToString() const
{
	switch (Type)
	{
	case Int:
		return LexToString(IntValue);
	case UInt:
		return LexToString(UIntValue);
	case Double:
		return FString::SanitizeFloat(DoubleValue);
	case String:
		return StringValue;
	case StringLiteral:
		return FString(StringLiteralValue);
	}
	return FString();
}
