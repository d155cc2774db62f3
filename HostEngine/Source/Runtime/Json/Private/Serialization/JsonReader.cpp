#include "Serialization/JsonReader.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>

namespace
{
	/** How far a number token has got through the JSON number grammar. */
	enum class ENumberPart : uint8
	{
		Start,
		Minus,
		Zero,
		Integer,
		Point,
		Fraction,
		Exponent,
		ExponentSign,
		ExponentDigits,
		Invalid
	};

	template <class CharType>
	bool IsDigit(CharType Char)
	{
		return Char >= '0' && Char <= '9';
	}

	/** Only these four: other control and Unicode spaces are not whitespace to the engine's reader. */
	template <class CharType>
	bool IsWhitespace(CharType Char)
	{
		return Char == ' ' || Char == '\t' || Char == '\n' || Char == '\r';
	}

	/** Every character that can belong to a number; any other ends a number token. */
	template <class CharType>
	bool IsNumberCharacter(CharType Char)
	{
		return IsDigit(Char) || Char == '-' || Char == '+' || Char == '.' || Char == 'e' || Char == 'E';
	}

	template <class CharType>
	bool IsAsciiLetter(CharType Char)
	{
		return (Char >= 'a' && Char <= 'z') || (Char >= 'A' && Char <= 'Z');
	}

	template <class CharType>
	ENumberPart NextNumberPart(ENumberPart Part, CharType Char)
	{
		const bool bExponentMark = Char == 'e' || Char == 'E';
		switch (Part)
		{
		case ENumberPart::Start:
			if (Char == '-')
			{
				return ENumberPart::Minus;
			}
			[[fallthrough]];
		case ENumberPart::Minus:
			return Char == '0' ? ENumberPart::Zero : IsDigit(Char) ? ENumberPart::Integer : ENumberPart::Invalid;
		case ENumberPart::Zero:
			return Char == '.' ? ENumberPart::Point : bExponentMark ? ENumberPart::Exponent : ENumberPart::Invalid;
		case ENumberPart::Integer:
			return IsDigit(Char) ? ENumberPart::Integer : Char == '.' ? ENumberPart::Point : bExponentMark ? ENumberPart::Exponent : ENumberPart::Invalid;
		case ENumberPart::Point:
			return IsDigit(Char) ? ENumberPart::Fraction : ENumberPart::Invalid;
		case ENumberPart::Fraction:
			return IsDigit(Char) ? ENumberPart::Fraction : bExponentMark ? ENumberPart::Exponent : ENumberPart::Invalid;
		case ENumberPart::Exponent:
			return Char == '+' || Char == '-' ? ENumberPart::ExponentSign : IsDigit(Char) ? ENumberPart::ExponentDigits : ENumberPart::Invalid;
		case ENumberPart::ExponentSign:
		case ENumberPart::ExponentDigits:
			return IsDigit(Char) ? ENumberPart::ExponentDigits : ENumberPart::Invalid;
		default:
			return ENumberPart::Invalid;
		}
	}

	bool IsCompleteNumber(ENumberPart Part)
	{
		return Part == ENumberPart::Zero || Part == ENumberPart::Integer || Part == ENumberPart::Fraction || Part == ENumberPart::ExponentDigits;
	}

