#pragma once

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonWriter.h"

#include <utility>

/** Reads JSON text into FJsonValue trees and writes trees back out. */
class JSON_API FJsonSerializer
{
public:
	enum class EFlags
	{
		None = 0,
		/** Keep numbers as the text they were written with (FJsonValueNumberString), so no digit is lost. */
		StoreNumbersAsStrings = 1,
	};

	/**
	 * True when the text is one JSON document with an object at its root, read as the engine reads it
	 * (see TJsonReader); OutObject is left alone otherwise.
	 */
	template <class CharType>
	static bool Deserialize(const TSharedRef<TJsonReader<CharType>>& Reader, TSharedPtr<FJsonObject>& OutObject, EFlags InOptions = EFlags::None)
	{
		FDocumentRoot Root;
		if (!ReadDocument(*Reader, InOptions, Root) || !Root.Object.IsValid())
		{
			return false;
		}
		OutObject = MoveTemp(Root.Object);
		return true;
	}

	/** True when the text is one JSON document with an array at its root. */
	template <class CharType>
	static bool Deserialize(const TSharedRef<TJsonReader<CharType>>& Reader, TArray<TSharedPtr<FJsonValue>>& OutArray, EFlags InOptions = EFlags::None)
	{
		FDocumentRoot Root;
		if (!ReadDocument(*Reader, InOptions, Root) || Root.Type != EJson::Array)
		{
			return false;
		}
		OutArray = MoveTemp(Root.Array);
		return true;
	}

	/** True when the text is one JSON document; its root, an object or an array, becomes the value. */
	template <class CharType>
	static bool Deserialize(const TSharedRef<TJsonReader<CharType>>& Reader, TSharedPtr<FJsonValue>& OutValue, EFlags InOptions = EFlags::None)
	{
		FDocumentRoot Root;
		if (!ReadDocument(*Reader, InOptions, Root))
		{
			return false;
		}
		if (Root.Type == EJson::Object)
		{
			OutValue = MakeShared<FJsonValueObject>(MoveTemp(Root.Object));
		}
		else
		{
			OutValue = MakeShared<FJsonValueArray>(MoveTemp(Root.Array));
		}
		return true;
	}

	/** Writes the object; the text reaches the writer's string when the writer is closed. */
	template <class CharType, class PrintPolicy>
	static bool Serialize(const TSharedRef<FJsonObject>& Object, const TSharedRef<TJsonWriter<CharType, PrintPolicy>>& Writer, bool bCloseWriter = true)
	{
		TArray<FOpenContainer> OpenContainers;
		Writer->WriteObjectStart();
		OpenContainers.Add(FOpenContainer(*Object));
		return WriteOpenContainers(*Writer, OpenContainers, bCloseWriter);
	}

	template <class CharType, class PrintPolicy>
	static bool Serialize(const TArray<TSharedPtr<FJsonValue>>& Array, const TSharedRef<TJsonWriter<CharType, PrintPolicy>>& Writer, bool bCloseWriter = true)
	{
		TArray<FOpenContainer> OpenContainers;
		Writer->WriteArrayStart();
		OpenContainers.Add(FOpenContainer(Array));
		return WriteOpenContainers(*Writer, OpenContainers, bCloseWriter);
	}

	/** Writes the value, as a member named Identifier when one is given. */
	template <class CharType, class PrintPolicy>
	static bool Serialize(const TSharedPtr<FJsonValue>& Value, const FString& Identifier, const TSharedRef<TJsonWriter<CharType, PrintPolicy>>& Writer, bool bCloseWriter = true)
	{
		TArray<FOpenContainer> OpenContainers;
		WriteValue(*Writer, Identifier.IsEmpty() ? nullptr : &Identifier, Value, OpenContainers);
		return WriteOpenContainers(*Writer, OpenContainers, bCloseWriter);
	}

private:
	typedef TMap<FString, TSharedPtr<FJsonValue>> FMemberMap;
	typedef decltype(std::declval<const FMemberMap&>().begin()) FMemberIterator;

	/** An array or object whose elements are still being written; kept on a heap stack, so depth costs no call stack. */
	struct FOpenContainer
	{
		explicit FOpenContainer(const FJsonObject& Object)
			: NextMember(Object.Values.begin())
			, EndMember(Object.Values.end())
			, bIsObject(true)
		{
		}

