#include "Engine/Engine.h"
#include "LauncherTestSupport.h"
#include "LogCapture.h"
#include "ZOVADesLibrary.h"
#include "ZOVAHubJson.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

using namespace LauncherTest;
using namespace UE::ZOVALauncherAPI::Private;

namespace
{
	std::string Utf16LeWithBom(const std::u16string& Units)
	{
		std::string Bytes = "\xFF\xFE";
		for (const char16_t Unit : Units)
		{
			Bytes += {(char)(Unit & 0xFF), (char)(Unit >> 8)};
		}
		return Bytes;
	}

	std::u16string ToUtf16(const FString& Text)
	{
		return std::u16string(*Text, Text.Len());
	}

	/** Writes a file whose name is given as raw bytes, which need not be UTF-8; returns its full path. */
	std::string WriteRawFile(const FTempFolder& Folder, const std::string& RelativePath, const std::string& Bytes)
	{
		const std::string Path = Utf8(Folder.GetPath()) + "/" + RelativePath;
		std::ofstream(Path, std::ios::binary) << Bytes;
		return Path;
	}

	void ReplaceWithDirectory(const FTempFolder& Folder, const char* RelativePath)
	{
		const std::string Path = Utf8(Folder.GetPath()) + "/" + RelativePath;
		std::filesystem::remove(Path);
		std::filesystem::create_directories(Path);
	}

	/** A named pipe without a writer: opening it for reading would wait for one forever. */
	void ReplaceWithFifo(const FTempFolder& Folder, const char* RelativePath)
	{
		const std::string Path = Utf8(Folder.GetPath()) + "/" + RelativePath;
		std::filesystem::remove(Path);
		ASSERT_EQ(mkfifo(Path.c_str(), 0644), 0);
	}

	std::string RandomBytes(size_t Size, bool bBase64Alphabet)
	{
		static const char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
		std::mt19937 Generator(20240611);
		std::uniform_int_distribution<int32> Distribution(0, bBase64Alphabet ? 63 : 255);
		std::string Bytes(Size, '\0');
		for (char& Byte : Bytes)
		{
			const int32 Value = Distribution(Generator);
			Byte = bBase64Alphabet ? Alphabet[Value] : (char)Value;
		}
		return Bytes;
	}
}

class FLauncherFileFaultTest : public testing::Test
{
protected:
	virtual void SetUp() override { ResetHubStore(); }
	virtual void TearDown() override { ResetHubStore(); }

	/** Loads the folder as a Blueprint would; every accessor then gives what a document without members gives, silently. */
	void ExpectEmptySession(const FTempFolder& Launcher)
	{
		FLogCapture Log;
		UZOVADesLibrary::SetAPPKey(TEXT("app"), Launcher.GetPath());
		EXPECT_EQ(Utf8(GetHubJson()), "{}");
		const std::pair<const char*, FString (*)()> Members[] = {{"APIPort", &UZOVADesLibrary::APIPort}, {"ApplyID", &UZOVADesLibrary::ApplyID},
			{"ApplyOtherData", &UZOVADesLibrary::ApplyOtherData}, {"CategoryName", &UZOVADesLibrary::CategoryName},
			{"ChineseName", &UZOVADesLibrary::ChineseName}, {"CurrentLevel", &UZOVADesLibrary::CurrentLevel},
			{"EnglishName", &UZOVADesLibrary::EnglishName}, {"ExperienceValue", &UZOVADesLibrary::ExperienceValue},
			{"Grade", &UZOVADesLibrary::Grade}, {"MyLogo", &UZOVADesLibrary::MyLogo}, {"OtherUserData", &UZOVADesLibrary::OtherUserData},
			{"PathData", &UZOVADesLibrary::PathData}, {"ProductUse", &UZOVADesLibrary::ProductUse},
			{"ProfilePicture", &UZOVADesLibrary::ProfilePicture}, {"Score", &UZOVADesLibrary::Score}, {"Signature", &UZOVADesLibrary::Signature},
			{"SUID", &UZOVADesLibrary::SUID}, {"URLs", &UZOVADesLibrary::URLs}, {"UserGold", &UZOVADesLibrary::UserGold},
			{"UserName", &UZOVADesLibrary::UserName}, {"UserNetname", &UZOVADesLibrary::UserNetname},
			{"UserPassword", &UZOVADesLibrary::UserPassword}, {"Versions", &UZOVADesLibrary::Versions}};
		for (const auto& [Name, Accessor] : Members)
		{
			EXPECT_EQ(Utf8(Accessor()), "") << Name;
		}
		EXPECT_EQ(Utf8(UZOVADesLibrary::DataDebug(TEXT("Username"))), "");
		EXPECT_EQ(Utf8(UZOVADesLibrary::OkAPIPort()), "https:///");
		EXPECT_EQ(Utf8(UZOVADesLibrary::ZOVA_APPaths()), Utf8(Launcher.GetPath()) + "\\SamplingPacket\\\\\\");
		EXPECT_EQ(Utf8(UZOVADesLibrary::ZOVA_Login()), "https:///wp-json/zova/api/user-login?token=&user_name=&password=");
		EXPECT_FALSE(UZOVADesLibrary::Alreadyloggedin());
		EXPECT_FALSE(UZOVADesLibrary::ApplicationSwitch());
		EXPECT_TRUE(Log.Lines.IsEmpty());
		EXPECT_TRUE(Engine->PriorityScreenMessages.IsEmpty());
	}