	/**
	 * The value of a checked number token whose digits fit a double exactly and whose decimal exponent
	 * is small: then one multiplication or division by an exact power of ten rounds correctly. False
	 * for any other number.
	 */
	template <class CharType>
	bool TryParseExactNumber(const CharType* Chars, int32 Count, double& OutValue)
	{
		static constexpr double PowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
			1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
		constexpr uint64 MaxExactMantissa = uint64(1) << 53;
		constexpr int32 MaxExactPower = UE_ARRAY_COUNT(PowersOfTen) - 1;

		int32 Index = 0;
		const bool bNegative = Chars[Index] == '-';
		Index += bNegative;
		uint64 Mantissa = 0;
		int32 Exponent = 0;
		for (bool bFraction = false; Index < Count; ++Index)
		{
			const CharType Char = Chars[Index];
			if (Char == '.')
			{
				bFraction = true;
				continue;
			}
			if (!IsDigit(Char))
			{
				break;
			}
			Mantissa = Mantissa * 10 + uint64(Char - '0');
			if (Mantissa > MaxExactMantissa)
			{
				return false;
			}
			Exponent -= bFraction;
		}
		if (Index < Count)
		{
			// An exponent mark: at most three digits keep the sum far from overflowing.
			const bool bNegativeExponent = Chars[++Index] == '-';
			Index += Chars[Index] == '-' || Chars[Index] == '+';
			if (Count - Index > 3)
			{
				return false;
			}
			int32 Written = 0;
			for (; Index < Count; ++Index)
			{
				Written = Written * 10 + int32(Chars[Index] - '0');
			}
			Exponent += bNegativeExponent ? -Written : Written;
		}
		if (Exponent < -MaxExactPower || Exponent > MaxExactPower)
		{
			return false;
		}
		const double Value = Exponent < 0 ? double(Mantissa) / PowersOfTen[-Exponent] : double(Mantissa) * PowersOfTen[Exponent];
		OutValue = bNegative ? -Value : Value;
		return true;
	}

	/**
	 * The nearest double, whatever the process's locale; out of range gives infinity or zero as strtod
	 * does, without an error. The text is a checked number token, so it is ASCII.
	 */
	template <class CharType>
	double ParseNumber(const CharType* Chars, int32 Count)
	{
		double Value = 0.0;
		if (TryParseExactNumber(Chars, Count, Value))
		{
			return Value;
		}

		char Small[64];
		std::string Large;
		char* Narrow = Small;
		if (Count >= (int32)sizeof(Small))
		{
			Large.resize(Count + 1);
			Narrow = Large.data();
		}
		for (int32 Index = 0; Index < Count; ++Index)
		{
			Narrow[Index] = char(Chars[Index]);
		}
		Narrow[Count] = 0;

		if (std::from_chars(Narrow, Narrow + Count, Value).ec == std::errc::result_out_of_range)
		{
			static const locale_t CLocale = newlocale(LC_ALL_MASK, "C", (locale_t)0);
			Value = strtod_l(Narrow, nullptr, CLocale);
		}
		return Value;
	}

	/** Case-insensitive comparison with a lower-case ASCII word. */
	template <class CharType>
	bool IsWord(const CharType* Chars, int32 Count, const char* Word)
	{
		int32 Index = 0;
		for (; Index < Count && Word[Index] != 0; ++Index)
		{
			const CharType Lower = Chars[Index] >= 'A' && Chars[Index] <= 'Z' ? CharType(Chars[Index] + ('a' - 'A')) : Chars[Index];
			if (Lower != CharType(Word[Index]))
			{
				return false;
			}
		}
		return Index == Count && Word[Index] == 0;
	}

	/** The value of a hexadecimal digit, or -1. */
	template <class CharType>
	int32 HexValue(CharType Char)
	{
		if (IsDigit(Char))
		{
			return Char - '0';
		}
		if (Char >= 'a' && Char <= 'f')
		{
			return Char - 'a' + 10;
		}
		if (Char >= 'A' && Char <= 'F')
		{
			return Char - 'A' + 10;
		}
		return -1;
	}

	/** Out becomes the Count characters at Chars, in one allocation. */
	template <class CharType>
	void CopyText(const CharType* Chars, int32 Count, FString& Out)
	{
		TArray<TCHAR>& Data = Out.GetCharArray();
		Data.Reset();
		if (Count > 0)
		{
			Data.AddUninitialized(Count + 1);
			std::copy(Chars, Chars + Count, Data.GetData());
			Data[Count] = 0;
		}
	}

	EJsonNotation NotationOf(EJsonToken Token)
	{
		switch (Token)
		{
		case EJsonToken::CurlyOpen:
			return EJsonNotation::ObjectStart;
		case EJsonToken::CurlyClose:
			return EJsonNotation::ObjectEnd;
		case EJsonToken::SquareOpen:
			return EJsonNotation::ArrayStart;
		case EJsonToken::SquareClose:
			return EJsonNotation::ArrayEnd;
		case EJsonToken::String:
			return EJsonNotation::String;
		case EJsonToken::Number:
			return EJsonNotation::Number;
		case EJsonToken::True:
		case EJsonToken::False:
			return EJsonNotation::Boolean;
		case EJsonToken::Null:
			return EJsonNotation::Null;
		default:
			// A comma or colon where a value belongs.
			return EJsonNotation::Error;
		}
	}
}

