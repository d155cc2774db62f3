#pragma once

#include "CoreMinimal.h"

// Member lookups in the session document. Nothing is cached: each call parses the text again, so
// the accessors always see the document of the last SetAPPKey call.
namespace UE::ZOVALauncherAPI::Private
{
	/**
	 * The session document as stored when it is a JSON object no deeper than MaxHubJsonDepth
	 * (unchanged, byte for byte), else "{}".
	 */
	FString GetHubJson();

	/** The member Key of the object in JsonText as text (as the engine's JSON object converts it), else empty. */
	FString GetJsonStringField(const FString& JsonText, const FString& Key);

	/** The member Key of the object in JsonText as a boolean (as the engine's JSON object converts it), else Default. */
	bool GetJsonBoolField(const FString& JsonText, const FString& Key, bool Default);
}
