// Copyright ZOVA. All Rights Reserved.

#include "ZOVAJsonValueText.h"

#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"
#include "ZOVAJsonTextCheck.h"

namespace
{
	typedef TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>> FCondensedWriterFactory;

	bool LooksLikeContainer(const FString& Text)
	{
		for (const TCHAR Char : Text)
		{
			if (!FChar::IsWhitespace(Char))
			{
				return Char == '{' || Char == '[';
			}
		}
		return false;
	}
}

FString ZOVAJsonValueText::ToText(const TSharedPtr<FJsonValue>& Value)
{
	if (!Value.IsValid())
	{
		return FString();
	}
	FString Text;
	switch (Value->Type)
	{
	case EJson::Object:
		FJsonSerializer::Serialize(Value->AsObject().ToSharedRef(), FCondensedWriterFactory::Create(&Text));
		break;
	case EJson::Array:
		FJsonSerializer::Serialize(Value->AsArray(), FCondensedWriterFactory::Create(&Text));
		break;
	case EJson::String:
	case EJson::Number:
	case EJson::Boolean:
		Value->TryGetString(Text);
		break;
	default:
		break;
	}
	return Text;
}

TSharedPtr<FJsonValue> ZOVAJsonValueText::Parse(const FString& Text)
{
	// The reader reads the caller's text in place: a reader made from the string would copy it first.
	TSharedPtr<FJsonValue> Value;
	if (ZOVAJsonTextCheck::IsRefused(Text) || !FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::CreateFromView(Text), Value, FJsonSerializer::EFlags::StoreNumbersAsStrings))
	{
		return nullptr;
	}
	return Value;
}

TSharedPtr<FJsonValue> ZOVAJsonValueText::FromText(const FString& Text)
{
	if (LooksLikeContainer(Text))
	{
		TSharedPtr<FJsonValue> Parsed = Parse(Text);
		if (Parsed.IsValid() && (Parsed->Type == EJson::Object || Parsed->Type == EJson::Array))
		{
			return Parsed;
		}
	}
	return MakeShared<FJsonValueString>(Text);
}