template <class CharType>
bool TJsonReader<CharType>::ReadNext(EJsonNotation& Notation)
{
	if (!ErrorMessage.IsEmpty())
	{
		Notation = EJsonNotation::Error;
		return false;
	}
	if (Text == nullptr)
	{
		Notation = EJsonNotation::Error;
		SetErrorMessage(TEXT("Null Stream"));
		return true;
	}
	const bool bAtEnd = Position >= Length;
	if (bAtEnd != bFinishedReadingRootObject)
	{
		Notation = EJsonNotation::Error;
		SetErrorMessage(bAtEnd ? TEXT("Improperly formatted.") : TEXT("Unexpected additional input found."));
		return true;
	}
	if (bAtEnd)
	{
		return false;
	}

	if (!Identifier.IsEmpty())
	{
		Identifier.Empty();
	}
	bool bRead = false;
	if (ParseState.IsEmpty())
	{
		bRead = ReadRoot();
	}
	else if (ParseState.Top() == EJson::Array)
	{
		bRead = ReadArrayValue();
	}
	else
	{
		bRead = ReadObjectValue();
	}

	Notation = NotationOf(CurrentToken);
	bFinishedReadingRootObject = ParseState.IsEmpty();
	if (!bRead || Notation == EJsonNotation::Error)
	{
		Notation = EJsonNotation::Error;
		if (ErrorMessage.IsEmpty())
		{
			SetErrorMessage(TEXT("Unknown Error Occurred"));
		}
		return true;
	}
	if (bFinishedReadingRootObject)
	{
		SkipWhitespace();
	}
	return true;
}

template <class CharType>
const FString& TJsonReader<CharType>::GetValueAsString() const
{
	check(CurrentToken == EJsonToken::String);
	RestoreStringValue();
	return StringValue;
}

template <class CharType>
double TJsonReader<CharType>::GetValueAsNumber() const
{
	check(CurrentToken == EJsonToken::Number);
	if (bNumberValuePending)
	{
		NumberValue = ParseNumber(Text + TextStart, TextEnd - TextStart);
		bNumberValuePending = false;
	}
	return NumberValue;
}

template <class CharType>
const FString& TJsonReader<CharType>::GetValueAsNumberString() const
{
	check(CurrentToken == EJsonToken::Number);
	RestoreStringValue();
	return StringValue;
}

template <class CharType>
bool TJsonReader<CharType>::GetValueAsBoolean() const
{
	check(CurrentToken == EJsonToken::True || CurrentToken == EJsonToken::False);
	return bBoolValue;
}

template <class CharType>
void TJsonReader<CharType>::SetText(const CharType* InText, int32 InLength)
{
	if (InLength > 0)
	{
		Text = InText;
		Length = InLength;
	}
}

template <class CharType>
inline bool TJsonReader<CharType>::ReadRoot()
{
	SkipWhitespace();
	if (!NextToken(CurrentToken))
	{
		return false;
	}
	if (CurrentToken != EJsonToken::CurlyOpen && CurrentToken != EJsonToken::SquareOpen)
	{
		SetErrorMessage(TEXT("Open Curly or Square Brace token expected, but not found."));
		return false;
	}
	return true;
}

template <class CharType>
inline bool TJsonReader<CharType>::ReadArrayValue()
{
	// Whatever closes the array, a comma before it is allowed: "[1,]" is [1].
	const bool bCommaFirst = CurrentToken != EJsonToken::SquareOpen;
	if (!(bCommaFirst ? NextTokenExpecting(',', CurrentToken) : NextToken(CurrentToken)))
	{
		return false;
	}
	if (CurrentToken == EJsonToken::SquareClose || !bCommaFirst)
	{
		return true;
	}
	if (CurrentToken != EJsonToken::Comma)
	{
		SetErrorMessage(TEXT("Comma token expected, but not found."));
		return false;
	}
	return NextToken(CurrentToken);
}

