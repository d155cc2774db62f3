// Copyright ZOVA. All Rights Reserved.

#include "ZOVAHubJson.h"

#include "Dom/JsonObject.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZOVAHubJsonCheck.h"
#include "ZOVAHubSession.h"

namespace UE::ZOVALauncherAPI::Private
{
	namespace
	{
		/** The object that JsonText holds; null when the text is not one complete JSON object or IsHubJsonRefused refuses it. */
		TSharedPtr<FJsonObject> ParseJsonObject(const FString& JsonText)
		{
			TSharedPtr<FJsonObject> Object;
			if (IsHubJsonRefused(JsonText) || !FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(JsonText), Object))
			{
				return nullptr;
			}
			return Object;
		}
	}

	FString GetHubJson()
	{
		return GetHubJsonObject().IsValid() ? GHubDataJson : FString(TEXT("{}"));
	}

	TSharedPtr<FJsonObject> GetHubJsonObject()
	{
		return ParseJsonObject(GHubDataJson);
	}

	FString GetJsonStringField(const FString& JsonText, const FString& Key)
	{
		return GetJsonStringField(ParseJsonObject(JsonText), Key);
	}

	FString GetJsonStringField(const TSharedPtr<FJsonObject>& Object, const FString& Key)
	{
		FString Value;
		if (!Object.IsValid() || !Object->TryGetStringField(Key, Value))
		{
			return FString();
		}
		return Value;
	}

	bool GetJsonBoolField(const FString& JsonText, const FString& Key, bool Default)
	{
		return GetJsonBoolField(ParseJsonObject(JsonText), Key, Default);
	}

	bool GetJsonBoolField(const TSharedPtr<FJsonObject>& Object, const FString& Key, bool Default)
	{
		bool bValue = false;
		if (!Object.IsValid() || !Object->TryGetBoolField(Key, bValue))
		{
			return Default;
		}
		return bValue;
	}
}
