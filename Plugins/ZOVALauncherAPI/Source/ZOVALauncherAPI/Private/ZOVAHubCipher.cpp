// Copyright ZOVA. All Rights Reserved.

#include "ZOVAHubCipher.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

THIRD_PARTY_INCLUDES_START
#include "openssl/des.h"
THIRD_PARTY_INCLUDES_END

namespace UE::ZOVALauncherAPI::Private
{
	namespace
	{
		constexpr uint8 Base64Invalid = 0xFF;
		constexpr uint8 Base64Blank = 0xFE;

		/** Digit value of every byte: 0..63, Base64Blank for what is skipped, Base64Invalid for what ends the text ("=" included). */
		constexpr std::array<uint8, 256> MakeBase64Digits()
		{
			std::array<uint8, 256> Digits{};
			Digits.fill(Base64Invalid);
			constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
			for (uint8 Value = 0; Value < 64; ++Value)
			{
				Digits[(uint8)Alphabet[Value]] = Value;
			}
			// Launchers and editors wrap long Base64 into lines; the line breaks carry no data.
			for (const char Blank : {' ', '\t', '\r', '\n'})
			{
				Digits[(uint8)Blank] = Base64Blank;
			}
			return Digits;
		}

		constexpr std::array<uint8, 256> Base64Digits = MakeBase64Digits();

		/** Marks a group of four characters that is not four digits; every whole group decodes below it. */
		constexpr uint32 NotFourDigits = 1u << 24;

		/**
		 * For each place in a group of four ASCII characters, every character's digit already shifted to
		 * where its six bits go in the group's 24, or NotFourDigits: a group decodes with four lookups.
		 */
		constexpr std::array<std::array<uint32, 128>, 4> MakeGroupDigits()
		{
			std::array<std::array<uint32, 128>, 4> Places{};
			for (int32 Place = 0; Place < 4; ++Place)
			{
				for (int32 Char = 0; Char < 128; ++Char)
				{
					const uint8 Digit = Base64Digits[Char];
					Places[Place][Char] = Digit < 64 ? uint32(Digit) << (18 - 6 * Place) : NotFourDigits;
				}
			}
			return Places;
		}

		constexpr std::array<std::array<uint32, 128>, 4> GroupDigits = MakeGroupDigits();

		/** The 24 bits of four Base64 digits, or NotFourDigits or more when any character is not one. */
		template <typename CharType>
		uint32 DecodeGroup(const CharType* Chars)
		{
			const uint32 First = (std::make_unsigned_t<CharType>)Chars[0];
			const uint32 Second = (std::make_unsigned_t<CharType>)Chars[1];
			const uint32 Third = (std::make_unsigned_t<CharType>)Chars[2];
			const uint32 Fourth = (std::make_unsigned_t<CharType>)Chars[3];
			if ((First | Second | Third | Fourth) >= 128)
			{
				return NotFourDigits;
			}
			return GroupDigits[0][First] | GroupDigits[1][Second] | GroupDigits[2][Third] | GroupDigits[3][Fourth];
		}

		/**
		 * The first 8 bytes of Text in UTF-8. A shorter text is zero-filled, never read past: the IV
		 * as well as the key, since a token key file may hold fewer than 8 bytes.
		 */
		FDesBlock MakeDesBlock(const FString& Text)
		{
			FDesBlock Block{};
			const FTCHARToUTF8 Utf8(*Text, Text.Len());
			std::copy_n(reinterpret_cast<const uint8*>(Utf8.Get()), std::min<int32>(Utf8.Length(), (int32)Block.size()), Block.begin());
			return Block;
		}

		/** Length of the plaintext without its PKCS#5 padding of 1 to 8 bytes, judged by the last byte alone. */
		size_t GetUnpaddedLength(const std::string& Plain)
		{
			if (Plain.empty())
			{
				return 0;
			}
			const uint8 PaddingLength = (uint8)Plain.back();
			if (PaddingLength < 1 || PaddingLength > 8)
			{
				return Plain.size();
			}
			check(Plain.size() >= PaddingLength);
			return Plain.size() - PaddingLength;
		}

