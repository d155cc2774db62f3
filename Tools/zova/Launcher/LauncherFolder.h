#pragma once

#include "CoreMinimal.h"

/**
 * A launcher folder as the launcher writes it: BridgeFilePath.zova naming the data file,
 * manage/TokenKEY.DLK holding the token text, and the data file encoded under that token.
 */
class FLauncherFolder
{
public:
	explicit FLauncherFolder(const FString& Dir);

	const FString& GetBridgePath() const { return BridgePath; }
	const FString& GetTokenPath() const { return TokenPath; }
	const FString& GetDataPath() const { return DataPath; }

	/**
	 * Encodes the document for the token; with an empty token the data file holds the plain document.
	 * @return false with OutError when OpenSSL offers no DES-CBC
	 */
	bool Encode(const FString& Document, const FString& Token, FString& OutError);

	/** Writes the three files after Encode; false when one cannot be written. */
	bool Write() const;

private:
	FString BridgePath;
	FString TokenPath;
	FString DataPath;
	TArray<uint8> TokenBytes;
	FString DataText;
};
