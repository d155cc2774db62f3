// The host Json reader and writer. Input: JSON text, read as UTF-8 and also as UTF-16 code units.
// Whatever is read must write out as text that reads back to the same text, and the object and
// array overloads must accept exactly the roots of their kind.

#include "Dom/JsonObject.h"
#include "FuzzInput.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <cstdio>
#include <cstdlib>

namespace
{
	typedef TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>> FCondensedWriterFactory;

	void Require(bool bCondition, const char* What, const FString& Text)
	{
		if (!bCondition)
		{
			fprintf(stderr, "JsonReaderFuzz: %s: %s\n", What, TCHAR_TO_UTF8(*Text));
			abort();
		}
	}

	TSharedPtr<FJsonValue> Read(const FString& Text, FJsonSerializer::EFlags Flags)
	{
		TSharedPtr<FJsonValue> Value;
		FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Value, Flags);
		return Value;
	}

	FString Write(const TSharedPtr<FJsonValue>& Value)
	{
		FString Text;
		const TSharedRef<TJsonWriter<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>> Writer = FCondensedWriterFactory::Create(&Text);
		bool bWritten = false;
		if (Value->Type == EJson::Object)
		{
			bWritten = FJsonSerializer::Serialize(Value->AsObject().ToSharedRef(), Writer);
		}
		else if (Value->Type == EJson::Array)
		{
			bWritten = FJsonSerializer::Serialize(Value->AsArray(), Writer);
		}
		else
		{
			bWritten = FJsonSerializer::Serialize(Value, FString(), Writer);
		}
		Require(bWritten, "a value read could not be written", Text);
		return Text;
	}

	void CheckText(const FString& Text)
	{
		for (const FJsonSerializer::EFlags Flags : {FJsonSerializer::EFlags::None, FJsonSerializer::EFlags::StoreNumbersAsStrings})
		{
			const TSharedPtr<FJsonValue> Value = Read(Text, Flags);

			TSharedPtr<FJsonObject> Object;
			const bool bObject = FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Object, Flags);
			Require(bObject == (Value.IsValid() && Value->Type == EJson::Object), "the object overload disagrees with the root", Text);
			TArray<TSharedPtr<FJsonValue>> Array;
			const bool bArray = FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Array, Flags);
			Require(bArray == (Value.IsValid() && Value->Type == EJson::Array), "the array overload disagrees with the root", Text);

			if (Value.IsValid())
			{
				const FString Written = Write(Value);
				const TSharedPtr<FJsonValue> Reread = Read(Written, Flags);
				Require(Reread.IsValid(), "written text does not read back", Written);
				Require(Write(Reread).Equals(Written, ESearchCase::CaseSensitive), "written text changes when read and written again", Written);
			}
		}
	}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8* Data, size_t Size)
{
	const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
	CheckText(FuzzInput::FromUtf8(Bytes));
	CheckText(FuzzInput::FromUtf16(Bytes));
	return 0;
}