		/** The bytes before the first zero byte, as UTF-8 text, converted straight into the string. */
		FString Utf8BytesToText(std::string_view Bytes)
		{
			const std::string_view Text = Bytes.substr(0, Bytes.find('\0'));
			return FString::ConstructFromPtrSize(reinterpret_cast<const UTF8CHAR*>(Text.data()), (int32)Text.size());
		}
	}

	FString DecryptHubText(const FString& CipherText, const FString& KeyText, const FString& IvText)
	{
		const FDesBlock KeyBlock = MakeDesBlock(KeyText);
		FDesBlock IvBlock = MakeDesBlock(IvText);
		// Decoding the text's characters directly spares a UTF-8 copy of a possibly large file.
		const std::string Plain = DesCbcDecrypt(Base64Decode(*CipherText, CipherText.Len()), KeyBlock, IvBlock);
		return Utf8BytesToText(std::string_view(Plain).substr(0, GetUnpaddedLength(Plain)));
	}

	template <typename CharType>
	std::string Base64Decode(const CharType* Encoded, int32 Length)
	{
		std::string Decoded(Length / 4 * 3 + 2, '\0');
		char* Out = Decoded.data();
		const auto WriteGroup = [&Out](uint32 Bits)
		{
			Out[0] = (char)(uint8)(Bits >> 16);
			Out[1] = (char)(uint8)(Bits >> 8);
			Out[2] = (char)(uint8)Bits;
			Out += 3;
		};
		uint32 GroupBits = 0;
		int32 GroupSize = 0;
		const CharType* Cursor = Encoded;
		const CharType* const End = Encoded + Length;
		while (Cursor < End)
		{
			// Four digits in a row, as nearly all of a data file is, decode at once; anything else goes
			// one character at a time until a group is complete again.
			if (GroupSize == 0 && End - Cursor >= 4)
			{
				const uint32 Bits = DecodeGroup(Cursor);
				if (Bits < NotFourDigits)
				{
					WriteGroup(Bits);
					Cursor += 4;
					continue;
				}
			}
			const uint32 Unit = (std::make_unsigned_t<CharType>)*Cursor++;
			const uint8 Digit = Unit < 0x80 ? Base64Digits[Unit] : Base64Invalid;
			if (Digit == Base64Blank)
			{
				continue;
			}
			if (Digit == Base64Invalid)
			{
				break;
			}
			GroupBits = (GroupBits << 6) | Digit;
			if (++GroupSize == 4)
			{
				WriteGroup(GroupBits);
				GroupBits = 0;
				GroupSize = 0;
			}
		}
		// A final group of n digits carries n - 1 whole bytes; a lone digit carries none.
		if (GroupSize >= 2)
		{
			const uint32 Bits = GroupBits << (6 * (4 - GroupSize));
			*Out++ = (char)(uint8)(Bits >> 16);
			if (GroupSize == 3)
			{
				*Out++ = (char)(uint8)(Bits >> 8);
			}
		}
		Decoded.erase(Out - Decoded.data());
		return Decoded;
	}

	template std::string Base64Decode<ANSICHAR>(const ANSICHAR* Encoded, int32 Length);
	template std::string Base64Decode<TCHAR>(const TCHAR* Encoded, int32 Length);

	std::string DesCbcDecrypt(std::string Cipher, const FDesBlock& KeyBlock, FDesBlock& IvBlock)
	{
		// Decrypts in place; bytes beyond the last whole block are dropped.
		Cipher.erase(Cipher.size() / 8 * 8);
		uint8* Bytes = reinterpret_cast<uint8*>(Cipher.data());

		// OpenSSL 3 marks the single-DES functions deprecated; they remain the plain DES we need.
		PRAGMA_DISABLE_DEPRECATION_WARNINGS
		DES_cblock Key;
		std::copy(KeyBlock.begin(), KeyBlock.end(), Key);
		DES_key_schedule Schedule;
		DES_set_key_unchecked(&Key, &Schedule);
		// One call over all whole blocks is the same CBC pass as one call per block, and leaves the last
		// cipher block in IvBlock just the same.
		DES_ncbc_encrypt(Bytes, Bytes, (long)Cipher.size(), &Schedule, reinterpret_cast<DES_cblock*>(IvBlock.data()), DES_DECRYPT);
		PRAGMA_ENABLE_DEPRECATION_WARNINGS
		return Cipher;
	}
}
