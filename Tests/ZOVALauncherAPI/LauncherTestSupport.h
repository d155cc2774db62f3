#pragma once

#include "CoreMinimal.h"

#include <memory>
#include <string>
#include <vector>

class IPlatformFile;
class UEngine;

// Shared by the launcher tests: exact text comparison, child processes (openssl, zova), temporary
// launcher folders, a test engine and the module's session store.
namespace LauncherTest
{
	/** UTF-8 bytes of the text; compare these where case matters (FString == ignores case). */
	std::string Utf8(const FString& Text);
	FString FromUtf8(const std::string& Bytes);

	struct FProcessResult
	{
		int32 ExitCode = -1;
		std::string StdOut;
		std::string StdErr;
	};

	/** Runs a program (searched on PATH) without a shell, with empty standard input. */
	FProcessResult RunProcess(const std::vector<std::string>& Argv);

	/** A folder under the system temp folder, removed with its contents when the object dies. */
	class FTempFolder
	{
	public:
		FTempFolder();
		~FTempFolder();
		FTempFolder(const FTempFolder&) = delete;
		FTempFolder& operator=(const FTempFolder&) = delete;

		/** Without a trailing separator. */
		const FString& GetPath() const { return Path; }
		/** Writes a file below the folder, creating folders; returns its full path. */
		FString WriteFile(const FString& RelativePath, const std::string& Bytes) const;

	private:
		FString Path;
	};

	/**
	 * Makes a file unreadable while it lives: mode 000, or where that does not stop this process (root
	 * reads anything), a platform file on top of the chain that refuses to open it. It still exists.
	 */
	class FScopedUnreadableFile
	{
	public:
		explicit FScopedUnreadableFile(const FString& Path);
		~FScopedUnreadableFile();
		FScopedUnreadableFile(const FScopedUnreadableFile&) = delete;
		FScopedUnreadableFile& operator=(const FScopedUnreadableFile&) = delete;

	private:
		std::string Path;
		IPlatformFile* Previous = nullptr;
		std::unique_ptr<IPlatformFile> Refusing;
	};

	/** The first 8 UTF-8 bytes of Text, zero-filled: how the launcher turns its texts into key and IV. */
	std::string LauncherBlock(const FString& Text);

	/**
	 * Runs "openssl enc -des-cbc" (legacy provider) with Base64 on the cipher side, e.g. Options {"-A"}
	 * to encrypt into one line, {"-A", "-nopad"} for whole blocks as they are, {"-d", "-A"} to decrypt.
	 * @return its output, or empty when it fails
	 */
	std::string OpenSslDes(const std::string& Input, const std::string& KeyBlock, const std::string& IvBlock, const std::vector<std::string>& Options);

	/** The data file the launcher writes for a document and a token: one line of Base64, made by openssl. */
	std::string EncryptDocument(const FString& Document, const FString& Token);

	/** A launcher folder: bridge file (ending in CR LF) naming Data/HubData.txt, token key file, data file. */
	void WriteLauncherFolder(const FTempFolder& Folder, const std::string& TokenFileBytes, const std::string& DataFileBytes);

	/** A UEngine installed as GEngine for the length of a test, and collected afterwards. */
	class FScopedTestEngine
	{
	public:
		FScopedTestEngine();
		~FScopedTestEngine();
		FScopedTestEngine(const FScopedTestEngine&) = delete;
		FScopedTestEngine& operator=(const FScopedTestEngine&) = delete;

		UEngine* operator->() const { return Engine; }

	private:
		UEngine* Engine;
	};

	/** Puts the session store back as the module loads it. */
	void ResetHubStore();
}
