#pragma once

#include "CoreMinimal.h"
#include "Containers/StringView.h"
#include "Policies/PrettyJsonPrintPolicy.h"
#include "Serialization/JsonTypes.h"

#include <charconv>

template <class CharType = TCHAR, class PrintPolicy = TPrettyJsonPrintPolicy<CharType>>
class TJsonWriterFactory;

/**
 * Writes JSON text token by token; the print policy decides the whitespace. The text reaches the
 * target string when the writer is closed. Host engine: the engine writes to an archive and a string
 * writer subclass copies it out; here the writer buffers the text itself.
 */
template <class CharType = TCHAR, class PrintPolicy = TPrettyJsonPrintPolicy<CharType>>
class TJsonWriter
{
public:
	virtual ~TJsonWriter() = default;

	void WriteObjectStart()
	{
		check(CanWriteValueWithoutIdentifier());
		if (PreviousTokenWritten != EJsonToken::None)
		{
			WriteCommaIfNeeded();
			PrintPolicy::WriteLineTerminator(&Stream);
			PrintPolicy::WriteTabs(&Stream, IndentLevel);
		}
		OpenContainer(EJson::Object);
	}

	template <class IdentifierType>
	void WriteObjectStart(IdentifierType&& Identifier)
	{
		check(IsInObject());
		WriteIdentifier(Forward<IdentifierType>(Identifier));
		PrintPolicy::WriteLineTerminator(&Stream);
		PrintPolicy::WriteTabs(&Stream, IndentLevel);
		OpenContainer(EJson::Object);
	}

	void WriteObjectEnd()
	{
		check(IsInObject());
		--IndentLevel;
		PrintPolicy::WriteLineTerminator(&Stream);
		PrintPolicy::WriteTabs(&Stream, IndentLevel);
		PrintPolicy::WriteChar(&Stream, CharType('}'));
		Stack.Pop();
		PreviousTokenWritten = EJsonToken::CurlyClose;
	}

	void WriteArrayStart()
	{
		check(CanWriteValueWithoutIdentifier());
		if (PreviousTokenWritten != EJsonToken::None)
		{
			WriteCommaIfNeeded();
			PrintPolicy::WriteLineTerminator(&Stream);
			PrintPolicy::WriteTabs(&Stream, IndentLevel);
		}
		OpenContainer(EJson::Array);
	}

	template <class IdentifierType>
	void WriteArrayStart(IdentifierType&& Identifier)
	{
		check(IsInObject());
		WriteIdentifier(Forward<IdentifierType>(Identifier));
		PrintPolicy::WriteSpace(&Stream);
		OpenContainer(EJson::Array);
	}

	void WriteArrayEnd()
	{
		check(!Stack.IsEmpty() && Stack.Top() == EJson::Array);
		--IndentLevel;
		if (EJsonToken_IsShortValue(PreviousTokenWritten))
		{
			PrintPolicy::WriteSpace(&Stream);
		}
		else if (PreviousTokenWritten != EJsonToken::SquareOpen)
		{
			PrintPolicy::WriteLineTerminator(&Stream);
			PrintPolicy::WriteTabs(&Stream, IndentLevel);
		}
		PrintPolicy::WriteChar(&Stream, CharType(']'));
		Stack.Pop();
		PreviousTokenWritten = EJsonToken::SquareClose;
	}

	template <class FValue>
	void WriteValue(FValue Value)
	{
		BeginValueWithoutIdentifier();
		PreviousTokenWritten = WriteValueOnly(Value);
	}

	void WriteValue(FStringView Value)
	{
		BeginValueWithoutIdentifier();
		PreviousTokenWritten = WriteValueOnly(Value);
	}

	void WriteValue(const FString& Value)
	{
		WriteValue(FStringView(Value));
	}

	void WriteValue(const TCHAR* Value)
	{
		WriteValue(FStringView(Value));
	}

	template <class IdentifierType, class FValue>
	void WriteValue(IdentifierType&& Identifier, FValue Value)
	{
		check(IsInObject());
		WriteIdentifier(Forward<IdentifierType>(Identifier));
		PrintPolicy::WriteSpace(&Stream);
		PreviousTokenWritten = WriteValueOnly(Value);
	}

