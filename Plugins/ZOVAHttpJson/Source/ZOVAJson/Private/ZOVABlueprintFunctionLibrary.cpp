// Copyright ZOVA. All Rights Reserved.

#include "ZOVABlueprintFunctionLibrary.h"

#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"
#include "ZOVAJsonPointer.h"
#include "ZOVAJsonValueText.h"

namespace
{
	typedef TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>> FCondensedWriterFactory;

	TSharedPtr<FJsonValue> FindKey(const TSharedPtr<FJsonValue>& Root, const FString& Key)
	{
		if (Key.StartsWith(TEXT("/"), ESearchCase::CaseSensitive))
		{
			return ZOVAJsonPointer::Resolve(Root, Key);
		}
		return Root->AsObject()->TryGetField(Key);
	}
}

bool UZOVABlueprintFunctionLibrary::OnJsonAnalyze(const FString& InJson, const TArray<FString>& InKey, TArray<FString>& OutValue)
{
	OutValue.Reset(InKey.Num());
	OutValue.SetNum(InKey.Num());
	const TSharedPtr<FJsonValue> Root = ZOVAJsonValueText::Parse(InJson);
	if (!Root.IsValid() || Root->Type != EJson::Object)
	{
		return false;
	}
	bool bFoundAll = true;
	for (int32 Index = 0; Index < InKey.Num(); ++Index)
	{
		const TSharedPtr<FJsonValue> Value = FindKey(Root, InKey[Index]);
		bFoundAll &= Value.IsValid();
		OutValue[Index] = ZOVAJsonValueText::ToText(Value);
	}
	return bFoundAll;
}

bool UZOVABlueprintFunctionLibrary::OnJsonToArray(const FString& InJson, TArray<FString>& OutValue)
{
	OutValue.Reset();
	const TSharedPtr<FJsonValue> Root = ZOVAJsonValueText::Parse(InJson);
	if (!Root.IsValid() || Root->Type != EJson::Array)
	{
		return false;
	}
	const TArray<TSharedPtr<FJsonValue>>& Elements = Root->AsArray();
	OutValue.Reserve(Elements.Num());
	for (const TSharedPtr<FJsonValue>& Element : Elements)
	{
		OutValue.Add(ZOVAJsonValueText::ToText(Element));
	}
	return true;
}

bool UZOVABlueprintFunctionLibrary::OnCreateJson(const TMap<FString, FString>& InMap, FString& OutJson)
{
	const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	for (const TPair<FString, FString>& Pair : InMap)
	{
		Object->SetField(Pair.Key, ZOVAJsonValueText::FromText(Pair.Value));
	}
	OutJson.Reset();
	return FJsonSerializer::Serialize(Object, FCondensedWriterFactory::Create(&OutJson));
}

bool UZOVABlueprintFunctionLibrary::OnCreateJsonArray(const TArray<FString>& InArray, FString& OutJson)
{
	TArray<TSharedPtr<FJsonValue>> Elements;
	Elements.Reserve(InArray.Num());
	for (const FString& Element : InArray)
	{
		Elements.Add(ZOVAJsonValueText::FromText(Element));
	}
	OutJson.Reset();
	return FJsonSerializer::Serialize(Elements, FCondensedWriterFactory::Create(&OutJson));
}

FString UZOVABlueprintFunctionLibrary::OnArrayOut(const TArray<FString>& InArray, int32 Index)
{
	return InArray.IsValidIndex(Index) ? InArray[Index] : FString();
}