	/** Loads the folder; the document comes through whole. */
	void ExpectDocument(const FTempFolder& Launcher)
	{
		UZOVADesLibrary::SetAPPKey(TEXT("app"), Launcher.GetPath());
		EXPECT_EQ(Utf8(GetHubJson()), Utf8(Document));
		EXPECT_EQ(Utf8(UZOVADesLibrary::UserName()), "李雷");
	}

	FScopedTestEngine Engine;
	const FString Token = TEXT("T0ken-键");
	const FString Document = TEXT("{\"Username\":\"李雷\",\"Version\":\"2.1\"}");
};

TEST_F(FLauncherFileFaultTest, UnreadableFilesGiveAnEmptySession)
{
	const std::string Encrypted = EncryptDocument(Document, Token);
	const std::tuple<const char*, const TCHAR*, std::string, std::string> Cases[] = {
		{"BridgeFile", TEXT("BridgeFilePath.zova"), Utf8(Token), Encrypted},
		{"TokenFile", TEXT("manage/TokenKEY.DLK"), Utf8(Token), Encrypted},
		{"DataFile", TEXT("Data/HubData.txt"), Utf8(Token), Encrypted},
		{"PlainDataFile", TEXT("Data/HubData.txt"), "", Utf8(Document)},
		// A token file that cannot be read is not an empty one: it must not make plain text of the data.
		{"TokenFileOverPlainData", TEXT("manage/TokenKEY.DLK"), Utf8(Token), Utf8(Document)},
	};
	for (const auto& [Name, UnreadableFile, TokenFileBytes, DataFileBytes] : Cases)
	{
		SCOPED_TRACE(Name);
		const FTempFolder Launcher;
		WriteLauncherFolder(Launcher, TokenFileBytes, DataFileBytes);
		const FScopedUnreadableFile Unreadable(Launcher.GetPath() / UnreadableFile);
		ExpectEmptySession(Launcher);
	}
}

TEST_F(FLauncherFileFaultTest, WhatIsNoRegularFileGivesAnEmptySession)
{
	const std::pair<const char*, std::function<void(const FTempFolder&)>> Cases[] = {
		{"BridgeFileIsADirectory", [](const FTempFolder& Launcher) { ReplaceWithDirectory(Launcher, "BridgeFilePath.zova"); }},
		{"TokenFileIsADirectory", [](const FTempFolder& Launcher) { ReplaceWithDirectory(Launcher, "manage/TokenKEY.DLK"); }},
		{"DataFileIsADirectory", [](const FTempFolder& Launcher) { ReplaceWithDirectory(Launcher, "Data/HubData.txt"); }},
		{"BridgeNamesAnEndlessDevice", [](const FTempFolder& Launcher) { Launcher.WriteFile(TEXT("BridgeFilePath.zova"), "/dev/zero"); }},
		{"BridgeFileIsAFifo", [](const FTempFolder& Launcher) { ReplaceWithFifo(Launcher, "BridgeFilePath.zova"); }},
		{"TokenFileIsAFifo", [](const FTempFolder& Launcher) { ReplaceWithFifo(Launcher, "manage/TokenKEY.DLK"); }},
		{"DataFileIsAFifo", [](const FTempFolder& Launcher) { ReplaceWithFifo(Launcher, "Data/HubData.txt"); }},
	};
	for (const auto& [Name, Break] : Cases)
	{
		SCOPED_TRACE(Name);
		const FTempFolder Launcher;
		WriteLauncherFolder(Launcher, Utf8(Token), EncryptDocument(Document, Token));
		Break(Launcher);
		ExpectEmptySession(Launcher);
	}
}

