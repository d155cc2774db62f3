#include "Serialization/JsonSerializer.h"

#include "Serialization/JsonTreeBuilder.h"

#include <cstring>

namespace
{
	typedef rapidjson::UTF16<TCHAR> FEncoding;

	// Strict JSON, read in place and without recursion; raw lone surrogates fail encoding validation.
	// Numbers come as their text, which the tree builder converts with strtod, as the engine's reader does.
	constexpr unsigned ParseFlags = rapidjson::kParseInsituFlag | rapidjson::kParseIterativeFlag | rapidjson::kParseValidateEncodingFlag | rapidjson::kParseNumbersAsStringsFlag;

	FString DescribeFailure(const rapidjson::ParseResult& Result, FJsonTreeBuilder::EFailure BuilderFailure)
	{
		if (Result.Code() == rapidjson::kParseErrorDocumentRootNotSingular)
		{
			return TEXT("Unexpected additional input found.");
		}
		if (Result.Code() != rapidjson::kParseErrorTermination)
		{
			return FString(rapidjson::GetParseError_En(Result.Code()));
		}
		switch (BuilderFailure)
		{
		case FJsonTreeBuilder::EFailure::TooDeep:
			return FString::Printf(TEXT("Nesting deeper than %d levels."), FJsonTreeBuilder::MaxDepth);
		case FJsonTreeBuilder::EFailure::WrongRoot:
			return TEXT("The root value is not of the requested kind.");
		case FJsonTreeBuilder::EFailure::LoneSurrogate:
			return TEXT("Unpaired surrogate in a string.");
		case FJsonTreeBuilder::EFailure::NumberTooBig:
			return FString(rapidjson::GetParseError_En(rapidjson::kParseErrorNumberTooBig));
		default:
			checkNoEntry();
			return FString();
		}
	}

	/** The engine's reader reports where it stopped as " Line: L Ch: C", both counted from 1. */
	FString DescribePosition(const FString& Text, int32 Offset)
	{
		uint32 Line = 1;
		int32 LineStart = 0;
		for (int32 Index = 0; Index < Offset && Index < Text.Len(); ++Index)
		{
			if (Text[Index] == '\n')
			{
				++Line;
				LineStart = Index + 1;
			}
		}
		return FString::Printf(TEXT(" Line: %u Ch: %u"), Line, (uint32)(Offset - LineStart + 1));
	}
}

TSharedPtr<FJsonValue> FJsonSerializer::ReadRoot(TJsonReader<TCHAR>& Reader, EJson RootType, EFlags Options)
{
	// Parsed in place, in a scratch copy so the reader's text stays intact for error positions. In
	// place is also the only mode in which RapidJSON 1.1 hands over numbers as written for UTF-16
	// text; its copying mode garbles them.
	Reader.ErrorMessage.Empty();
	TArray<TCHAR> Scratch;
	Scratch.SetNumUninitialized(Reader.Text.Len() + 1);
	std::memcpy(Scratch.GetData(), *Reader.Text, sizeof(TCHAR) * Scratch.Num());

	FJsonTreeBuilder Builder(RootType, ((int32)Options & (int32)EFlags::StoreNumbersAsStrings) != 0);
	rapidjson::GenericReader<FEncoding, FEncoding> Parser;
	rapidjson::GenericInsituStringStream<FEncoding> Stream(Scratch.GetData());
	const rapidjson::ParseResult Result = Parser.Parse<ParseFlags>(Stream, Builder);
	if (Result.IsError())
	{
		Reader.ErrorMessage = DescribeFailure(Result, Builder.GetFailure()) + DescribePosition(Reader.Text, (int32)Result.Offset());
		return nullptr;
	}
	// RapidJSON stops at a zero character; anything after one is text the document did not use.
	const int32 Consumed = (int32)Stream.Tell();
	if (Consumed != Reader.Text.Len())
	{
		Reader.ErrorMessage = FString(TEXT("Unexpected additional input found.")) + DescribePosition(Reader.Text, Consumed);
		return nullptr;
	}
	return Builder.TakeRoot();
}
