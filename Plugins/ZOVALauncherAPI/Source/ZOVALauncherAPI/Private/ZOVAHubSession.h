// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

// The launcher session store. Only SetAPPKey writes it and the accessors read it, all on the game
// thread, so it needs no lock. The document stays text: every accessor looks its member up afresh.
namespace UE::ZOVALauncherAPI::Private
{
	/** SetAPPKey has been called at least once. */
	extern bool GHubInitialized;
	/** LauncherPath of the last SetAPPKey call. */
	extern FString GHubLauncherPath;
	/** AppKey of the last SetAPPKey call. */
	extern FString GHubAppKey;
	/** The decoded session document, as loaded by the last SetAPPKey call with an AppKey. */
	extern FString GHubDataJson;
	/** What string accessors return while the store is not ready. */
	extern const FString GHubMissingDataText;

	/**
	 * Whether accessors may hand out data. When not, says why in the log and on screen, once per call.
	 * The document itself is not looked at: an empty or unusable one still counts as ready.
	 */
	bool IsHubReady();
}