	void WriteNull()
	{
		WriteValue(nullptr);
	}

	template <class IdentifierType>
	void WriteNull(IdentifierType&& Identifier)
	{
		WriteValue(Forward<IdentifierType>(Identifier), nullptr);
	}

	/** Puts out text that is already JSON, unchanged. */
	void WriteRawJSONValue(FStringView Value)
	{
		BeginValueWithoutIdentifier();
		PrintPolicy::WriteString(&Stream, Value);
		PreviousTokenWritten = EJsonToken::String;
	}

	template <class IdentifierType>
	void WriteRawJSONValue(IdentifierType&& Identifier, FStringView Value)
	{
		check(IsInObject());
		WriteIdentifier(Forward<IdentifierType>(Identifier));
		PrintPolicy::WriteSpace(&Stream);
		PrintPolicy::WriteString(&Stream, Value);
		PreviousTokenWritten = EJsonToken::String;
	}

	/** Hands the text to the target string; true when it is one complete JSON value. */
	virtual bool Close()
	{
		Stream.Add(CharType(0));
		OutString->GetCharArray() = MoveTemp(Stream);
		return Stack.IsEmpty() && (PreviousTokenWritten == EJsonToken::None || PreviousTokenWritten == EJsonToken::CurlyClose || PreviousTokenWritten == EJsonToken::SquareClose || EJsonToken_IsShortValue(PreviousTokenWritten));
	}

protected:
	TJsonWriter(FString* const InOutString, int32 InitialIndentLevel)
		: OutString(InOutString)
		, IndentLevel(InitialIndentLevel)
	{
		check(OutString != nullptr);
	}

private:
	template <class, class>
	friend class TJsonWriterFactory;

	bool IsInObject() const
	{
		return !Stack.IsEmpty() && Stack.Top() == EJson::Object;
	}

	bool CanWriteValueWithoutIdentifier() const
	{
		return Stack.IsEmpty() || Stack.Top() == EJson::Array;
	}

	void OpenContainer(EJson Container)
	{
		PrintPolicy::WriteChar(&Stream, CharType(Container == EJson::Object ? '{' : '['));
		++IndentLevel;
		Stack.Push(Container);
		PreviousTokenWritten = Container == EJson::Object ? EJsonToken::CurlyOpen : EJsonToken::SquareOpen;
	}

	/** Short values share a line in arrays: [ 1, 2, "x" ]. */
	void BeginValueWithoutIdentifier()
	{
		check(CanWriteValueWithoutIdentifier());
		WriteCommaIfNeeded();
		if (PreviousTokenWritten == EJsonToken::SquareOpen || EJsonToken_IsShortValue(PreviousTokenWritten))
		{
			PrintPolicy::WriteSpace(&Stream);
		}
		else if (PreviousTokenWritten != EJsonToken::None)
		{
			PrintPolicy::WriteLineTerminator(&Stream);
			PrintPolicy::WriteTabs(&Stream, IndentLevel);
		}
	}

	void WriteCommaIfNeeded()
	{
		if (PreviousTokenWritten != EJsonToken::None && PreviousTokenWritten != EJsonToken::CurlyOpen && PreviousTokenWritten != EJsonToken::SquareOpen && PreviousTokenWritten != EJsonToken::Identifier)
		{
			PrintPolicy::WriteChar(&Stream, CharType(','));
		}
	}

	void WriteIdentifier(FStringView Identifier)
	{
		WriteCommaIfNeeded();
		PrintPolicy::WriteLineTerminator(&Stream);
		PrintPolicy::WriteTabs(&Stream, IndentLevel);
		WriteEscapedString(Identifier);
		PrintPolicy::WriteChar(&Stream, CharType(':'));
		PreviousTokenWritten = EJsonToken::Identifier;
	}

