#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "HAL/PlatformProcess.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZovaProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <stdlib.h>

class FZovaDemoCommandTest : public testing::Test
{
protected:
	/** Standard output as UTF-8 bytes, as a script reading it would see them. */
	static std::string StdOut(const FZovaRun& Run)
	{
		return TCHAR_TO_UTF8(*Run.StdOut);
	}

	static TSharedPtr<FJsonObject> ParseObject(const std::string& Text)
	{
		TSharedPtr<FJsonObject> Object;
		const FString Converted(UTF8_TO_TCHAR(Text.c_str()));
		EXPECT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Converted), Object)) << Text;
		return Object;
	}

	/** The boolean member, false when it is missing or not a boolean. */
	static bool IsTrue(const TSharedPtr<FJsonObject>& Object, const TCHAR* Field)
	{
		bool bValue = false;
		return Object->TryGetBoolField(Field, bValue) && bValue;
	}
};

TEST_F(FZovaDemoCommandTest, JsonReportsEveryStepOkInOrder)
{
	const FZovaRun Run = RunZova({"demo", "--json"});
	ASSERT_EQ(Run.ExitStatus, 0) << StdOut(Run) << Run.StdErr;
	const TSharedPtr<FJsonObject> Result = ParseObject(StdOut(Run));
	ASSERT_TRUE(Result.IsValid());
	EXPECT_TRUE(IsTrue(Result, TEXT("ok")));

	const TArray<TSharedPtr<FJsonValue>>* Steps = nullptr;
	ASSERT_TRUE(Result->TryGetArrayField(TEXT("steps"), Steps));
	const std::vector<std::string> ExpectedNames = {"temporary folder", "certificate", "trust certificate", "HTTPS service", "launcher pack", "SetAPPKey", "ZOVA_Login", "Http Get Request", "Json Analyze", "clean up"};
	ASSERT_EQ(Steps->Num(), (int32)ExpectedNames.size());
	TMap<FString, FString> Details;
	for (int32 Index = 0; Index < Steps->Num(); ++Index)
	{
		const TSharedPtr<FJsonObject> Step = (*Steps)[Index]->AsObject();
		const FString Name = Step->GetStringField(TEXT("name"));
		SCOPED_TRACE(TCHAR_TO_UTF8(*Name));
		EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Name)), ExpectedNames[Index]);
		EXPECT_TRUE(IsTrue(Step, TEXT("ok")));
		Details.Add(Name, Step->GetStringField(TEXT("detail")));
	}

	// The login URL goes to the loopback service, its values percent-encoded.
	const std::string Url = TCHAR_TO_UTF8(*Details.FindChecked(TEXT("ZOVA_Login")));
	EXPECT_EQ(Url.rfind("https://127.0.0.1:", 0), 0u) << Url;
	EXPECT_NE(Url.find("/wp-json/zova/api/user-login?token=tok%2Fen%2B1%262%3D3&user_name=zova%20user&password=p%40ss%26w%3Drd%23100%25"), std::string::npos) << Url;
	EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Details.FindChecked(TEXT("Json Analyze")))), "code=login_ok, message=登录成功, /data/display_name=演示用户");

	// Nothing is left behind in the temporary folder's place.
	const std::string Folder = TCHAR_TO_UTF8(*Details.FindChecked(TEXT("temporary folder")));
	ASSERT_FALSE(Folder.empty());
	EXPECT_FALSE(std::filesystem::exists(Folder)) << Folder;
}

TEST_F(FZovaDemoCommandTest, TableEndsWithTheSuccessLine)
{
	const FZovaRun Run = RunZova({"demo"});
	ASSERT_EQ(Run.ExitStatus, 0) << StdOut(Run) << Run.StdErr;
	EXPECT_EQ(StdOut(Run).find("FAILED"), std::string::npos) << StdOut(Run);
	const std::string LastLine = "Demo succeeded: every step gave the expected value.\n";
	ASSERT_GE(StdOut(Run).size(), LastLine.size());
	EXPECT_EQ(StdOut(Run).substr(StdOut(Run).size() - LastLine.size()), LastLine);
}

TEST_F(FZovaDemoCommandTest, BadArgumentsGiveOneLineAndStatusTwo)
{
	const std::vector<std::vector<std::string>> Cases = {
		{"demo", "extra"},
		{"demo", "--bogus"},
		{"demo", "--json", "--key", "code"},
	};
	for (const std::vector<std::string>& Arguments : Cases)
	{
		SCOPED_TRACE(Arguments.back());
		const FZovaRun Run = RunZova(Arguments);
		EXPECT_EQ(Run.ExitStatus, 2);
		EXPECT_TRUE(StdOut(Run).empty()) << StdOut(Run);
		EXPECT_EQ(std::count(Run.StdErr.begin(), Run.StdErr.end(), '\n'), 1) << Run.StdErr;
		EXPECT_EQ(Run.StdErr.rfind("zova: ", 0), 0u) << Run.StdErr;
	}
}