template <class CharType>
inline bool TJsonReader<CharType>::ReadObjectValue()
{
	const bool bCommaFirst = CurrentToken != EJsonToken::CurlyOpen;
	if (!NextTokenExpecting(bCommaFirst ? ',' : '"', CurrentToken))
	{
		return false;
	}
	if (CurrentToken == EJsonToken::CurlyClose)
	{
		return true;
	}
	if (bCommaFirst)
	{
		if (CurrentToken != EJsonToken::Comma)
		{
			SetErrorMessage(TEXT("Comma token expected, but not found."));
			return false;
		}
		if (!NextTokenExpecting('"', CurrentToken))
		{
			return false;
		}
	}
	if (CurrentToken != EJsonToken::String)
	{
		SetErrorMessage(TEXT("String token expected, but not found."));
		return false;
	}
	MoveStringValueTo(Identifier);
	if (!NextTokenExpecting(':', CurrentToken))
	{
		return false;
	}
	if (CurrentToken != EJsonToken::Colon)
	{
		SetErrorMessage(TEXT("Colon token expected, but not found."));
		return false;
	}
	// Any token is taken as the member's value here; a closing bracket ends the object and drops the member.
	return NextToken(CurrentToken);
}

template <class CharType>
inline bool TJsonReader<CharType>::NextToken(EJsonToken& OutToken)
{
	while (Position < Length)
	{
		const CharType Char = Text[Position++];
		switch (Char)
		{
		case '\n':
			++LineNumber;
			LineStart = Position;
			continue;
		case ' ':
		case '\t':
		case '\r':
			continue;
		case '0':
		case '1':
		case '2':
		case '3':
		case '4':
		case '5':
		case '6':
		case '7':
		case '8':
		case '9':
		case '-':
		case '+':
		case '.':
		case 'e':
		case 'E':
			// Any character that can belong to a number starts one, even where no number can begin.
			OutToken = EJsonToken::Number;
			return ReadNumberToken(Position - 1);
		case '{':
			ParseState.Push(EJson::Object);
			OutToken = EJsonToken::CurlyOpen;
			return true;
		case '[':
			ParseState.Push(EJson::Array);
			OutToken = EJsonToken::SquareOpen;
			return true;
		case '}':
		case ']':
			// Either bracket closes whatever is open.
			OutToken = Char == '}' ? EJsonToken::CurlyClose : EJsonToken::SquareClose;
			if (ParseState.IsEmpty())
			{
				SetErrorMessage(TEXT("Unknown state reached while parsing Json token."));
				return false;
			}
			ParseState.Pop();
			return true;
		case ':':
			OutToken = EJsonToken::Colon;
			return true;
		case ',':
			OutToken = EJsonToken::Comma;
			return true;
		case '"':
			OutToken = EJsonToken::String;
			return ReadStringToken();
		case 't':
		case 'T':
		case 'f':
		case 'F':
		case 'n':
		case 'N':
			return ReadWordToken(Position - 1, OutToken);
		default:
			// NUL included: the engine stops looking for a token there.
			SetErrorMessage(TEXT("Invalid Json Token."));
			return false;
		}
	}
	SetErrorMessage(TEXT("Invalid Json Token."));
	return false;
}

template <class CharType>
inline bool TJsonReader<CharType>::NextTokenExpecting(CharType Likely, EJsonToken& OutToken)
{
	// Exactly what NextToken does for these characters, without its dispatch on every character.
	if (Position >= Length || Text[Position] != Likely)
	{
		return NextToken(OutToken);
	}
	++Position;
	switch (Likely)
	{
	case ',':
		OutToken = EJsonToken::Comma;
		return true;
	case ':':
		OutToken = EJsonToken::Colon;
		return true;
	default:
		check(Likely == '"');
		OutToken = EJsonToken::String;
		return ReadStringToken();
	}
}

