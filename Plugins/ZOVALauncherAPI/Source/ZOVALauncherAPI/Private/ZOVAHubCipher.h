// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

#include <array>
#include <string>

// The launcher's data file: the UTF-8 document, padded to whole 8-byte blocks (PKCS#5), encrypted
// with single DES in CBC mode, as Base64 text. The byte-level steps work on std::string, which may
// hold any byte (zero included) until the final conversion to text.
namespace UE::ZOVALauncherAPI::Private
{
	/** A DES key or CBC initialisation vector. */
	using FDesBlock = std::array<uint8, 8>;

	/**
	 * Turns the data file's text back into the document. Never fails: wrong input gives empty or
	 * unusable text.
	 * @param CipherText - Base64 text of the cipher bytes
	 * @param KeyText - gives the DES key: its first 8 UTF-8 bytes, zero-filled when there are fewer
	 * @param IvText - gives the initialisation vector, the same way
	 */
	FString DecryptHubText(const FString& CipherText, const FString& KeyText, const FString& IvText);

	/**
	 * Decodes standard-alphabet Base64, "=" padding optional. Blanks, tabs and line breaks are
	 * skipped, so wrapped text decodes whole; "=" or any other foreign character ends the decoding.
	 * Reads bytes (ANSICHAR) or the text itself (TCHAR) alike: Base64 is ASCII, and a character
	 * outside ASCII ends the decoding just as the first byte of its UTF-8 form would.
	 */
	template <typename CharType>
	std::string Base64Decode(const CharType* Encoded, int32 Length);

	/**
	 * Decrypts whole 8-byte blocks in CBC mode; a trailing partial block is ignored.
	 * @param IvBlock - updated in place: it holds the last cipher block afterwards
	 */
	std::string DesCbcDecrypt(std::string Cipher, const FDesBlock& KeyBlock, FDesBlock& IvBlock);
}
