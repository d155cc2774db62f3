#include "Serialization/JsonSerializer.h"

namespace
{
	/**
	 * A new value, owned by a TSharedPtr<FJsonValue> from the start. Host engine: made through the
	 * host's std::shared_ptr-based pointers, which skips the atomic reference count round trip of
	 * turning MakeShared's TSharedRef into a TSharedPtr, once per value.
	 */
	template <typename ValueType, typename... ArgTypes>
	TSharedPtr<FJsonValue> MakeValue(ArgTypes&&... Args)
	{
		return TSharedPtr<FJsonValue>(std::make_shared<ValueType>(Forward<ArgTypes>(Args)...));
	}

	/**
	 * Builds the tree as the reader's tokens arrive. The values of every open container wait on one
	 * shared stack until their container closes, so that each array and object is allocated once at
	 * its final size.
	 */
	class FTreeBuilder
	{
	public:
		/** Opens a container; the caller fills in its member name when it is an object member. */
		FString& Open(EJson Type)
		{
			return OpenContainers.Add_GetRef({Type, FString(), Values.Num(), Keys.Num()}).Identifier;
		}

		/** False for the root, which stays open until the text ends, whichever bracket closes it. */
		bool IsNested() const
		{
			return OpenContainers.Num() > 1;
		}

		bool IsInObject() const
		{
			return OpenContainers.Top().Type == EJson::Object;
		}

		/**
		 * Closes the innermost container into a value of the container around it. The bracket decides
		 * its kind, as in the engine: an object closed by ']' becomes an empty array, an array closed
		 * by '}' an object value holding no object.
		 */
		void Close(EJsonNotation Bracket)
		{
			FOpenContainer Closed = OpenContainers.Pop();
			TSharedPtr<FJsonValue> Value;
			if (Bracket == EJsonNotation::ObjectEnd)
			{
				Value = MakeValue<FJsonValueObject>(Closed.Type == EJson::Object ? TakeObject(Closed) : TSharedPtr<FJsonObject>());
			}
			else
			{
				Value = MakeValue<FJsonValueArray>(Closed.Type == EJson::Array ? TakeArray(Closed) : TArray<TSharedPtr<FJsonValue>>());
			}
			Values.SetNum(Closed.FirstValue);
			Keys.SetNum(Closed.FirstKey);
			if (IsInObject())
			{
				Keys.Add(MoveTemp(Closed.Identifier));
			}
			Values.Add(MoveTemp(Value));
		}

		/** The name slot of a member about to be added to the innermost object. */
		FString& AddKey()
		{
			return Keys.AddDefaulted_GetRef();
		}

		void AddValue(TSharedPtr<FJsonValue>&& Value)
		{
			Values.Add(MoveTemp(Value));
		}

		/** Hands over the root as its object or its elements; false if the text never opened one. */
		bool TakeRoot(EJson& OutType, TSharedPtr<FJsonObject>& OutObject, TArray<TSharedPtr<FJsonValue>>& OutArray)
		{
			if (OpenContainers.IsEmpty())
			{
				return false;
			}
			const FOpenContainer& Root = OpenContainers[0];
			OutType = Root.Type;
			if (Root.Type == EJson::Object)
			{
				OutObject = TakeObject(Root);
			}
			else
			{
				OutArray = TakeArray(Root);
			}
			return true;
		}

	private:
		struct FOpenContainer
		{
			EJson Type;
			/** The container's own member name, if it is an object member. */
			FString Identifier;
			int32 FirstValue;
			int32 FirstKey;
		};

		TSharedPtr<FJsonObject> TakeObject(const FOpenContainer& Container)
		{
			const int32 Count = Values.Num() - Container.FirstValue;
			TSharedPtr<FJsonObject> Object(std::make_shared<FJsonObject>()); // As in MakeValue.
			Object->Values.Reserve(Count);
			for (int32 Member = 0; Member < Count; ++Member)
			{
				// Emplace replaces an earlier member of the same name, which ignores case: the last one wins.
				Object->Values.Emplace(MoveTemp(Keys[Container.FirstKey + Member]), MoveTemp(Values[Container.FirstValue + Member]));
			}
			return Object;
		}

		TArray<TSharedPtr<FJsonValue>> TakeArray(const FOpenContainer& Container)
		{
			TArray<TSharedPtr<FJsonValue>> Elements;
			Elements.Reserve(Values.Num() - Container.FirstValue);
			for (int32 Element = Container.FirstValue; Element < Values.Num(); ++Element)
			{
				Elements.Add(MoveTemp(Values[Element]));
			}
			return Elements;
		}

		TArray<FOpenContainer> OpenContainers;
		TArray<TSharedPtr<FJsonValue>> Values;
		/** The member names of every open object, in step with their values. */
		TArray<FString> Keys;
	};
}

bool FJsonSerializer::ReadDocument(TJsonReader<TCHAR>& Reader, EFlags Options, FDocumentRoot& OutRoot)
{
	const bool bNumbersAsText = ((int32)Options & (int32)EFlags::StoreNumbersAsStrings) != 0;
	FTreeBuilder Builder;
	EJsonNotation Notation;
	while (Reader.ReadNext(Notation))
	{
		TSharedPtr<FJsonValue> Value;
		switch (Notation)
		{
		case EJsonNotation::ObjectStart:
			Reader.MoveIdentifierTo(Builder.Open(EJson::Object));
			continue;
		case EJsonNotation::ArrayStart:
			Reader.MoveIdentifierTo(Builder.Open(EJson::Array));
			continue;
		case EJsonNotation::ObjectEnd:
		case EJsonNotation::ArrayEnd:
			if (Builder.IsNested())
			{
				Builder.Close(Notation);
			}
			continue;
		case EJsonNotation::Boolean:
			Value = MakeValue<FJsonValueBoolean>(Reader.GetValueAsBoolean());
			break;
		case EJsonNotation::String:
			Value = MakeValue<FJsonValueString>(Reader.StealStringValue());
			break;
		case EJsonNotation::Number:
			Value = bNumbersAsText ? MakeValue<FJsonValueNumberString>(Reader.StealStringValue()) : MakeValue<FJsonValueNumber>(Reader.GetValueAsNumber());
			break;
		case EJsonNotation::Null:
			Value = MakeValue<FJsonValueNull>();
			break;
		default:
			return false;
		}
		if (Builder.IsInObject())
		{
			Reader.MoveIdentifierTo(Builder.AddKey());
		}
		Builder.AddValue(MoveTemp(Value));
	}
	return Reader.GetErrorMessage().IsEmpty() && Builder.TakeRoot(OutRoot.Type, OutRoot.Object, OutRoot.Array);
}