	/** Quotes the text, escaping what JSON requires; other characters, non-ASCII included, go out as they are. */
	void WriteEscapedString(FStringView Text)
	{
		PrintPolicy::WriteChar(&Stream, CharType('"'));
		int32 RunStart = 0;
		for (int32 Index = 0; Index < Text.Len(); ++Index)
		{
			const TCHAR Char = Text[Index];
			const TCHAR* Escape = nullptr;
			switch (Char)
			{
			case '"':
				Escape = TEXT("\\\"");
				break;
			case '\\':
				Escape = TEXT("\\\\");
				break;
			case '\n':
				Escape = TEXT("\\n");
				break;
			case '\t':
				Escape = TEXT("\\t");
				break;
			case '\b':
				Escape = TEXT("\\b");
				break;
			case '\f':
				Escape = TEXT("\\f");
				break;
			case '\r':
				Escape = TEXT("\\r");
				break;
			default:
				if (Char >= 0x20)
				{
					continue;
				}
			}
			PrintPolicy::WriteString(&Stream, Text.Mid(RunStart, Index - RunStart));
			RunStart = Index + 1;
			if (Escape != nullptr)
			{
				PrintPolicy::WriteString(&Stream, Escape);
			}
			else
			{
				WriteControlEscape(Char);
			}
		}
		PrintPolicy::WriteString(&Stream, Text.RightChop(RunStart));
		PrintPolicy::WriteChar(&Stream, CharType('"'));
	}

	void WriteControlEscape(TCHAR Char)
	{
		static const char HexDigits[] = "0123456789abcdef";
		const CharType Escape[] = {'\\', 'u', '0', '0', CharType(HexDigits[Char >> 4]), CharType(HexDigits[Char & 0xF])};
		PrintPolicy::WriteString(&Stream, FStringView(Escape, UE_ARRAY_COUNT(Escape)));
	}

	template <class IntegerType>
	EJsonToken WriteInteger(IntegerType Value)
	{
		char Digits[24];
		const std::to_chars_result Result = std::to_chars(Digits, Digits + sizeof(Digits), Value);
		for (const char* Digit = Digits; Digit != Result.ptr; ++Digit)
		{
			PrintPolicy::WriteChar(&Stream, CharType(*Digit));
		}
		return EJsonToken::Number;
	}

	EJsonToken WriteValueOnly(bool bValue)
	{
		PrintPolicy::WriteString(&Stream, bValue ? TEXT("true") : TEXT("false"));
		return bValue ? EJsonToken::True : EJsonToken::False;
	}

	EJsonToken WriteValueOnly(float Value)
	{
		PrintPolicy::WriteFloat(&Stream, Value);
		return EJsonToken::Number;
	}

	EJsonToken WriteValueOnly(double Value)
	{
		PrintPolicy::WriteDouble(&Stream, Value);
		return EJsonToken::Number;
	}

	EJsonToken WriteValueOnly(int32 Value)
	{
		return WriteInteger(Value);
	}

	EJsonToken WriteValueOnly(int64 Value)
	{
		return WriteInteger(Value);
	}

	EJsonToken WriteValueOnly(uint32 Value)
	{
		return WriteInteger(Value);
	}

	EJsonToken WriteValueOnly(uint64 Value)
	{
		return WriteInteger(Value);
	}

	EJsonToken WriteValueOnly(std::nullptr_t)
	{
		PrintPolicy::WriteString(&Stream, TEXT("null"));
		return EJsonToken::Null;
	}

	EJsonToken WriteValueOnly(const TCHAR* Value)
	{
		return WriteValueOnly(FStringView(Value));
	}

	EJsonToken WriteValueOnly(FStringView Value)
	{
		WriteEscapedString(Value);
		return EJsonToken::String;
	}

	FString* const OutString;
	TArray<CharType> Stream;
	TArray<EJson> Stack;
	EJsonToken PreviousTokenWritten = EJsonToken::None;
	int32 IndentLevel = 0;
};

template <class CharType, class PrintPolicy>
class TJsonWriterFactory
{
public:
	/** A writer whose text replaces the contents of *Stream when it is closed. */
	static TSharedRef<TJsonWriter<CharType, PrintPolicy>> Create(FString* const Stream, int32 InitialIndentLevel = 0)
	{
		return TSharedRef<TJsonWriter<CharType, PrintPolicy>>(new TJsonWriter<CharType, PrintPolicy>(Stream, InitialIndentLevel));
	}
};
