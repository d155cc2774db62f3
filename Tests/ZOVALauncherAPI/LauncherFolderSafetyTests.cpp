#include "Dom/JsonObject.h"
#include "LauncherTestSupport.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZovaProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>

#include <sys/stat.h>

using namespace LauncherTest;

namespace
{
	namespace fs = std::filesystem;

	/** Everything under a folder, links not followed: each path with its kind and its bytes or link target. */
	std::map<std::string, std::string> Snapshot(const std::string& Folder)
	{
		std::map<std::string, std::string> Entries;
		std::error_code Error;
		if (!fs::exists(fs::symlink_status(Folder, Error)))
		{
			return Entries;
		}
		for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(Folder, Error))
		{
			const std::string Relative = fs::relative(Entry.path(), Folder).string();
			const fs::file_status Status = Entry.symlink_status();
			if (fs::is_symlink(Status))
			{
				Entries[Relative] = "link to " + fs::read_symlink(Entry.path()).string();
			}
			else if (fs::is_regular_file(Status))
			{
				std::ifstream Stream(Entry.path(), std::ios::binary);
				Entries[Relative] = "file " + std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
			}
			else
			{
				Entries[Relative] = fs::is_directory(Status) ? "folder" : "other";
			}
		}
		return Entries;
	}

	void ExpectOneErrorLine(const FZovaRun& Run)
	{
		EXPECT_TRUE(Run.StdOut.IsEmpty()) << Utf8(Run.StdOut);
		EXPECT_EQ(Run.StdErr.rfind("zova: ", 0), 0u) << Run.StdErr;
		EXPECT_EQ(std::count(Run.StdErr.begin(), Run.StdErr.end(), '\n'), 1) << Run.StdErr;
	}
}

class FLauncherFolderSafetyTest : public testing::Test
{
protected:
	FZovaRun Pack(const std::string& Document, const std::string& Token, const std::string& OutDir, bool bForce, uint64 MaxFileSize = 0) const
	{
		FZovaInvocation Invocation;
		Invocation.Words = {"launcher", "pack", "--document", "-", "--token", Token, "--out", OutDir};
		if (bForce)
		{
			Invocation.Words.push_back("--force");
		}
		Invocation.StdIn = Document;
		Invocation.MaxFileSize = MaxFileSize;
		return RunZova(Invocation);
	}

	/** "launcher read --json"; the UserName it printed, or empty. */
	FString ReadUserName(const std::string& Dir, int* OutExitStatus = nullptr) const
	{
		const FZovaRun Run = RunZova({"launcher", "read", "--dir", Dir, "--app-key", "app", "--json"});
		if (OutExitStatus)
		{
			*OutExitStatus = Run.ExitStatus;
		}
		TSharedPtr<FJsonObject> Object;
		FString UserName;
		return FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Run.StdOut), Object) && Object->TryGetStringField(TEXT("UserName"), UserName) ? UserName : FString();
	}

	std::string Document(const char* UserName, size_t PaddingBytes = 0) const
	{
		return std::string("{\"Username\":\"") + UserName + "\",\"Padding\":\"" + std::string(PaddingBytes, 'p') + "\"}";
	}

	FTempFolder Work;
	const std::string Out = Utf8(Work.GetPath()) + "/Launcher";
	const std::string Outside = Utf8(Work.GetPath()) + "/outside";
};

TEST_F(FLauncherFolderSafetyTest, NothingIsWrittenThroughALinkOrOverWhatIsNotARegularFile)
{
	struct FCase
	{
		const char* Name;
		std::function<void(const std::string& Out, const std::string& Outside)> Plant;
	};
	const FCase Cases[] = {
		{"link at the data file to a missing file outside", [](const std::string& Out, const std::string& Outside) { fs::create_symlink(Outside + "/stolen", Out + "/HubData.zova"); }},
		{"link at the bridge file to a file outside", [](const std::string& Out, const std::string& Outside) { fs::create_symlink(Outside + "/precious", Out + "/BridgeFilePath.zova"); }},
		{"link at manage to a folder outside", [](const std::string& Out, const std::string& Outside) { fs::create_symlink(Outside, Out + "/manage"); }},
		{"link at the token file", [](const std::string& Out, const std::string& Outside)
		{
			fs::create_directories(Out + "/manage");
			fs::create_symlink(Outside + "/precious", Out + "/manage/TokenKEY.DLK");
		}},
		{"folder at the data file", [](const std::string& Out, const std::string& Outside) { fs::create_directories(Out + "/HubData.zova"); }},
		{"named pipe at the bridge file", [](const std::string& Out, const std::string& Outside) { ASSERT_EQ(mkfifo((Out + "/BridgeFilePath.zova").c_str(), 0644), 0); }},
		{"file in the way of manage", [](const std::string& Out, const std::string& Outside) { std::ofstream(Out + "/manage") << "not a folder"; }},
	};
	for (const FCase& Case : Cases)
	{
		for (const bool bForce : {false, true})
		{
			SCOPED_TRACE(std::string(Case.Name) + (bForce ? " with --force" : ""));
			fs::remove_all(Out);
			fs::remove_all(Outside);
			fs::create_directories(Out);
			fs::create_directories(Outside);
			std::ofstream(Outside + "/precious") << "keep me";
			Case.Plant(Out, Outside);
			const std::map<std::string, std::string> Before = Snapshot(Utf8(Work.GetPath()));

			const FZovaRun Run = Pack(Document("张三"), "token", Out, bForce);
			EXPECT_EQ(Run.ExitStatus, 2);
			ExpectOneErrorLine(Run);
			EXPECT_NE(Run.StdErr.find(Out), std::string::npos) << "names the path: " << Run.StdErr;
			EXPECT_EQ(Snapshot(Utf8(Work.GetPath())), Before) << "nothing changed, inside or outside";
		}
	}
}

