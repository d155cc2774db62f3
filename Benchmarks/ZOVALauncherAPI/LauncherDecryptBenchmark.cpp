// DecryptHubText on a 4 MB data file, beside OpenSSL decoding the same Base64 and decrypting the
// same cipher bytes in one call each, in the same run. Target: at least 0.9 of the baseline's
// throughput (both count the 4 MB of plaintext).

#include "BenchmarkPair.h"
#include "CoreMinimal.h"
#include "ZOVAHubCipher.h"

THIRD_PARTY_INCLUDES_START
#include <openssl/des.h>
#include <openssl/evp.h>
THIRD_PARTY_INCLUDES_END

#include <string>

namespace
{
	const FString Token = TEXT("ZOVA-令牌-2024");
	constexpr int32 PlainSize = 4 * 1024 * 1024;

	std::string MakeBlock(const FString& Text)
	{
		const FTCHARToUTF8 Utf8(*Text, Text.Len());
		std::string Block(Utf8.Get(), std::min(Utf8.Length(), 8));
		Block.resize(8, '\0');
		return Block;
	}

	/** A data file as the launcher writes it: 4 MB of UTF-8 JSON, PKCS#5 padded, DES-CBC, one line of Base64. */
	struct FDataFile
	{
		std::string Base64;
		std::string Key = MakeBlock(Token.Reverse());
		std::string Iv = MakeBlock(Token);

		FDataFile()
		{
			std::string Plain = "{\"Rows\":[";
			for (int32 Index = 0; (int32)Plain.size() < PlainSize - 64; ++Index)
			{
				Plain += "{\"名字\":\"玩家" + std::to_string(Index) + "\",\"Score\":" + std::to_string(Index * 7) + "},";
			}
			Plain.resize(PlainSize - 4, ' ');
			Plain += "{}]}";
			const size_t Padding = 8 - Plain.size() % 8;
			Plain.append(Padding, (char)Padding);

			std::string Cipher(Plain.size(), '\0');
			DES_cblock KeyBlock;
			DES_cblock IvBlock;
			std::copy(Key.begin(), Key.end(), KeyBlock);
			std::copy(Iv.begin(), Iv.end(), IvBlock);
			PRAGMA_DISABLE_DEPRECATION_WARNINGS
			DES_key_schedule Schedule;
			DES_set_key_unchecked(&KeyBlock, &Schedule);
			DES_ncbc_encrypt(reinterpret_cast<const uint8*>(Plain.data()), reinterpret_cast<uint8*>(Cipher.data()), (long)Plain.size(), &Schedule, &IvBlock, DES_ENCRYPT);
			PRAGMA_ENABLE_DEPRECATION_WARNINGS

			Base64.resize((Cipher.size() + 2) / 3 * 4 + 1);
			Base64.resize(EVP_EncodeBlock(reinterpret_cast<uint8*>(Base64.data()), reinterpret_cast<const uint8*>(Cipher.data()), (int)Cipher.size()));
		}
	};

	const FDataFile& DataFile()
	{
		static const FDataFile File;
		return File;
	}

	void DecryptDataFile()
	{
		static const FString CipherText(DataFile().Base64.c_str());
		const FString Text = UE::ZOVALauncherAPI::Private::DecryptHubText(CipherText, Token.Reverse(), Token);
		benchmark::DoNotOptimize(Text.Len());
	}

	void OpenSslDecodeAndDecrypt()
	{
		const std::string& Base64 = DataFile().Base64;
		static std::string Cipher(Base64.size() / 4 * 3, '\0');
		static std::string Plain(Cipher.size(), '\0');
		const int CipherSize = EVP_DecodeBlock(reinterpret_cast<uint8*>(Cipher.data()), reinterpret_cast<const uint8*>(Base64.data()), (int)Base64.size());
		DES_cblock KeyBlock;
		std::copy(DataFile().Key.begin(), DataFile().Key.end(), KeyBlock);
		DES_cblock IvBlock;
		std::copy(DataFile().Iv.begin(), DataFile().Iv.end(), IvBlock);
		PRAGMA_DISABLE_DEPRECATION_WARNINGS
		DES_key_schedule Schedule;
		DES_set_key_unchecked(&KeyBlock, &Schedule);
		DES_ncbc_encrypt(reinterpret_cast<const uint8*>(Cipher.data()), reinterpret_cast<uint8*>(Plain.data()), CipherSize / 8 * 8, &Schedule, &IvBlock, DES_DECRYPT);
		PRAGMA_ENABLE_DEPRECATION_WARNINGS
		benchmark::DoNotOptimize(Plain.data());
	}

	const FBenchmarkPairRegistration DecryptOverOpenSsl({.Name = "DecryptHubText_vs_OpenSslDecodeAndDecrypt", .Measured = &DecryptDataFile, .Baseline = &OpenSslDecodeAndDecrypt, .Pairs = 21});
}

BENCHMARK_MAIN();