TEST_F(FLauncherFileFaultTest, LargeRandomDataFilesGiveAnEmptySession)
{
	const size_t Size = 50 * 1024 * 1024;
	const std::tuple<const char*, std::string, std::string> Cases[] = {
		{"RandomBase64", Utf8(Token), RandomBytes(Size, true)},
		{"RandomBytes", Utf8(Token), RandomBytes(Size, false)},
		{"RandomBytesAsPlainText", "", RandomBytes(Size, false)},
	};
	for (const auto& [Name, TokenFileBytes, DataFileBytes] : Cases)
	{
		SCOPED_TRACE(Name);
		const FTempFolder Launcher;
		WriteLauncherFolder(Launcher, TokenFileBytes, DataFileBytes);
		ExpectEmptySession(Launcher);
	}
}

TEST_F(FLauncherFileFaultTest, BridgeFileNamesOnlyARealDataFile)
{
	const FTempFolder Launcher;
	WriteLauncherFolder(Launcher, Utf8(Token), EncryptDocument(Document, Token));
	const std::string Folder = Utf8(Launcher.GetPath());
	const std::string DataPath = Folder + "/Data/HubData.txt";
	const std::string OddName = WriteRawFile(Launcher, "Data/a b%20#?*&'李.txt", EncryptDocument(Document, Token));
	const std::string NotUtf8Name = WriteRawFile(Launcher, "Data/\xFF\xFE\xC3.txt", EncryptDocument(Document, Token));
	std::string BackslashPath = DataPath;
	std::replace(BackslashPath.begin(), BackslashPath.end(), '/', '\\');

	const std::tuple<const char*, std::string, bool> Cases[] = {
		{"ItsOwnPath", Folder + "/BridgeFilePath.zova", false},
		{"TheTokenFile", Folder + "/manage/TokenKEY.DLK", false},
		{"NoPathAtAll", "", false},
		{"OnlyLineBreaks", "\r\n\n\r", false},
		{"NulFirst", std::string(1, '\0') + DataPath, false},
		{"NameTooLong", Folder + "/" + std::string(100000, 'a'), false},
		{"NameNotUtf8", NotUtf8Name, false},
		{"BackslashSeparators", BackslashPath, true},
		{"LineBreaksInside", Folder + "/Data\r\n/HubData.txt\n", true},
		{"DotDotSegments", Folder + "/Data/../manage/../Data/HubData.txt", true},
		{"BlanksAndSymbolsInTheName", OddName, true},
		// Paths are C strings all the way down to the file system: a NUL ends the name.
		{"NulAfterThePath", DataPath + std::string(1, '\0') + "/../junk", true},
		{"Utf16NulAfterThePath", Utf16LeWithBom(ToUtf16(FromUtf8(DataPath)) + u'\0' + u"junk"), true},
	};
	for (const auto& [Name, BridgeFileBytes, bNamesTheDataFile] : Cases)
	{
		SCOPED_TRACE(Name);
		Launcher.WriteFile(TEXT("BridgeFilePath.zova"), BridgeFileBytes);
		if (bNamesTheDataFile)
		{
			ExpectDocument(Launcher);
		}
		else
		{
			ExpectEmptySession(Launcher);
		}
	}
}

TEST_F(FLauncherFileFaultTest, BrokenEncodingsGiveAnEmptySession)
{
	const FTempFolder Launcher;
	const std::string DataPath = Utf8(Launcher.GetPath()) + "/Data/HubData.txt";
	const std::string Encrypted = EncryptDocument(Document, Token);
	std::u16string EncryptedUtf16(Encrypted.begin(), Encrypted.end());
	EncryptedUtf16.insert(EncryptedUtf16.size() / 2, 1, (char16_t)0xDC00);
	const std::u16string DocumentUtf16 = ToUtf16(Document);
	// Key and IV as the launcher would take them from the raw bytes, had it not read the token as text.
	const std::string BadToken = "ab\xC3(cdef";
	const std::string BadTokenReversed(BadToken.rbegin(), BadToken.rend());

	const std::tuple<const char*, std::string, std::string, std::string> Cases[] = {
		{"BridgeCutInsideACharacter", DataPath + "\xE4\xB8", Utf8(Token), Encrypted},
		{"BridgeUtf16OfOddLength", Utf16LeWithBom(ToUtf16(FromUtf8(DataPath))) + "x", Utf8(Token), Encrypted},
		{"BridgeUtf16WithALoneSurrogate", Utf16LeWithBom(ToUtf16(FromUtf8(DataPath)) + (char16_t)0xD800), Utf8(Token), Encrypted},
		{"TokenNotUtf8", DataPath, BadToken, OpenSslDes(Utf8(Document), BadTokenReversed.substr(0, 8), BadToken.substr(0, 8), {"-A"})},
		{"TokenUtf16OfOddLength", DataPath, Utf16LeWithBom(ToUtf16(Token)) + "x", Encrypted},
		{"Base64WithAByteOutsideAscii", DataPath, Utf8(Token), Encrypted.substr(0, 16) + "\xFF" + Encrypted.substr(16)},
		{"Base64Utf16WithALoneSurrogate", DataPath, Utf8(Token), Utf16LeWithBom(EncryptedUtf16)},
		{"PlainUtf16OfOddLength", DataPath, "", Utf16LeWithBom(DocumentUtf16) + "}"},
		{"PlainUtf16WithALoneSurrogate", DataPath, "", Utf16LeWithBom(DocumentUtf16.substr(0, DocumentUtf16.size() - 1) + (char16_t)0xD800 + u"}")},
	};
	for (const auto& [Name, BridgeFileBytes, TokenFileBytes, DataFileBytes] : Cases)
	{
		SCOPED_TRACE(Name);
		WriteLauncherFolder(Launcher, TokenFileBytes, DataFileBytes);
		Launcher.WriteFile(TEXT("BridgeFilePath.zova"), BridgeFileBytes);
		ExpectEmptySession(Launcher);
	}
}