TEST_F(FLauncherFolderSafetyTest, AWriteThatFailsLeavesTheFolderAsItWas)
{
	// The file size limit lets the token key through and stops the data file, half way in.
	constexpr uint64 MaxFileSize = 4096;
	ASSERT_EQ(Pack(Document("first"), "first-token", Out, false).ExitStatus, 0);
	const std::map<std::string, std::string> Before = Snapshot(Out);

	const FZovaRun Replace = Pack(Document("second", 4 * MaxFileSize), "second-token", Out, true, MaxFileSize);
	EXPECT_EQ(Replace.ExitStatus, 2);
	ExpectOneErrorLine(Replace);
	EXPECT_NE(Replace.StdErr.find("cannot write"), std::string::npos) << Replace.StdErr;
	EXPECT_EQ(Snapshot(Out), Before) << "the old files whole, and no staging folder left";
	int ReadStatus = -1;
	EXPECT_EQ(Utf8(ReadUserName(Out, &ReadStatus)), "first");
	EXPECT_EQ(ReadStatus, 0);

	const std::string NewFolder = Utf8(Work.GetPath()) + "/new/Launcher";
	const FZovaRun Fresh = Pack(Document("second", 4 * MaxFileSize), "second-token", NewFolder, false, MaxFileSize);
	EXPECT_EQ(Fresh.ExitStatus, 2);
	EXPECT_FALSE(fs::exists(Utf8(Work.GetPath()) + "/new")) << "folders made for the write go again";
}

TEST_F(FLauncherFolderSafetyTest, ForceReplacesTheThreeFilesTogether)
{
	ASSERT_EQ(Pack(Document("first"), "first-token", Out, false).ExitStatus, 0);
	fs::permissions(Out + "/HubData.zova", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

	const FZovaRun Replace = Pack(Document("second"), "令牌-second", Out, true);
	ASSERT_EQ(Replace.ExitStatus, 0) << Replace.StdErr;
	EXPECT_EQ(Utf8(ReadUserName(Out)), "second") << "token and data from the same run";
	std::vector<std::string> Names;
	for (const auto& [Path, Kind] : Snapshot(Out))
	{
		Names.push_back(Path);
	}
	EXPECT_EQ(Names, std::vector<std::string>({"BridgeFilePath.zova", "HubData.zova", "manage", "manage/TokenKEY.DLK"})) << "no staging folder left";
}

TEST_F(FLauncherFolderSafetyTest, ReadExitsOneWhenTheFolderHoldsNoUsableLauncherData)
{
	struct FCase
	{
		const char* Name;
		std::function<void(const std::string& Out)> Spoil;
		const char* Named;
	};
	const FCase Cases[] = {
		{"empty folder", [](const std::string& Out) { fs::remove_all(Out); fs::create_directories(Out); }, "BridgeFilePath.zova"},
		{"no token key file", [](const std::string& Out) { fs::remove(Out + "/manage/TokenKEY.DLK"); }, "TokenKEY.DLK"},
		{"bridge names a missing file", [](const std::string& Out) { std::ofstream(Out + "/BridgeFilePath.zova") << Out + "/gone.zova\r\n"; }, "gone.zova"},
		{"random bytes as data", [](const std::string& Out)
		{
			std::mt19937 Generator(7);
			std::string Bytes(600, '\0');
			std::generate(Bytes.begin(), Bytes.end(), [&Generator]() { return (char)(Generator() & 0xFF); });
			std::ofstream(Out + "/HubData.zova", std::ios::binary) << Bytes;
		}, "HubData.zova"},
		{"another token", [](const std::string& Out) { std::ofstream(Out + "/manage/TokenKEY.DLK") << "other"; }, "HubData.zova"},
		{"empty token, data not JSON", [](const std::string& Out)
		{
			std::ofstream(Out + "/manage/TokenKEY.DLK", std::ios::trunc).close();
			std::ofstream(Out + "/HubData.zova") << "not a document";
		}, "HubData.zova"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		fs::remove_all(Out);
		ASSERT_EQ(Pack(Document("张三"), "token", Out, false).ExitStatus, 0);
		Case.Spoil(Out);

		const FZovaRun Run = RunZova({"launcher", "read", "--dir", Out, "--app-key", "app", "--json"});
		EXPECT_EQ(Run.ExitStatus, 1);
		EXPECT_EQ(Run.StdErr.rfind("zova: ", 0), 0u) << Run.StdErr;
		EXPECT_EQ(std::count(Run.StdErr.begin(), Run.StdErr.end(), '\n'), 1) << Run.StdErr;
		EXPECT_NE(Run.StdErr.find(Case.Named), std::string::npos) << Run.StdErr;
		TSharedPtr<FJsonObject> Object;
		ASSERT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Run.StdOut), Object)) << "the values still print";
		EXPECT_TRUE(Object->HasField(TEXT("UserName")));
	}

	fs::remove_all(Out);
	ASSERT_EQ(Pack(Document("张三"), "", Out, false).ExitStatus, 0);
	int Status = -1;
	EXPECT_EQ(Utf8(ReadUserName(Out, &Status)), "张三") << "an empty token leaves the document plain";
	EXPECT_EQ(Status, 0);
}
