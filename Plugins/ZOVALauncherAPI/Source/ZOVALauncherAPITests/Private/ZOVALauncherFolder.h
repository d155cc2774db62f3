// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

#if WITH_DEV_AUTOMATION_TESTS

/**
 * A launcher folder under the project's Saved folder, as the launcher leaves one for the game it
 * starts: BridgeFilePath.zova naming the data file, manage/TokenKEY.DLK, and the data file,
 * Data/HubData.txt. The files written go with the object.
 */
class FZOVALauncherFolder
{
public:
	/** The folder Saved/ZOVALauncherAPITests/<Name>, as an absolute path. */
	explicit FZOVALauncherFolder(const FString& Name);
	~FZOVALauncherFolder();
	FZOVALauncherFolder(const FZOVALauncherFolder&) = delete;
	FZOVALauncherFolder& operator=(const FZOVALauncherFolder&) = delete;

	/** All three files: the token file in UTF-8, the data file as given, the bridge naming it and ending in CR LF. */
	void Write(const FString& Token, const FString& DataFileText);

	/** One file below the folder, in UTF-8 without a byte order mark. */
	void WriteText(const FString& RelativePath, const FString& Text);

	/** One file below the folder, byte for byte. */
	void WriteBytes(const FString& RelativePath, const TArray<uint8>& Bytes);

	void Delete(const FString& RelativePath);

	/** Without a trailing separator. */
	const FString& GetPath() const { return Path; }

	FString GetDataFilePath() const { return Path / TEXT("Data/HubData.txt"); }

private:
	FString Path;
	TArray<FString> Written;
};

#endif
