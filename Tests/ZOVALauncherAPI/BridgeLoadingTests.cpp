#include "LauncherTestSupport.h"
#include "Misc/Paths.h"
#include "ZOVADesLibrary.h"
#include "ZOVAHubFiles.h"
#include "ZOVAHubJson.h"
#include "ZOVAHubSession.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace LauncherTest;
using namespace UE::ZOVALauncherAPI::Private;

class FBridgeLoadingTest : public testing::Test
{
protected:
	virtual void SetUp() override { ResetHubStore(); }
	virtual void TearDown() override { ResetHubStore(); }

	FTempFolder Folder;
	const FString Token = TEXT("T0ken-键");
	const FString Document = TEXT("{\"Username\":\"李雷\",\"Version\":\"2.1\"}");
};

TEST_F(FBridgeLoadingTest, LauncherFilesGiveTheDocument)
{
	std::string TokenUtf16Le = "\xFF\xFE";
	for (const TCHAR Character : Token)
	{
		TokenUtf16Le += {(char)(Character & 0xFF), (char)(Character >> 8)};
	}
	const std::tuple<const char*, std::string, FString> Cases[] = {
		{"Utf8TokenFile", Utf8(Token), TEXT("")},
		{"Utf8TokenFileWithBom", "\xEF\xBB\xBF" + Utf8(Token), TEXT("")},
		{"Utf16TokenFile", TokenUtf16Le, TEXT("")},
		{"FolderWithTrailingSeparator", Utf8(Token), TEXT("/")},
	};
	for (const auto& [Name, TokenFileBytes, PathSuffix] : Cases)
	{
		SCOPED_TRACE(Name);
		WriteLauncherFolder(Folder, TokenFileBytes, EncryptDocument(Document, Token));
		UZOVADesLibrary::SetAPPKey(TEXT("app"), Folder.GetPath() + PathSuffix);
		EXPECT_EQ(Utf8(GetHubJson()), Utf8(Document));
		EXPECT_EQ(Utf8(UZOVADesLibrary::UserName()), "李雷");
	}
}

// The Unix platform file takes '\' literally in an absolute name (UE 5.4 and 5.8,
// Core/Private/Unix/UnixPlatformFile.cpp), so the launcher's own names and Windows-style paths in the
// bridge file and the LauncherPath pin only work on Linux because the module turns them into '/'.
TEST_F(FBridgeLoadingTest, BackslashSeparatedNamesWorkOnLinux)
{
	WriteLauncherFolder(Folder, Utf8(Token), EncryptDocument(Document, Token));
	const FString WindowsStyleDataPath = Folder.GetPath() + TEXT("\\Data\\HubData.txt");
	Folder.WriteFile(TEXT("BridgeFilePath.zova"), Utf8(WindowsStyleDataPath));
	FString WindowsStyleFolder = Folder.GetPath();
	WindowsStyleFolder.ReplaceInline(TEXT("/"), TEXT("\\"));

	for (const FString& LauncherPath : {Folder.GetPath(), WindowsStyleFolder})
	{
		SCOPED_TRACE(Utf8(LauncherPath));
		UZOVADesLibrary::SetAPPKey(TEXT("app"), LauncherPath);
		EXPECT_EQ(Utf8(GetHubJson()), Utf8(Document));
	}
}

TEST_F(FBridgeLoadingTest, MissingOrBrokenFilesLeaveAnEmptyDocument)
{
	const std::string Encrypted = EncryptDocument(Document, Token);
	const std::tuple<const char*, const TCHAR*, std::string> Cases[] = {
		{"NoBridgeFile", TEXT("BridgeFilePath.zova"), Encrypted},
		{"NoDataFile", TEXT("Data/HubData.txt"), Encrypted},
		{"NoTokenFile", TEXT("manage/TokenKEY.DLK"), Encrypted},
		{"NotBase64", nullptr, "%%%%"},
		{"WrongKey", nullptr, EncryptDocument(Document, TEXT("another token"))},
	};
	for (const auto& [Name, FileToRemove, DataFileBytes] : Cases)
	{
		SCOPED_TRACE(Name);
		const FTempFolder CaseFolder;
		WriteLauncherFolder(CaseFolder, Utf8(Token), DataFileBytes);
		if (FileToRemove)
		{
			std::remove(Utf8(CaseFolder.GetPath() / FileToRemove).c_str());
		}
		UZOVADesLibrary::SetAPPKey(TEXT("app"), CaseFolder.GetPath());
		EXPECT_EQ(Utf8(GetHubJson()), "{}");
		EXPECT_EQ(Utf8(UZOVADesLibrary::UserName()), "");
	}
}

TEST_F(FBridgeLoadingTest, EmptyTokenFileMeansPlainJson)
{
	const std::tuple<const char*, std::string, std::string> Cases[] = {
		{"PlainObject", R"({"Username":"韩梅梅","IsEnabled":true})", "韩梅梅"},
		{"Array", R"([{"Username":"x"}])", ""},
		{"PlainText", "Username=x", ""},
	};
	for (const auto& [Name, DataFileBytes, UserName] : Cases)
	{
		SCOPED_TRACE(Name);
		WriteLauncherFolder(Folder, "", DataFileBytes);
		UZOVADesLibrary::SetAPPKey(TEXT("app"), Folder.GetPath());
		EXPECT_EQ(Utf8(GetHubJson()), UserName.empty() ? "{}" : DataFileBytes);
		EXPECT_EQ(Utf8(UZOVADesLibrary::UserName()), UserName);
	}
	EXPECT_EQ(Utf8(GetJsonStringField(TEXT("{\"a\":\"1\"}"), TEXT("b"))), "");
	EXPECT_TRUE(GetJsonBoolField(TEXT("{\"a\":\"1\"}"), TEXT("b"), true));
}

TEST_F(FBridgeLoadingTest, EachCallReloadsButAnEmptyKeyKeepsTheOldDocument)
{
	WriteLauncherFolder(Folder, Utf8(Token), EncryptDocument(Document, Token));
	UZOVADesLibrary::SetAPPKey(TEXT("app"), Folder.GetPath());
	EXPECT_EQ(Utf8(UZOVADesLibrary::Versions()), "2.1");

	WriteLauncherFolder(Folder, Utf8(Token), EncryptDocument(TEXT("{\"Version\":\"3.0\"}"), Token));
	UZOVADesLibrary::SetAPPKey(TEXT(""), Folder.GetPath());
	EXPECT_EQ(Utf8(GHubDataJson), Utf8(Document));
	UZOVADesLibrary::SetAPPKey(TEXT("app"), Folder.GetPath());
	EXPECT_EQ(Utf8(UZOVADesLibrary::Versions()), "3.0");
}

TEST_F(FBridgeLoadingTest, EmptyLauncherPathMeansTheLaunchDirectory)
{
	UZOVADesLibrary::SetAPPKey(TEXT("app"), TEXT(""));
	const std::string LaunchDir = Utf8(FPaths::ConvertRelativePathToFull(FPaths::LaunchDir()));
	EXPECT_EQ(Utf8(GetHubBaseDir()), LaunchDir);
	EXPECT_EQ(Utf8(UZOVADesLibrary::ZOVA_APPaths()), LaunchDir + "\\SamplingPacket\\\\\\");
}
