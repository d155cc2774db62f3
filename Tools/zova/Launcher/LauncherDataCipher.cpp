#include "LauncherDataCipher.h"

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

	/**
	 * Encrypts (bEncrypt) or decrypts with PKCS#5 padding, which the cipher context applies and checks
	 * by default; false with OutError when OpenSSL has no DES-CBC or the bytes do not decrypt.
	 */
	bool Transform(bool bEncrypt, const FString& TokenAsRead, const uint8* Input, int32 InputLength, TArray<uint8>& OutBytes, FString& OutError)
	{
		const FLegacyDesCbc DesCbc;
		if (!DesCbc.Get())
		{
			OutError = TEXT("OpenSSL offers no DES-CBC here (its legacy provider could not be loaded)");
			return false;
		}
		const TArray<uint8> Key = MakeBlock(TokenAsRead.Reverse());
		const TArray<uint8> Iv = MakeBlock(TokenAsRead);
		OutBytes.SetNumZeroed(InputLength + 8);
		EVP_CIPHER_CTX* CipherContext = EVP_CIPHER_CTX_new();
		int UpdateLength = 0;
		int FinalLength = 0;
		const bool bDone = CipherContext
			&& EVP_CipherInit_ex2(CipherContext, DesCbc.Get(), Key.GetData(), Iv.GetData(), bEncrypt ? 1 : 0, nullptr) == 1
			&& EVP_CipherUpdate(CipherContext, OutBytes.GetData(), &UpdateLength, Input, InputLength) == 1
			&& EVP_CipherFinal_ex(CipherContext, OutBytes.GetData() + UpdateLength, &FinalLength) == 1;
		EVP_CIPHER_CTX_free(CipherContext);
		OutBytes.SetNum(bDone ? UpdateLength + FinalLength : 0);
		if (!bDone)
		{
			OutError = bEncrypt ? TEXT("OpenSSL could not encrypt the document") : TEXT("the data file does not decrypt under the token (the padding is wrong)");
		}
		return bDone;
	}

	/** Standard Base64, line breaks allowed; false when anything else is in it. */
	bool DecodeBase64(const FString& Text, TArray<uint8>& OutBytes)
	{
		const FTCHARToUTF8 Utf8(*Text, Text.Len());
		OutBytes.SetNumZeroed(Utf8.Length() / 4 * 3 + 3);
		EVP_ENCODE_CTX* const Context = EVP_ENCODE_CTX_new();
		int UpdateLength = 0;
		int FinalLength = 0;
		EVP_DecodeInit(Context);
		const bool bDecoded = EVP_DecodeUpdate(Context, OutBytes.GetData(), &UpdateLength, reinterpret_cast<const uint8*>(Utf8.Get()), Utf8.Length()) >= 0
			&& EVP_DecodeFinal(Context, OutBytes.GetData() + UpdateLength, &FinalLength) == 1;
		EVP_ENCODE_CTX_free(Context);
		OutBytes.SetNum(bDecoded ? UpdateLength + FinalLength : 0);
		return bDecoded;
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

bool LauncherDataCipher::EncryptDocument(const FString& Document, const FString& TokenAsRead, FString& OutBase64, FString& OutError)
{
	TArray<uint8> CipherBytes;
	const FTCHARToUTF8 Plain(*Document, Document.Len());
	if (!Transform(true, TokenAsRead, reinterpret_cast<const uint8*>(Plain.Get()), Plain.Length(), CipherBytes, OutError))
	{
		return false;
	}
	OutBase64 = EncodeBase64(CipherBytes);
	return true;
}

bool LauncherDataCipher::DecryptDocument(const FString& Base64Text, const FString& TokenAsRead, FString& OutDocument, FString& OutError)
{
	TArray<uint8> CipherBytes;
	if (!DecodeBase64(Base64Text, CipherBytes))
	{
		OutError = TEXT("the data file is not Base64 text");
		return false;
	}
	TArray<uint8> PlainBytes;
	if (!Transform(false, TokenAsRead, CipherBytes.GetData(), CipherBytes.Num(), PlainBytes, OutError))
	{
		return false;
	}
	// As the module does: the text ends at the first zero byte.
	int32 TextLength = 0;
	while (TextLength < PlainBytes.Num() && PlainBytes[TextLength] != 0)
	{
		++TextLength;
	}
	const FUTF8ToTCHAR Converted(reinterpret_cast<const ANSICHAR*>(PlainBytes.GetData()), TextLength);
	OutDocument = FString::ConstructFromPtrSize(Converted.Get(), Converted.Length());
	return true;
}
