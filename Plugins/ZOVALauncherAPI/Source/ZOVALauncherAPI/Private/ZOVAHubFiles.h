// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

// Reading the launcher's files. The launcher's relative names start with a backslash and are
// appended to the folder as they are; the platform file layer accepts that separator everywhere.
namespace UE::ZOVALauncherAPI::Private
{
	/** The LauncherPath given to SetAPPKey, or else the absolute launch directory. */
	FString GetHubBaseDir();

	/** Text of "\BridgeFilePath.zova" (the data file's path), or the base directory when it does not exist or cannot be read. */
	FString ReadBridgeFile();

	/** Text of "\manage\TokenKEY.DLK" reversed, or the base directory (not reversed) when it does not exist or cannot be read. */
	FString ReadTokenKeyFile();

	/** The session document text as the launcher's files give it; empty or unusable when they are missing or wrong. */
	FString LoadHubData();
}
