#pragma once

#include "CoreMinimal.h"
#include "Containers/StringView.h"
#include "Serialization/JsonTypes.h"

class FJsonSerializer;

/**
 * Reads JSON text one token at a time, with the engine's leniencies: literals in any letter case,
 * NaN, a trailing comma in an array, a member without a value, closing brackets that need not match
 * their opener, and any character inside a string. The root must be an object or an array.
 * Host engine: reads a buffer of characters rather than an archive.
 */
template <class CharType = TCHAR>
class TJsonReader
{
public:
	virtual ~TJsonReader() = default;

	/**
	 * Reads the next token.
	 *
	 * @param Notation - what was read; EJsonNotation::Error when the text is not JSON the engine reads
	 * @return false once the document is complete and nothing but whitespace follows it, or when called again after an error
	 */
	bool ReadNext(EJsonNotation& Notation);

	/** The member name of the token just read; empty outside objects. */
	const FString& GetIdentifier() const { return Identifier; }

	const FString& GetValueAsString() const;
	double GetValueAsNumber() const;

	/** The number as written; for NaN, the text of the string or number read before it, as the engine keeps it. */
	const FString& GetValueAsNumberString() const;

	bool GetValueAsBoolean() const;

	/** Why reading failed, ending with " Line: L Ch: C"; empty while reading goes well. */
	const FString& GetErrorMessage() const { return ErrorMessage; }

	uint32 GetLineNumber() const { return LineNumber; }
	uint32 GetCharacterNumber() const { return uint32(Position - LineStart); }

protected:
	TJsonReader() = default;

	/** Starts reading Length characters at Text, which must outlive the reader; no text at all is an error. */
	void SetText(const CharType* InText, int32 InLength);

private:
	friend class FJsonSerializer;

	/** Which kind of token the text in StringValue comes from. */
	enum class ETextSource : uint8
	{
		None,
		String,
		Number
	};

	bool ReadRoot();
	bool ReadArrayValue();
	bool ReadObjectValue();
	bool NextToken(EJsonToken& OutToken);
	/** NextToken, with a quick path for the comma, colon or string quote that usually comes next. */
	bool NextTokenExpecting(CharType Likely, EJsonToken& OutToken);
	bool ReadStringToken();
	bool ReadNumberToken(int32 Start);
	bool ReadWordToken(int32 Start, EJsonToken& OutToken);
	void SkipWhitespace();
	void SetErrorMessage(const TCHAR* Message);

	enum class EStringEnd : uint8
	{
		Closed,
		TextEnded,
		BadEscape,
		BadHexDigit
	};

	/** Decodes the string whose opening quote is just before Cursor; Cursor ends after the closing quote, or where decoding failed. */
	EStringEnd DecodeString(int32& Cursor, FString& Out) const;

	/** Fills StringValue again after the serializer took it, from the token it came from. */
	void RestoreStringValue() const;

	/** The serializer takes texts rather than copying them: a string's, or a number's as written; Out must be empty. */
	FString StealStringValue();
	void MoveIdentifierTo(FString& Out);
	void MoveStringValueTo(FString& Out);

	const CharType* Text = nullptr;
	int32 Length = 0;
	int32 Position = 0;
	/** Where the current line begins: after the last line break read outside a string. */
	int32 LineStart = 0;
	uint32 LineNumber = 1;

	TArray<EJson> ParseState;
	EJsonToken CurrentToken = EJsonToken::None;
	bool bFinishedReadingRootObject = false;

	FString Identifier;
	FString ErrorMessage;
	/** The text of the last string or number token, as the engine keeps it for the getters. */
	mutable FString StringValue;
	/** StringValue was handed to the serializer, or a number's text was not built yet; it is rebuilt from the token's place on demand. */
	mutable bool bStringValueTaken = false;
	ETextSource TextSource = ETextSource::None;
	/** The token's text: a number's characters, or a string's from just after its opening quote. */
	int32 TextStart = 0;
	int32 TextEnd = 0;
	/** A number token's value is worked out from its text when first asked for. */
	mutable double NumberValue = 0.0;
	mutable bool bNumberValuePending = false;
	bool bBoolValue = false;
};

extern template class JSON_API TJsonReader<TCHAR>;

/** A reader over its own copy of a string. */
class FJsonStringReader : public TJsonReader<TCHAR>
{
public:
	static TSharedRef<FJsonStringReader> Create(const FString& JsonString)
	{
		return MakeShareable(new FJsonStringReader(FString(JsonString)));
	}

	static TSharedRef<FJsonStringReader> Create(FString&& JsonString)
	{
		return MakeShareable(new FJsonStringReader(MoveTemp(JsonString)));
	}

protected:
	explicit FJsonStringReader(FString&& JsonString)
		: Content(MoveTemp(JsonString))
	{
		SetText(*Content, Content.Len());
	}

	const FString Content;
};

/** A reader over text it does not own: the text must outlive the reader. */
template <class CharType>
class TJsonStringViewReader : public TJsonReader<CharType>
{
public:
	static TSharedRef<TJsonStringViewReader> Create(TStringView<CharType> JsonString)
	{
		return MakeShareable(new TJsonStringViewReader(JsonString));
	}

protected:
	explicit TJsonStringViewReader(TStringView<CharType> JsonString)
		: Content(JsonString)
	{
		this->SetText(Content.GetData(), Content.Len());
	}

	TStringView<CharType> Content;
};

template <class CharType = TCHAR>
class TJsonReaderFactory
{
public:
	static TSharedRef<TJsonReader<TCHAR>> Create(const FString& JsonString)
	{
		return FJsonStringReader::Create(JsonString);
	}

	static TSharedRef<TJsonReader<TCHAR>> Create(FString&& JsonString)
	{
		return FJsonStringReader::Create(MoveTemp(JsonString));
	}

	/** Reads the viewed characters in place, without a copy. */
	static TSharedRef<TJsonReader<CharType>> CreateFromView(TStringView<CharType> JsonString)
	{
		return TJsonStringViewReader<CharType>::Create(JsonString);
	}
};
