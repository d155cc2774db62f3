// The launcher decoder with any cipher, key and IV texts. Input: key text, "\n", IV text, "\n", then
// the rest. The rest is decoded as the data file's text, and also taken as a document: encrypted the
// launcher's way (PKCS#5 padding, DES-CBC, Base64) by OpenSSL, it must decode back to itself.

#include "FuzzInput.h"
#include "UObject/UObjectGlobals.h"
#include "ZOVAHubCipher.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

THIRD_PARTY_INCLUDES_START
#include "openssl/des.h"
#include "openssl/evp.h"
THIRD_PARTY_INCLUDES_END

using namespace UE::ZOVALauncherAPI::Private;

namespace
{
	/** The first 8 UTF-8 bytes of the text, zero-filled: the launcher's key and IV rule. */
	FDesBlock LauncherBlock(const FString& Text)
	{
		FDesBlock Block{};
		const std::string Utf8 = FuzzInput::ToUtf8(Text);
		std::copy_n(Utf8.begin(), std::min(Utf8.size(), Block.size()), Block.begin());
		return Block;
	}

	std::string EncryptAsLauncher(const std::string& Document, const FDesBlock& KeyBlock, const FDesBlock& IvBlock)
	{
		std::string Plain = Document;
		const size_t Padding = 8 - Plain.size() % 8;
		Plain.append(Padding, (char)Padding);

		PRAGMA_DISABLE_DEPRECATION_WARNINGS
		DES_cblock Key;
		std::copy(KeyBlock.begin(), KeyBlock.end(), Key);
		DES_key_schedule Schedule;
		DES_set_key_unchecked(&Key, &Schedule);
		DES_cblock Iv;
		std::copy(IvBlock.begin(), IvBlock.end(), Iv);
		std::string Cipher(Plain.size(), '\0');
		DES_ncbc_encrypt(reinterpret_cast<const uint8*>(Plain.data()), reinterpret_cast<uint8*>(Cipher.data()), (long)Plain.size(), &Schedule, &Iv, DES_ENCRYPT);
		PRAGMA_ENABLE_DEPRECATION_WARNINGS

		std::string Base64(4 * ((Cipher.size() + 2) / 3) + 1, '\0');
		const int Length = EVP_EncodeBlock(reinterpret_cast<uint8*>(Base64.data()), reinterpret_cast<const uint8*>(Cipher.data()), (int)Cipher.size());
		Base64.resize(Length);
		return Base64;
	}

	void Require(bool bCondition, const char* What)
	{
		if (!bCondition)
		{
			fprintf(stderr, "LauncherDecryptFuzz: %s\n", What);
			abort();
		}
	}
}

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
	ProcessNewlyLoadedUObjects();
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8* Data, size_t Size)
{
	const std::vector<std::string_view> Parts = FuzzInput::Split(std::string_view(reinterpret_cast<const char*>(Data), Size), "\n", 3);
	const std::string_view KeyBytes = Parts[0];
	const std::string_view IvBytes = Parts.size() > 1 ? Parts[1] : std::string_view();
	const std::string_view Rest = Parts.size() > 2 ? Parts[2] : std::string_view();

	for (const bool bUtf16 : {false, true})
	{
		const auto ToText = bUtf16 ? FuzzInput::FromUtf16 : FuzzInput::FromUtf8;
		const FString KeyText = ToText(KeyBytes);
		const FString IvText = ToText(IvBytes);
		DecryptHubText(ToText(Rest), KeyText, IvText);

		// Base64 read from bytes and from the text of the same bytes agree.
		const FString RestText = FuzzInput::FromUtf8(Rest);
		if (FuzzInput::ToUtf8(RestText) == Rest)
		{
			Require(Base64Decode(Rest.data(), (int32)Rest.size()) == Base64Decode(*RestText, RestText.Len()), "Base64 of bytes and of text differ");
		}

		// A document the launcher encrypted decodes back to itself, up to its first zero byte.
		const std::string Document(Rest.substr(0, Rest.find('\0')));
		const FString DocumentText = FuzzInput::FromUtf8(Document);
		if (FuzzInput::ToUtf8(DocumentText) == Document)
		{
			const std::string Cipher = EncryptAsLauncher(Document, LauncherBlock(KeyText), LauncherBlock(IvText));
			const FString Decoded = DecryptHubText(FuzzInput::FromUtf8(Cipher), KeyText, IvText);
			Require(Decoded.Equals(DocumentText, ESearchCase::CaseSensitive), "an encrypted document did not decode back");
		}
	}
	return 0;
}
