#include "LauncherDataEncoder.h"

#include <openssl/evp.h>
#include <openssl/provider.h>

#include <algorithm>

namespace
{
	/** The first 8 bytes of Text in UTF-8, zero-filled when there are fewer. */
	TArray<uint8> MakeBlock(const FString& Text)
	{
		TArray<uint8> Block;
		Block.SetNumZeroed(8);
		const FTCHARToUTF8 Utf8(*Text, Text.Len());
		std::copy_n(reinterpret_cast<const uint8*>(Utf8.Get()), std::min(Utf8.Length(), 8), Block.GetData());
		return Block;
	}

	/**
	 * Single DES lives in OpenSSL 3's legacy provider. It is loaded into a library context of our own,
	 * so the rest of the process keeps OpenSSL's defaults.
	 */
	class FLegacyDesCbc
	{
	public:
		FLegacyDesCbc()
		{
			Context = OSSL_LIB_CTX_new();
			if (Context)
			{
				LegacyProvider = OSSL_PROVIDER_load(Context, "legacy");
				DefaultProvider = OSSL_PROVIDER_load(Context, "default");
				Cipher = EVP_CIPHER_fetch(Context, "DES-CBC", nullptr);
			}
		}

		~FLegacyDesCbc()
		{
			EVP_CIPHER_free(Cipher);
			if (DefaultProvider)
			{
				OSSL_PROVIDER_unload(DefaultProvider);
			}
			if (LegacyProvider)
			{
				OSSL_PROVIDER_unload(LegacyProvider);
			}
			OSSL_LIB_CTX_free(Context);
		}

		FLegacyDesCbc(const FLegacyDesCbc&) = delete;
		FLegacyDesCbc& operator=(const FLegacyDesCbc&) = delete;

		/** Null when the provider or the cipher is unavailable. */
		const EVP_CIPHER* Get() const { return Cipher; }

	private:
		OSSL_LIB_CTX* Context = nullptr;
		OSSL_PROVIDER* LegacyProvider = nullptr;
		OSSL_PROVIDER* DefaultProvider = nullptr;
		EVP_CIPHER* Cipher = nullptr;
	};

	/** Encrypts with PKCS#5 padding, which the cipher context applies by default. */
	bool Encrypt(const EVP_CIPHER* Cipher, const TArray<uint8>& Key, const TArray<uint8>& Iv, const FTCHARToUTF8& Plain, TArray<uint8>& OutCipherBytes)
	{
		OutCipherBytes.SetNumZeroed(Plain.Length() + 8);
		EVP_CIPHER_CTX* CipherContext = EVP_CIPHER_CTX_new();
		int UpdateLength = 0;
		int FinalLength = 0;
		const bool bEncrypted = CipherContext
			&& EVP_EncryptInit_ex2(CipherContext, Cipher, Key.GetData(), Iv.GetData(), nullptr) == 1
			&& EVP_EncryptUpdate(CipherContext, OutCipherBytes.GetData(), &UpdateLength, reinterpret_cast<const uint8*>(Plain.Get()), Plain.Length()) == 1
			&& EVP_EncryptFinal_ex(CipherContext, OutCipherBytes.GetData() + UpdateLength, &FinalLength) == 1;
		EVP_CIPHER_CTX_free(CipherContext);
		OutCipherBytes.SetNum(bEncrypted ? UpdateLength + FinalLength : 0);
		return bEncrypted;
	}

	/** Standard Base64 with "=" padding, on one line. */
	FString EncodeBase64(const TArray<uint8>& Bytes)
	{
		TArray<uint8> Text;
		Text.SetNumZeroed((Bytes.Num() + 2) / 3 * 4 + 1);
		// The encoder ends the text with a zero.
		EVP_EncodeBlock(Text.GetData(), Bytes.GetData(), Bytes.Num());
		return FString(reinterpret_cast<const ANSICHAR*>(Text.GetData()));
	}
}

bool LauncherDataEncoder::EncryptDocument(const FString& Document, const FString& TokenAsRead, FString& OutBase64, FString& OutError)
{
	const FLegacyDesCbc DesCbc;
	if (!DesCbc.Get())
	{
		OutError = TEXT("OpenSSL offers no DES-CBC here (its legacy provider could not be loaded)");
		return false;
	}
	TArray<uint8> CipherBytes;
	const FTCHARToUTF8 Plain(*Document, Document.Len());
	if (!Encrypt(DesCbc.Get(), MakeBlock(TokenAsRead.Reverse()), MakeBlock(TokenAsRead), Plain, CipherBytes))
	{
		OutError = TEXT("OpenSSL could not encrypt the document");
		return false;
	}
	OutBase64 = EncodeBase64(CipherBytes);
	return true;
}
