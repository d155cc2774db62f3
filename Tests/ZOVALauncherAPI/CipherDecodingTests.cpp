#include "LauncherTestSupport.h"
#include "ZOVAHubCipher.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace LauncherTest;
using namespace UE::ZOVALauncherAPI::Private;

class FCipherDecodingTest : public testing::Test
{
protected:
	/** Encrypts Plain with openssl under the blocks derived from the texts, and decodes it back. */
	static std::string RoundTrip(const std::string& Plain, const FString& KeyText, const FString& IvText, const std::vector<std::string>& Options = {"-A"})
	{
		const std::string Base64 = OpenSslDes(Plain, LauncherBlock(KeyText), LauncherBlock(IvText), Options);
		return Utf8(DecryptHubText(FromUtf8(Base64), KeyText, IvText));
	}
};

TEST_F(FCipherDecodingTest, Base64StopsAtForeignBytesButSkipsBlanks)
{
	const std::pair<std::string, std::string> Cases[] = {
		{"QUJD", "ABC"}, {"QUJ", "AB"}, {"Q", ""}, {"QUJDRA", "ABCD"}, {"QUJDRA==", "ABCD"}, {"QUJDRA==QUJD", "ABCD"},
		{"QU JD", "ABC"}, {"QUJD\r\nRA\n", "ABCD"}, {"\tQUJ D", "ABC"}, {"QUJD-RA", "ABC"}, {"QUJD_RA", "ABC"},
		{"QUJD\xC3\x84RA", "ABC"}, {"AP/+", std::string("\x00\xFF\xFE", 3)},
	};
	for (const std::pair<std::string, std::string>& Case : Cases)
	{
		SCOPED_TRACE(Case.first);
		EXPECT_EQ(Base64Decode(Case.first.data(), (int32)Case.first.size()), Case.second);
		EXPECT_EQ(Base64Decode(*FromUtf8(Case.first), FromUtf8(Case.first).Len()), Case.second);
	}
}

TEST_F(FCipherDecodingTest, Base64BlanksAndForeignCharactersCountWhereverTheyFallInAGroup)
{
	// Every byte value, encoded by openssl in one line without padding: 64 whole groups of four digits.
	const FTempFolder Work;
	std::string Bytes;
	for (int32 Value = 0; Value < 192; ++Value)
	{
		Bytes += (char)(uint8)(Value * 37 + 11);
	}
	const FProcessResult Encoded = RunProcess({"openssl", "base64", "-A", "-in", Utf8(Work.WriteFile(TEXT("bytes"), Bytes))});
	ASSERT_EQ(Encoded.ExitCode, 0);
	const std::string Base64 = Encoded.StdOut;
	ASSERT_EQ(Base64.size(), size_t(256));
	ASSERT_EQ(Base64Decode(Base64.data(), (int32)Base64.size()), Bytes);

	for (size_t Place = 0; Place <= Base64.size(); ++Place)
	{
		SCOPED_TRACE(Place);
		// A blank anywhere is skipped.
		const std::string WithBlank = Base64.substr(0, Place) + "\n" + Base64.substr(Place);
		EXPECT_EQ(Base64Decode(WithBlank.data(), (int32)WithBlank.size()), Bytes);
		EXPECT_EQ(Base64Decode(*FromUtf8(WithBlank), FromUtf8(WithBlank).Len()), Bytes);

		// A foreign character ends the text: what came before it decodes, a lone last digit gives nothing.
		const std::string Before = Bytes.substr(0, Place / 4 * 3 + std::max<size_t>(Place % 4, 1) - 1);
		const std::string WithForeign = Base64.substr(0, Place) + "-" + Base64.substr(Place);
		EXPECT_EQ(Base64Decode(WithForeign.data(), (int32)WithForeign.size()), Before);
		// Outside ASCII, even where the character's low byte is a digit ('Q' in U+0151).
		const FString WithWide = FromUtf8(Base64.substr(0, Place)) + TEXT("\u0151") + FromUtf8(Base64.substr(Place));
		EXPECT_EQ(Base64Decode(*WithWide, WithWide.Len()), Before);
	}
}

TEST_F(FCipherDecodingTest, DesDecryptsWholeBlocksAndLeavesTheLastCipherBlockAsIv)
{
	const std::string Plain = "0123456789abcdefXYZWVUTS";
	const std::string Base64 = OpenSslDes(Plain, LauncherBlock(TEXT("k3y")), LauncherBlock(TEXT("iv")), {"-A", "-nopad"});
	const std::string Cipher = Base64Decode(Base64.data(), (int32)Base64.size());
	const FDesBlock Key = {'k', '3', 'y', 0, 0, 0, 0, 0};
	FDesBlock Iv = {'i', 'v', 0, 0, 0, 0, 0, 0};
	EXPECT_EQ(DesCbcDecrypt(Cipher.substr(0, 8), Key, Iv), Plain.substr(0, 8));
	EXPECT_EQ(DesCbcDecrypt(Cipher.substr(8) + "12345", Key, Iv), Plain.substr(8));
	EXPECT_EQ(std::string(Iv.begin(), Iv.end()), Cipher.substr(16));
	EXPECT_EQ(DesCbcDecrypt("1234567", Key, Iv), "");
}

