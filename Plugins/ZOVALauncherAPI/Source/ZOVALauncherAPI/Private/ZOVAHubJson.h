// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

class FJsonObject;

// Member lookups in the session document. Nothing is cached: each call parses the text again, so
// the accessors always see the document of the last SetAPPKey call.
namespace UE::ZOVALauncherAPI::Private
{
	/**
	 * The session document as stored when it is a JSON object no deeper than MaxHubJsonDepth
	 * (unchanged, byte for byte), else "{}".
	 */
	FString GetHubJson();

	/** The object of the session document, parsed once; null exactly when GetHubJson gives "{}". */
	TSharedPtr<FJsonObject> GetHubJsonObject();

	/** The member Key of the object in JsonText as text (as the engine's JSON object converts it), else empty. */
	FString GetJsonStringField(const FString& JsonText, const FString& Key);
	FString GetJsonStringField(const TSharedPtr<FJsonObject>& Object, const FString& Key);

	/** The member Key of the object in JsonText as a boolean (as the engine's JSON object converts it), else Default. */
	bool GetJsonBoolField(const FString& JsonText, const FString& Key, bool Default);
	bool GetJsonBoolField(const TSharedPtr<FJsonObject>& Object, const FString& Key, bool Default);
}
