#pragma once

#include "CoreMinimal.h"

/**
 * The launcher's side of the data file: the document's UTF-8 bytes with PKCS#5 padding, encrypted
 * with single DES in CBC mode, as one line of Base64. The key is the first 8 UTF-8 bytes of the
 * token text reversed and the IV the first 8 UTF-8 bytes of the token text, both zero-filled,
 * because the launcher module reads the token key file that way.
 */
namespace LauncherDataCipher
{
	/**
	 * @param TokenAsRead - the token key file's text as the launcher module will read it back
	 * @return false with OutError when OpenSSL offers no DES-CBC (its legacy provider is missing)
	 */
	bool EncryptDocument(const FString& Document, const FString& TokenAsRead, FString& OutBase64, FString& OutError);

	/**
	 * The document back from the data file's text, for checking a folder from outside the module.
	 * @return false with OutError when the text is no Base64 or does not decrypt to whole, correctly
	 *         padded UTF-8 under the token
	 */
	bool DecryptDocument(const FString& Base64Text, const FString& TokenAsRead, FString& OutDocument, FString& OutError);
}
