#pragma once

#include "HAL/Platform.h"
#include "Containers/Array.h"
#include "Containers/StringView.h"
#include "Containers/UnrealString.h"
#include "HAL/FileManager.h"

class IPlatformFile;

/** Whole-file reads and writes. Reads go through FPlatformFileManager's platform file. */
struct CORE_API FFileHelper
{
	/** The host keeps no file hashes, so there is nothing to verify against. */
	enum class EHashOptions
	{
		None = 0
	};

	enum class EEncodingOptions
	{
		AutoDetect,
		ForceAnsi,
		ForceUnicode,
		ForceUTF8,
		ForceUTF8WithoutBOM
	};

	/**
	 * Decodes file bytes: FF FE starts UTF-16LE and FE FF UTF-16BE (either only for an even byte
	 * count), EF BB BF starts UTF-8; text without a byte order mark is UTF-8. Every unit is kept, zeros
	 * included; invalid UTF-8 becomes '?' as FUTF8ToTCHAR makes it.
	 */
	static void BufferToString(FString& Result, const uint8* Buffer, int32 Size);

	/** @return false when the file cannot be read (missing, a directory); an empty file gives true. */
	static bool LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags = 0);

	/**
	 * Reads a text file, decoded as BufferToString does.
	 * @return false when the file cannot be read (missing, a directory) or PlatformFile is null; an empty file gives true.
	 */
	static bool LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags = EHashOptions::None, uint32 ReadFlags = 0);
	static bool LoadFileToString(FString& Result, IPlatformFile* PlatformFile, const TCHAR* Filename, EHashOptions VerifyFlags = EHashOptions::None, uint32 ReadFlags = 0);

	/** Writes the bytes, creating missing parent directories. */
	static bool SaveArrayToFile(const TArray<uint8>& Array, const TCHAR* Filename, IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);

	/**
	 * Writes text, creating missing parent directories. AutoDetect writes pure 7-bit text as ANSI and
	 * anything else as UTF-16LE with a byte order mark; ForceAnsi writes '?' for what ANSI cannot hold.
	 */
	static bool SaveStringToFile(FStringView String, const TCHAR* Filename, EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect, IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
};
