// The host Json reader and writer. Input: JSON text, read as UTF-8 and also as UTF-16 code units,
// without what the engine itself does not survive: text ending just after a backslash in a string
// (its reader asserts) and trees too deep to free (it frees them one call per level).
// The reader must agree with itself: the object and array overloads accept exactly the roots of
// their kind, and a failed read leaves an error message. Whatever is read must write out as text
// that reads back to the same text, except where the engine itself cannot: an object value without
// an object cannot be written, and infinity, or the text NaN keeps from an earlier token, is written
// as something its reader refuses.

#include "Dom/JsonObject.h"
#include "FuzzInput.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <algorithm>
#include <cmath>
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

	TSharedPtr<FJsonValue> Read(const FString& Text, FJsonSerializer::EFlags Flags, FString* OutError = nullptr)
	{
		const TSharedRef<TJsonReader<TCHAR>> Reader = TJsonReaderFactory<TCHAR>::Create(Text);
		TSharedPtr<FJsonValue> Value;
		FJsonSerializer::Deserialize(Reader, Value, Flags);
		if (OutError != nullptr)
		{
			*OutError = Reader->GetErrorMessage();
		}
		return Value;
	}

	FString Write(const TSharedPtr<FJsonValue>& Root)
	{
		FString Text;
		const TSharedRef<TJsonWriter<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>> Writer = FCondensedWriterFactory::Create(&Text);
		const bool bWritten = Root->Type == EJson::Object ? FJsonSerializer::Serialize(Root->AsObject().ToSharedRef(), Writer) : FJsonSerializer::Serialize(Root->AsArray(), Writer);
		Require(bWritten, "a value read could not be written", Text);
		return Text;
	}

	/** A number kept as text that the reader takes back as that same number. */
	bool IsNumberText(const FString& Text)
	{
		const TSharedPtr<FJsonValue> Wrapped = Read(TEXT("[") + Text + TEXT("]"), FJsonSerializer::EFlags::StoreNumbersAsStrings);
		return Wrapped.IsValid() && Wrapped->AsArray().Num() == 1 && Wrapped->AsArray()[0]->Type == EJson::Number && Wrapped->AsArray()[0]->AsString().Equals(Text, ESearchCase::CaseSensitive);
	}

	struct FWritability
	{
		bool bCanWrite = true;
		bool bReadsBack = true;
	};

	/** Walks the tree without recursion: whether the engine can write it, and read the text back. */
	FWritability Inspect(const TSharedPtr<FJsonValue>& Root)
	{
		FWritability Result;
		TArray<const FJsonValue*> Pending = {Root.Get()};
		while (!Pending.IsEmpty())
		{
			const FJsonValue* Value = Pending.Pop();
			const TArray<TSharedPtr<FJsonValue>>* Elements = nullptr;
			const TSharedPtr<FJsonObject>* Object = nullptr;
			if (Value->TryGetArray(Elements))
			{
				for (const TSharedPtr<FJsonValue>& Element : *Elements)
				{
					Pending.Add(Element.Get());
				}
			}
			else if (Value->TryGetObject(Object))
			{
				if (!Object->IsValid())
				{
					Result.bCanWrite = false;
					return Result;
				}
				for (const TPair<FString, TSharedPtr<FJsonValue>>& Member : (*Object)->Values)
				{
					Pending.Add(Member.Value.Get());
				}
			}
			else if (Value->Type == EJson::Number)
			{
				// Written as "inf" or "-inf"; "nan" reads back.
				Result.bReadsBack &= Value->PreferStringRepresentation() ? IsNumberText(Value->AsString()) : !std::isinf(Value->AsNumber());
			}
		}
		return Result;
	}

	void CheckText(const FString& Text)
	{
		for (const FJsonSerializer::EFlags Flags : {FJsonSerializer::EFlags::None, FJsonSerializer::EFlags::StoreNumbersAsStrings})
		{
			FString Error;
			const TSharedPtr<FJsonValue> Value = Read(Text, Flags, &Error);
			Require(Value.IsValid() == Error.IsEmpty(), "a read fails exactly when the reader gives a reason", Text);

			TSharedPtr<FJsonObject> Object;
			const bool bObject = FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Object, Flags);
			Require(bObject == (Value.IsValid() && Value->Type == EJson::Object), "the object overload disagrees with the root", Text);
			TArray<TSharedPtr<FJsonValue>> Array;
			const bool bArray = FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Array, Flags);
			Require(bArray == (Value.IsValid() && Value->Type == EJson::Array), "the array overload disagrees with the root", Text);

			if (!Value.IsValid())
			{
				continue;
			}
			const FWritability Writability = Inspect(Value);
			if (!Writability.bCanWrite)
			{
				continue;
			}
			const FString Written = Write(Value);
			if (!Writability.bReadsBack)
			{
				continue;
			}
			const TSharedPtr<FJsonValue> Reread = Read(Written, Flags);
			Require(Reread.IsValid(), "written text does not read back", Written);
			Require(Write(Reread).Equals(Written, ESearchCase::CaseSensitive), "written text changes when read and written again", Written);
		}
	}

	/** Deep enough for any real document, shallow enough to free under the sanitizers' larger frames. */
	constexpr int32 MaxDepth = 2000;

	/** The deepest nesting of brackets outside strings, which bounds the depth of any tree read. */
	int32 NestingDepth(const FString& Text)
	{
		int32 Depth = 0;
		int32 Deepest = 0;
		bool bInString = false;
		for (int32 Index = 0; Index < Text.Len(); ++Index)
		{
			const TCHAR Char = Text[Index];
			if (bInString)
			{
				Index += Char == '\\';
				bInString = Char != '"';
			}
			else if (Char == '[' || Char == '{')
			{
				Deepest = std::max(Deepest, ++Depth);
			}
			else if (Char == ']' || Char == '}')
			{
				--Depth;
			}
			else
			{
				bInString = Char == '"';
			}
		}
		return Deepest;
	}

	void CheckInput(FString Text)
	{
		while (Text.EndsWith(TEXT("\\")))
		{
			Text.LeftChopInline(1);
		}
		if (NestingDepth(Text) <= MaxDepth)
		{
			CheckText(Text);
		}
	}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8* Data, size_t Size)
{
	const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
	CheckInput(FuzzInput::FromUtf8(Bytes));
	CheckInput(FuzzInput::FromUtf16(Bytes));
	return 0;
}