TEST_F(FLauncherFileFaultTest, ABadByteInsideAMemberBecomesAQuestionMarkThatTakesTheNextByteAlong)
{
	// 0xFF opens a sequence that "b" cannot continue; UE 5.4 drops the "b" with it (5.8 keeps it).
	const std::string DocumentWithBadByte = "{\"Username\":\"a\xFF" "bc\",\"Version\":\"2.1\"}";
	const std::tuple<const char*, std::string, std::string> Cases[] = {
		{"PlainData", "", DocumentWithBadByte},
		{"DecryptedData", Utf8(Token), OpenSslDes(DocumentWithBadByte, LauncherBlock(Token.Reverse()), LauncherBlock(Token), {"-A"})},
	};
	for (const auto& [Name, TokenFileBytes, DataFileBytes] : Cases)
	{
		SCOPED_TRACE(Name);
		const FTempFolder Launcher;
		WriteLauncherFolder(Launcher, TokenFileBytes, DataFileBytes);
		UZOVADesLibrary::SetAPPKey(TEXT("app"), Launcher.GetPath());
		EXPECT_EQ(Utf8(UZOVADesLibrary::UserName()), "a?c");
		EXPECT_EQ(Utf8(UZOVADesLibrary::Versions()), "2.1");
	}
}

TEST_F(FLauncherFileFaultTest, TokensOutsideTheBasicPlaneGiveTheFirstEightBytes)
{
	// The key comes from the token reversed per UTF-16 unit: a reversed pair is two lone halves, each
	// written as "?" in UTF-8. The IV comes from the token as stored, cut after 8 bytes wherever that falls.
	struct FCase
	{
		const char* Name;
		std::string TokenFileBytes;
		std::string KeyBlock;
		std::string IvBlock;
	};
	const FCase Cases[] = {
		{"PairInside", "ab\xF0\x9F\x98\x80" "cd", std::string("dc??ba\0\0", 8), "ab\xF0\x9F\x98\x80" "cd"},
		{"PairCutByTheEighthByte", "abcdefg\xF0\x9F\x98\x80", "??gfedcb", "abcdefg\xF0"},
		// D83D DE00 D83C DFAE reversed holds the new pair D83C DE00 (U+1F200) between two lone halves.
		{"TwoPairsReversedMeetAsANewPair", "\xF0\x9F\x98\x80\xF0\x9F\x8E\xAE", std::string("?\xF0\x9F\x88\x80?\0\0", 8), "\xF0\x9F\x98\x80\xF0\x9F\x8E\xAE"},
		{"KeyCutInsideTheNewPair", "\xF0\x9F\x98\x80\xF0\x9F\x8E\xAE" "abcde", "edcba?\xF0\x9F", "\xF0\x9F\x98\x80\xF0\x9F\x8E\xAE"},
		{"Utf16LoneHighHalf", Utf16LeWithBom({u'a', (char16_t)0xD83D, u'b'}), std::string("b?a\0\0\0\0\0", 8), std::string("a?b\0\0\0\0\0", 8)},
		{"Utf16PairStoredReversed", Utf16LeWithBom({u'x', (char16_t)0xDE00, (char16_t)0xD83D}), std::string("\xF0\x9F\x98\x80x\0\0\0", 8), std::string("x??\0\0\0\0\0", 8)},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const FTempFolder Launcher;
		WriteLauncherFolder(Launcher, Case.TokenFileBytes, OpenSslDes(Utf8(Document), Case.KeyBlock, Case.IvBlock, {"-A"}));
		ExpectDocument(Launcher);
	}
}
