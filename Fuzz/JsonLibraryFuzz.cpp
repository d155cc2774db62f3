// The JSON library functions as Blueprint nodes call them. Input: JSON text (UTF-8). Keys are made
// from the document's own members, literal and as JSON Pointers, plus awkward ones; what the
// functions give is checked against the host Json reader's view of the same text (for text the
// library's check lets through, whose tree must then be one the engine can free and write), and what
// the create functions build must read back.

#include "Dom/JsonObject.h"
#include "FuzzInput.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "UObject/UObjectGlobals.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAJsonTextCheck.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace
{
	constexpr int32 MaxMembers = 8;
	const TCHAR* const AwkwardKeys[] = {TEXT(""), TEXT("/"), TEXT("~"), TEXT("/~"), TEXT("/~2"), TEXT("/-"), TEXT("/0"), TEXT("//"), TEXT("a/b"), TEXT("/0/0/0")};

	void Require(bool bCondition, const char* What, const FString& Text)
	{
		if (!bCondition)
		{
			fprintf(stderr, "JsonLibraryFuzz: %s: %s\n", What, TCHAR_TO_UTF8(*Text));
			abort();
		}
	}

	/**
	 * Whether the tree is one the library may hand on: no deeper than its limit, every object value
	 * holding an object, and no NaN (read again without keeping number text). Walked without recursion.
	 */
	bool IsSoundTree(const TSharedPtr<FJsonValue>& Root)
	{
		std::vector<std::pair<const FJsonValue*, int32>> Pending = {{Root.Get(), 1}};
		while (!Pending.empty())
		{
			const auto [Value, Depth] = Pending.back();
			Pending.pop_back();
			if (Value->Type == EJson::Array || Value->Type == EJson::Object)
			{
				const TSharedPtr<FJsonObject>* Object = nullptr;
				if (Depth > ZOVAJsonTextCheck::MaxDepth || (Value->Type == EJson::Object && (!Value->TryGetObject(Object) || !Object->IsValid())))
				{
					return false;
				}
				if (Value->Type == EJson::Array)
				{
					for (const TSharedPtr<FJsonValue>& Element : Value->AsArray())
					{
						Pending.emplace_back(Element.Get(), Depth + 1);
					}
				}
				else
				{
					for (const TPair<FString, TSharedPtr<FJsonValue>>& Member : (*Object)->Values)
					{
						Pending.emplace_back(Member.Value.Get(), Depth + 1);
					}
				}
			}
			else if (Value->Type == EJson::Number && std::isnan(Value->AsNumber()))
			{
				return false;
			}
		}
		return true;
	}

	/**
	 * The root as the library reads it: null where its check refuses the text (some of which the
	 * reader would assert on) or the reader fails; numbers kept as written.
	 */
	TSharedPtr<FJsonValue> Read(const FString& Text)
	{
		if (ZOVAJsonTextCheck::IsRefused(Text))
		{
			return nullptr;
		}
		TSharedPtr<FJsonValue> Plain;
		if (FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Plain))
		{
			Require(IsSoundTree(Plain), "the library's check let through a tree it cannot hand on", Text);
		}
		TSharedPtr<FJsonValue> Value;
		FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Value, FJsonSerializer::EFlags::StoreNumbersAsStrings);
		return Value;
	}

	/** Whether the library would nest the text rather than store it as a string. */
	bool IsNestedJson(const FString& Text)
	{
		const TSharedPtr<FJsonValue> Value = Read(Text);
		return Value.IsValid() && (Value->Type == EJson::Object || Value->Type == EJson::Array);
	}

	/** A name holding a zero character cannot be typed as a key: every C string view of it ends early. */
	bool HasZeroCharacter(const FString& Name)
	{
		for (int32 Index = 0; Index < Name.Len(); ++Index)
		{
			if (Name[Index] == 0)
			{
				return true;
			}
		}
		return false;
	}

	FString PointerTo(const FString& Name)
	{
		return TEXT("/") + Name.Replace(TEXT("~"), TEXT("~0"), ESearchCase::CaseSensitive).Replace(TEXT("/"), TEXT("~1"), ESearchCase::CaseSensitive);
	}

	bool SameText(const FString& A, const FString& B)
	{
		return A.Equals(B, ESearchCase::CaseSensitive);
	}

	void CheckArray(const FString& Text, const TSharedPtr<FJsonValue>& Root)
	{
		TArray<FString> Elements;
		const bool bArray = UZOVABlueprintFunctionLibrary::OnJsonToArray(Text, Elements);
		Require(bArray == (Root.IsValid() && Root->Type == EJson::Array), "OnJsonToArray disagrees with the reader", Text);
		if (!bArray)
		{
			Require(Elements.IsEmpty(), "OnJsonToArray gave elements for a non-array", Text);
			return;
		}
		const TArray<TSharedPtr<FJsonValue>>& Values = Root->AsArray();
		Require(Elements.Num() == Values.Num(), "OnJsonToArray lost or added elements", Text);
		for (int32 Index = 0; Index < Elements.Num(); ++Index)
		{
			Require(SameText(UZOVABlueprintFunctionLibrary::OnArrayOut(Elements, Index), Elements[Index]), "OnArrayOut differs from the element", Text);
			if (Values[Index]->Type == EJson::String)
			{
				Require(SameText(Elements[Index], Values[Index]->AsString()), "a string element changed", Text);
			}
		}
		Require(UZOVABlueprintFunctionLibrary::OnArrayOut(Elements, -1).IsEmpty() && UZOVABlueprintFunctionLibrary::OnArrayOut(Elements, Elements.Num()).IsEmpty(), "OnArrayOut outside the array is not empty", Text);
	}

	/** The array the library builds reads back as the same elements; strings exactly. */
	void CheckCreateArray(const TArray<FString>& Elements)
	{
		FString Json;
		Require(UZOVABlueprintFunctionLibrary::OnCreateJsonArray(Elements, Json), "OnCreateJsonArray failed", Json);
		TArray<FString> Back;
		Require(UZOVABlueprintFunctionLibrary::OnJsonToArray(Json, Back), "a created array does not read back", Json);
		Require(Back.Num() == Elements.Num(), "a created array changed its length", Json);
		for (int32 Index = 0; Index < Elements.Num(); ++Index)
		{
			Require(IsNestedJson(Elements[Index]) || SameText(Back[Index], Elements[Index]), "a created array changed a string", Json);
		}
	}

	/** The object the library builds reads back by its literal keys; strings exactly. */
	void CheckCreateObject(const TArray<FString>& Names, const TArray<FString>& Values)
	{
		TMap<FString, FString> Map;
		for (int32 Index = 0; Index < Names.Num(); ++Index)
		{
			Map.Add(Names[Index], Values[Index]);
		}
		FString Json;
		Require(UZOVABlueprintFunctionLibrary::OnCreateJson(Map, Json), "OnCreateJson failed", Json);
		TArray<FString> Keys;
		TArray<FString> Expected;
		for (const TPair<FString, FString>& Pair : Map)
		{
			if (!Pair.Key.StartsWith(TEXT("/")))
			{
				Keys.Add(Pair.Key);
				Expected.Add(Pair.Value);
			}
		}
		TArray<FString> Back;
		Require(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Json, Keys, Back), "a created object misses a key", Json);
		for (int32 Index = 0; Index < Keys.Num(); ++Index)
		{
			Require(IsNestedJson(Expected[Index]) || SameText(Back[Index], Expected[Index]), "a created object changed a string", Json);
		}
	}

	/** Every member read by pointer, and by its literal name where that is not itself a pointer, agrees with the reader. */
	void CheckObject(const FString& Text, const TSharedPtr<FJsonValue>& Root)
	{
		const bool bObject = Root.IsValid() && Root->Type == EJson::Object;
		TArray<FString> Names;
		TArray<FString> Pointers;
		if (bObject)
		{
			for (const TPair<FString, TSharedPtr<FJsonValue>>& Member : Root->AsObject()->Values)
			{
				if (Names.Num() == MaxMembers)
				{
					break;
				}
				if (!HasZeroCharacter(Member.Key))
				{
					Names.Add(Member.Key);
					Pointers.Add(PointerTo(Member.Key));
				}
			}
		}

		TArray<FString> Values;
		Require(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Text, Pointers, Values) == bObject, "OnJsonAnalyze missed a member by pointer", Text);
		Require(Values.Num() == Pointers.Num(), "OnJsonAnalyze gave a value count other than the key count", Text);
		for (int32 Index = 0; Index < Names.Num(); ++Index)
		{
			const TSharedPtr<FJsonValue> Member = Root->AsObject()->TryGetField(Names[Index]);
			Require(Member->Type != EJson::String || SameText(Values[Index], Member->AsString()), "a string member changed", Text);
			if (!Names[Index].StartsWith(TEXT("/")))
			{
				TArray<FString> Literal;
				Require(UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Text, {Names[Index]}, Literal), "OnJsonAnalyze missed a member by name", Text);
				Require(SameText(Literal[0], Values[Index]), "a member and its pointer read differently", Text);
			}
		}

		TArray<FString> Awkward;
		for (const TCHAR* const Key : AwkwardKeys)
		{
			Awkward.Add(Key);
		}
		TArray<FString> AwkwardValues;
		UZOVABlueprintFunctionLibrary::OnJsonAnalyze(Text, Awkward, AwkwardValues);
		Require(AwkwardValues.Num() == Awkward.Num(), "OnJsonAnalyze gave a value count other than the key count", Text);

		CheckCreateArray(Values);
		CheckCreateObject(Names, Values);
	}
}

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
	ProcessNewlyLoadedUObjects();
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8* Data, size_t Size)
{
	const FString Text = FuzzInput::FromUtf8(std::string_view(reinterpret_cast<const char*>(Data), Size));
	const TSharedPtr<FJsonValue> Root = Read(Text);
	CheckObject(Text, Root);
	CheckArray(Text, Root);

	TArray<FString> Elements;
	if (UZOVABlueprintFunctionLibrary::OnJsonToArray(Text, Elements))
	{
		CheckCreateArray(Elements);
	}
	return 0;
}