		explicit FOpenContainer(const TArray<TSharedPtr<FJsonValue>>& Array)
			: Elements(&Array)
		{
		}

		const TArray<TSharedPtr<FJsonValue>>* Elements = nullptr;
		int32 NextElement = 0;
		FMemberIterator NextMember = FMemberIterator();
		FMemberIterator EndMember = FMemberIterator();
		bool bIsObject = false;
	};

	/** The outermost object or array of a document. */
	struct FDocumentRoot
	{
		EJson Type = EJson::None;
		TSharedPtr<FJsonObject> Object;
		TArray<TSharedPtr<FJsonValue>> Array;
	};

	/** Reads the reader's tokens into a tree, keeping open containers on a heap stack; false, with the reader's error message set, on failure. */
	static bool ReadDocument(TJsonReader<TCHAR>& Reader, EFlags Options, FDocumentRoot& OutRoot);

	template <class CharType, class PrintPolicy>
	static bool WriteOpenContainers(TJsonWriter<CharType, PrintPolicy>& Writer, TArray<FOpenContainer>& OpenContainers, bool bCloseWriter)
	{
		while (!OpenContainers.IsEmpty())
		{
			FOpenContainer& Container = OpenContainers.Last();
			if (Container.bIsObject)
			{
				if (Container.NextMember == Container.EndMember)
				{
					Writer.WriteObjectEnd();
					OpenContainers.Pop();
					continue;
				}
				const FMemberMap::ElementType& Member = *Container.NextMember;
				++Container.NextMember;
				WriteValue(Writer, &Member.Key, Member.Value, OpenContainers);
			}
			else
			{
				if (Container.NextElement == Container.Elements->Num())
				{
					Writer.WriteArrayEnd();
					OpenContainers.Pop();
					continue;
				}
				const TSharedPtr<FJsonValue>& Element = (*Container.Elements)[Container.NextElement++];
				WriteValue(Writer, nullptr, Element, OpenContainers);
			}
		}
		return !bCloseWriter || Writer.Close();
	}

	/** Writes a scalar whole; an array or object is opened and pushed for WriteOpenContainers to finish. */
	template <class CharType, class PrintPolicy>
	static void WriteValue(TJsonWriter<CharType, PrintPolicy>& Writer, const FString* Identifier, const TSharedPtr<FJsonValue>& Value, TArray<FOpenContainer>& OpenContainers)
	{
		// Every writer call takes the identifier when there is one and goes without it otherwise.
		const auto Write = [Identifier](const auto& Call)
		{
			if (Identifier != nullptr)
			{
				Call(*Identifier);
			}
			else
			{
				Call();
			}
		};
		// As in the engine, a null pointer where a value or an object belongs fails an assertion.
		switch (Value->Type)
		{
		case EJson::String:
			Write([&Writer, &Value](const auto&... Name) { Writer.WriteValue(Name..., Value->AsString()); });
			break;
		case EJson::Number:
			if (Value->PreferStringRepresentation())
			{
				Write([&Writer, &Value](const auto&... Name) { Writer.WriteRawJSONValue(Name..., Value->AsString()); });
			}
			else
			{
				Write([&Writer, &Value](const auto&... Name) { Writer.WriteValue(Name..., Value->AsNumber()); });
			}
			break;
		case EJson::Boolean:
			Write([&Writer, &Value](const auto&... Name) { Writer.WriteValue(Name..., Value->AsBool()); });
			break;
		case EJson::Array:
			Write([&Writer](const auto&... Name) { Writer.WriteArrayStart(Name...); });
			OpenContainers.Add(FOpenContainer(Value->AsArray()));
			break;
		case EJson::Object:
			Write([&Writer](const auto&... Name) { Writer.WriteObjectStart(Name...); });
			OpenContainers.Add(FOpenContainer(*Value->AsObject()));
			break;
		case EJson::Null:
			Write([&Writer](const auto&... Name) { Writer.WriteNull(Name...); });
			break;
		default:
			checkf(false, TEXT("Could not print Json Value, unrecognized type."));
			break;
		}
	}
};
