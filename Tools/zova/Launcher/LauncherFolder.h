#pragma once

#include "CoreMinimal.h"

/** Whether the text is what the launcher module takes as its session document: a JSON object. */
bool IsLauncherDocument(const FString& Text);

/**
 * A launcher folder as the launcher writes it: BridgeFilePath.zova naming the data file,
 * manage/TokenKEY.DLK holding the token text, and the data file encoded under that token.
 */
class FLauncherFolder
{
public:
	explicit FLauncherFolder(const FString& InDir);

	const FString& GetBridgePath() const { return BridgePath; }
	const FString& GetTokenPath() const { return TokenPath; }
	const FString& GetDataPath() const { return DataPath; }

	/**
	 * Encodes the document for the token; with an empty token the data file holds the plain document.
	 * @return false with OutError when OpenSSL offers no DES-CBC
	 */
	bool Encode(const FString& Document, const FString& Token, FString& OutError);

	/**
	 * Writes the three files after Encode, all or none (see FZovaStagedFiles).
	 * @param bReplace - whether files already there may be replaced
	 * @return false with OutError, one line, when the folder was left as it was
	 */
	bool Write(bool bReplace, FString& OutError) const;

	/**
	 * Reads the files as the launcher module does and decodes the data: what a script should know
	 * before it trusts the values the module reads from the folder.
	 * @return false with OutProblem, one line, when a file is missing or the data is no JSON object
	 */
	static bool Check(const FString& Dir, FString& OutProblem);

private:
	FString Dir;
	FString BridgePath;
	FString TokenPath;
	FString DataPath;
	TArray<uint8> TokenBytes;
	FString DataText;
};