TEST_F(FCipherDecodingTest, KeyAndIvTextsGiveTheLaunchersBlocks)
{
	const std::string Document = R"({"Username":"张三","Score":"98"})";
	const std::tuple<const char*, FString, FString> Cases[] = {
		{"ShortKeyIsZeroFilled", TEXT("abcde"), TEXT("12345678")},
		{"LongKeyIsCutAfterEightBytes", TEXT("abcdefghijkl"), TEXT("12345678")},
		{"NonAsciiKeyGivesItsUtf8Bytes", TEXT("钥匙ab"), TEXT("12345678")},
		{"NonAsciiKeyIsCutInsideACharacter", TEXT("密钥钥"), TEXT("12345678")},
		{"ShortIvIsZeroFilled", TEXT("abcdefgh"), TEXT("abc")},
		{"OneByteIv", TEXT("abcdefgh"), TEXT("x")},
	};
	for (const auto& [Name, KeyText, IvText] : Cases)
	{
		SCOPED_TRACE(Name);
		EXPECT_EQ(RoundTrip(Document, KeyText, IvText), Document);
	}
	// Only the first 8 IV bytes count.
	const std::string Cipher = OpenSslDes("payload!", LauncherBlock(TEXT("key")), LauncherBlock(TEXT("12345678")), {"-A"});
	EXPECT_EQ(Utf8(DecryptHubText(FromUtf8(Cipher), TEXT("key"), TEXT("12345678-another-tail"))), "payload!");
}

TEST_F(FCipherDecodingTest, WrappedAndUnpaddedBase64DecodeWhole)
{
	const std::string Document = R"({"Description":"一个用来测试多行 Base64 的较长文档，超过四十八个字节。","Version":"1.0.3"})";
	std::string Wrapped = OpenSslDes(Document, LauncherBlock(TEXT("dlroW")), LauncherBlock(TEXT("World")), {});
	ASSERT_GT(std::count(Wrapped.begin(), Wrapped.end(), '\n'), 1);
	EXPECT_EQ(Utf8(DecryptHubText(FromUtf8(Wrapped), TEXT("dlroW"), TEXT("World"))), Document);
	for (size_t Break = Wrapped.find('\n'); Break != std::string::npos; Break = Wrapped.find('\n', Break + 2))
	{
		Wrapped.insert(Break, "\r");
	}
	EXPECT_EQ(Utf8(DecryptHubText(FromUtf8(Wrapped), TEXT("dlroW"), TEXT("World"))), Document);

	std::string Unpadded = OpenSslDes("0123456789", LauncherBlock(TEXT("dlroW")), LauncherBlock(TEXT("World")), {"-A"});
	Unpadded.erase(Unpadded.find('='));
	EXPECT_EQ(Utf8(DecryptHubText(FromUtf8(Unpadded), TEXT("dlroW"), TEXT("World"))), "0123456789");
}

TEST_F(FCipherDecodingTest, PaddingIsJudgedByTheLastByteAloneAndZeroEndsTheText)
{
	const std::tuple<const char*, std::string, std::string> Cases[] = {
		{"FullPaddingBlock", std::string("ABCDEFGH") + std::string(8, '\x08'), "ABCDEFGH"},
		{"LastByteFiveDropsFiveBytes", "ABCDEFGHIJK\x01\x02\x03\x04\x05", "ABCDEFGHIJK"},
		{"LastByteNineStays", "ABCDEFG\x09", "ABCDEFG\x09"},
		{"TrailingZerosEndTheText", std::string("ABCDEF\0\0", 8), "ABCDEF"},
		{"ZeroByteEndsTheText", std::string("AB\0CDE\x02\x02", 8), "AB"},
	};
	for (const auto& [Name, Plain, Text] : Cases)
	{
		SCOPED_TRACE(Name);
		EXPECT_EQ(RoundTrip(Plain, TEXT("key"), TEXT("initvect"), {"-A", "-nopad"}), Text);
	}
}

// UE 5.4, Core/Private/GenericPlatform/GenericPlatformString.cpp: each invalid sequence becomes '?' and
// takes the byte that broke it along (5.8 reads that byte again).
TEST_F(FCipherDecodingTest, InvalidUtf8InTheDocumentBecomesQuestionMarksUpToTheFirstZero)
{
	using namespace std::string_literals;
	const std::string Plain = "{\"a\":\"x\xC3(y\xED\xA0\x80z\xF0\x9F\x98\x80\"}\0\"b\":1}"s;
	EXPECT_EQ(RoundTrip(Plain, TEXT("key"), TEXT("initvect")), "{\"a\":\"x?y?z\xF0\x9F\x98\x80\"}");
}

TEST_F(FCipherDecodingTest, ShortOrWrongInputDegradesToShortText)
{
	const std::string Cipher = OpenSslDes("ABCDEFGHIJKLMNOP", LauncherBlock(TEXT("key")), LauncherBlock(TEXT("iv")), {"-A", "-nopad"});
	EXPECT_EQ(Utf8(DecryptHubText(TEXT(""), TEXT("key"), TEXT("iv"))), "");
	EXPECT_EQ(Utf8(DecryptHubText(FromUtf8(Cipher.substr(0, 8)), TEXT("key"), TEXT("iv"))), "");
	EXPECT_EQ(Utf8(DecryptHubText(FromUtf8(Cipher.substr(0, 16)), TEXT("key"), TEXT("iv"))), "ABCDEFGH");
	EXPECT_NE(Utf8(DecryptHubText(FromUtf8(Cipher), TEXT("kez"), TEXT("iv"))), "ABCDEFGHIJKLMNOP");
}