template <class CharType>
inline bool TJsonReader<CharType>::ReadStringToken()
{
	TextSource = ETextSource::String;
	TextStart = Position;
	bStringValueTaken = false;
	int32 Cursor = Position;
	const EStringEnd End = DecodeString(Cursor, StringValue);
	Position = Cursor;
	switch (End)
	{
	case EStringEnd::Closed:
		return true;
	case EStringEnd::BadEscape:
		SetErrorMessage(TEXT("Bad Json escaped char."));
		return false;
	case EStringEnd::BadHexDigit:
		SetErrorMessage(TEXT("Invalid Hexadecimal digit parsed."));
		return false;
	default:
		SetErrorMessage(TEXT("String Token Abruptly Ended."));
		return false;
	}
}

template <class CharType>
inline typename TJsonReader<CharType>::EStringEnd TJsonReader<CharType>::DecodeString(int32& Cursor, FString& Out) const
{
	// Most strings have no escapes: they are copied in one piece.
	int32 Index = Cursor;
	while (Index < Length && Text[Index] != '"' && Text[Index] != '\\')
	{
		++Index;
	}
	TArray<TCHAR>& Chars = Out.GetCharArray();
	Chars.Reset();
	if (Index >= Length)
	{
		Cursor = Length;
		return EStringEnd::TextEnded;
	}
	if (Text[Index] == '"')
	{
		CopyText(Text + Cursor, Index - Cursor, Out);
		Cursor = Index + 1;
		return EStringEnd::Closed;
	}

	// Escapes only ever shorten the text, so its raw length up to the closing quote is enough room.
	int32 RawEnd = Index;
	while (RawEnd < Length && Text[RawEnd] != '"')
	{
		RawEnd += Text[RawEnd] == '\\' ? 2 : 1;
	}
	Chars.Reserve(std::min(RawEnd, Length) - Cursor + 1);
	Chars.Append(Text + Cursor, Index - Cursor);
	const auto Fail = [&Chars, &Cursor](int32 Where, EStringEnd Why)
	{
		Chars.Reset();
		Cursor = Where;
		return Why;
	};
	for (;;)
	{
		if (Index >= Length)
		{
			return Fail(Length, EStringEnd::TextEnded);
		}
		CharType Char = Text[Index++];
		if (Char == '"')
		{
			break;
		}
		if (Char != '\\')
		{
			Chars.Add(Char);
			continue;
		}
		// The engine reads the escaped character without looking for the end of the text first, and
		// its buffer reader asserts on reading past the end.
		checkf(Index < Length, TEXT("Json text ends inside an escape sequence"));
		Char = Text[Index++];
		switch (Char)
		{
		case '"':
		case '\\':
		case '/':
			Chars.Add(Char);
			break;
		case 'b':
			Chars.Add('\b');
			break;
		case 'f':
			Chars.Add('\f');
			break;
		case 'n':
			Chars.Add('\n');
			break;
		case 'r':
			Chars.Add('\r');
			break;
		case 't':
			Chars.Add('\t');
			break;
		case 'u':
		{
			// One UTF-16 code unit, kept as it is: surrogates need not pair up.
			int32 CodeUnit = 0;
			for (int32 Digit = 0; Digit < 4; ++Digit)
			{
				if (Index >= Length)
				{
					return Fail(Length, EStringEnd::TextEnded);
				}
				const int32 Value = HexValue(Text[Index++]);
				if (Value < 0)
				{
					return Fail(Index, EStringEnd::BadHexDigit);
				}
				CodeUnit = CodeUnit * 16 + Value;
			}
			Chars.Add(TCHAR(CodeUnit));
			break;
		}
		default:
			return Fail(Index, EStringEnd::BadEscape);
		}
	}
	Chars.Add(0);
	Cursor = Index;
	return EStringEnd::Closed;
}