namespace
{
	/** A folder of the test's own, handed to the demo as TMPDIR, removed with what it holds. */
	class FScopedTempDir
	{
	public:
		FScopedTempDir()
		{
			std::string Template = (std::filesystem::temp_directory_path() / "zova-demo-test-XXXXXX").string();
			check(mkdtemp(Template.data()) != nullptr);
			Path = Template;
		}

		~FScopedTempDir()
		{
			std::error_code Ignored;
			std::filesystem::remove_all(Path, Ignored);
		}

		/** The names of what is in it. */
		std::vector<std::string> List() const
		{
			std::vector<std::string> Names;
			for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(Path))
			{
				Names.push_back(Entry.path().filename().string());
			}
			return Names;
		}

		std::string Path;
	};
}

TEST_F(FZovaDemoCommandTest, AnUnusableTemporaryDirectoryIsReportedAndNothingElseIsDone)
{
	const FScopedTempDir Work;
	const std::string File = Work.Path + "/a-file";
	std::ofstream(File) << "not a folder";
	for (const std::string& TempDir : {Work.Path + "/missing", File})
	{
		SCOPED_TRACE(TempDir);
		FZovaInvocation Invocation;
		Invocation.Words = {"demo", "--json"};
		Invocation.Environment = {"TMPDIR=" + TempDir};
		const FZovaRun Run = RunZova(Invocation);
		EXPECT_EQ(Run.ExitStatus, 1);
		const TSharedPtr<FJsonObject> Result = ParseObject(StdOut(Run));
		ASSERT_TRUE(Result.IsValid());
		EXPECT_FALSE(IsTrue(Result, TEXT("ok")));
		const TArray<TSharedPtr<FJsonValue>>* Steps = nullptr;
		ASSERT_TRUE(Result->TryGetArrayField(TEXT("steps"), Steps));
		ASSERT_EQ(Steps->Num(), 1) << "no later step, no clean up of a folder never made";
		const TSharedPtr<FJsonObject> Step = (*Steps)[0]->AsObject();
		EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Step->GetStringField(TEXT("name")))), "temporary folder");
		EXPECT_FALSE(IsTrue(Step, TEXT("ok")));
		EXPECT_NE(std::string(TCHAR_TO_UTF8(*Step->GetStringField(TEXT("detail")))).find(TempDir), std::string::npos) << "names where it looked";
	}
	EXPECT_EQ(Work.List(), std::vector<std::string>({"a-file"})) << "nothing written";
}

TEST_F(FZovaDemoCommandTest, CtrlCAndSigtermRemoveTheTemporaryFolder)
{
	for (const int Signal : {SIGINT, SIGTERM})
	{
		SCOPED_TRACE(Signal);
		const FScopedTempDir Work;
		bool bInterrupted = false;
		// The demo may finish before it is caught with its folder made; then it runs again.
		for (int32 Attempt = 0; Attempt < 20 && !bInterrupted; ++Attempt)
		{
			FZovaInvocation Invocation;
			Invocation.Words = {"demo"};
			Invocation.Environment = {"TMPDIR=" + Work.Path};
			FZovaChild Demo(Invocation);
			while (Work.List().empty() && !Demo.HasEnded())
			{
				std::this_thread::sleep_for(std::chrono::milliseconds(1));
			}
			// Stopped, it cannot remove its folder by finishing; the signal waits for it to go on.
			const bool bCaughtWithFolder = Demo.Stop() && !Work.List().empty();
			if (bCaughtWithFolder)
			{
				kill(Demo.GetPid(), Signal);
			}
			kill(Demo.GetPid(), SIGCONT);
			const FZovaRun Run = Demo.Wait();
			if (bCaughtWithFolder)
			{
				bInterrupted = true;
				EXPECT_EQ(Run.TermSignal, Signal) << "ends by the signal, as it would have";
				EXPECT_EQ(StdOut(Run).find("Demo succeeded"), std::string::npos);
			}
			EXPECT_TRUE(Work.List().empty()) << "the folder and its private key are gone";
		}
		EXPECT_TRUE(bInterrupted) << "the demo was never caught while its folder existed";
	}
}