template <class CharType>
inline bool TJsonReader<CharType>::ReadNumberToken(int32 Start)
{
	// The engine gives up when the text ends inside a number, even after its first character.
	if (Position >= Length)
	{
		SetErrorMessage(TEXT("Number Token Abruptly Ended."));
		return false;
	}
	ENumberPart Part = ENumberPart::Start;
	int32 Index = Start;
	while (Index < Length && IsNumberCharacter(Text[Index]))
	{
		// A character that breaks the grammar is taken into the token and fails it: "[1-2]" is no list of two.
		Part = NextNumberPart(Part, Text[Index++]);
		if (Part == ENumberPart::Invalid)
		{
			break;
		}
		if (Part == ENumberPart::Integer || Part == ENumberPart::Fraction || Part == ENumberPart::ExponentDigits)
		{
			// Runs of digits keep the part they are in.
			while (Index < Length && IsDigit(Text[Index]))
			{
				++Index;
			}
		}
	}
	Position = Index;
	if (Index >= Length && Part != ENumberPart::Invalid)
	{
		SetErrorMessage(TEXT("Number Token Abruptly Ended."));
		return false;
	}
	if (!IsCompleteNumber(Part))
	{
		SetErrorMessage(TEXT("Poorly formed Json Number Token."));
		return false;
	}
	TextSource = ETextSource::Number;
	TextStart = Start;
	TextEnd = Index;
	bStringValueTaken = true;
	bNumberValuePending = true;
	return true;
}

template <class CharType>
inline bool TJsonReader<CharType>::ReadWordToken(int32 Start, EJsonToken& OutToken)
{
	while (Position < Length && IsAsciiLetter(Text[Position]))
	{
		++Position;
	}
	const CharType* Word = Text + Start;
	const int32 Count = Position - Start;
	if (IsWord(Word, Count, "true") || IsWord(Word, Count, "false"))
	{
		bBoolValue = IsWord(Word, Count, "true");
		OutToken = bBoolValue ? EJsonToken::True : EJsonToken::False;
		return true;
	}
	if (IsWord(Word, Count, "null"))
	{
		OutToken = EJsonToken::Null;
		return true;
	}
	if (IsWord(Word, Count, "nan"))
	{
		// The text of the number stays that of the last string or number read (UE 5.4).
		NumberValue = std::numeric_limits<double>::quiet_NaN();
		bNumberValuePending = false;
		OutToken = EJsonToken::Number;
		return true;
	}
	SetErrorMessage(TEXT("Invalid Json Token. Check that your member names have quotes around them!"));
	return false;
}

template <class CharType>
inline void TJsonReader<CharType>::SkipWhitespace()
{
	while (Position < Length && IsWhitespace(Text[Position]))
	{
		if (Text[Position] == '\n')
		{
			++LineNumber;
			LineStart = Position + 1;
		}
		++Position;
	}
}

template <class CharType>
void TJsonReader<CharType>::SetErrorMessage(const TCHAR* Message)
{
	ErrorMessage = FString::Printf(TEXT("%s Line: %u Ch: %u"), Message, LineNumber, GetCharacterNumber());
}

template <class CharType>
inline void TJsonReader<CharType>::RestoreStringValue() const
{
	if (!bStringValueTaken)
	{
		return;
	}
	bStringValueTaken = false;
	if (TextSource == ETextSource::Number)
	{
		CopyText(Text + TextStart, TextEnd - TextStart, StringValue);
	}
	else if (TextSource == ETextSource::String)
	{
		int32 Cursor = TextStart;
		DecodeString(Cursor, StringValue);
	}
	else
	{
		StringValue.Empty();
	}
}

template <class CharType>
FString TJsonReader<CharType>::StealStringValue()
{
	check(CurrentToken == EJsonToken::String || CurrentToken == EJsonToken::Number);
	RestoreStringValue();
	bStringValueTaken = true;
	return MoveTemp(StringValue);
}

template <class CharType>
void TJsonReader<CharType>::MoveIdentifierTo(FString& Out)
{
	check(Out.IsEmpty());
	Out.GetCharArray().Swap(Identifier.GetCharArray());
}

template <class CharType>
inline void TJsonReader<CharType>::MoveStringValueTo(FString& Out)
{
	check(Out.IsEmpty());
	RestoreStringValue();
	Out.GetCharArray().Swap(StringValue.GetCharArray());
	bStringValueTaken = true;
}


template class TJsonReader<TCHAR>;
