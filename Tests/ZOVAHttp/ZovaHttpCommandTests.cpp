#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "HAL/PlatformProcess.h"
#include "LoopbackHttpServer.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

/** One run of the zova tool that sits beside the test executable. */
struct FZovaRun
{
	int ExitStatus = -1;
	std::string StdOut;
	std::string StdErr;
};

class FZovaHttpCommandTest : public testing::Test
{
protected:
	static std::string Quote(const std::string& Argument)
	{
		std::string Quoted = "'";
		for (const char Character : Argument)
		{
			Quoted += Character == '\'' ? std::string("'\\''") : std::string(1, Character);
		}
		return Quoted + "'";
	}

	/** Runs zova with the arguments (and StdIn as its standard input); standard error goes through a file. */
	static FZovaRun RunZova(const std::vector<std::string>& Arguments, const std::string& StdIn = std::string())
	{
		const std::string Folder = TCHAR_TO_UTF8(FPlatformProcess::BaseDir());
		const std::string ErrFile = Folder + "ZovaHttpCommandTests.stderr";
		std::string Command = "printf %s " + Quote(StdIn) + " | " + Quote(Folder + "zova");
		for (const std::string& Argument : Arguments)
		{
			Command += " " + Quote(Argument);
		}
		Command += " 2>" + Quote(ErrFile);

		FZovaRun Run;
		FILE* const Pipe = popen(Command.c_str(), "r");
		char Buffer[4096];
		size_t Read = 0;
		while ((Read = fread(Buffer, 1, sizeof(Buffer), Pipe)) > 0)
		{
			Run.StdOut.append(Buffer, Read);
		}
		const int Status = pclose(Pipe);
		Run.ExitStatus = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
		std::stringstream Err;
		Err << std::ifstream(ErrFile).rdbuf();
		Run.StdErr = Err.str();
		std::remove(ErrFile.c_str());
		return Run;
	}

	/** Standard output must hold exactly one JSON object, with the delegate that fired. */
	static void ExpectResult(const FZovaRun& Run, int ExitStatus, const TCHAR* Delegate, int32 Code, const std::string& Data)
	{
		EXPECT_EQ(Run.ExitStatus, ExitStatus) << Run.StdErr;
		const FUTF8ToTCHAR Text(Run.StdOut.c_str(), (int32)Run.StdOut.size());
		TSharedPtr<FJsonObject> Object;
		ASSERT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(FString::ConstructFromPtrSize(Text.Get(), Text.Length())), Object)) << Run.StdOut;
		EXPECT_EQ(Object->Values.Num(), 3);
		EXPECT_TRUE(Object->GetStringField(TEXT("delegate")).Equals(Delegate, ESearchCase::CaseSensitive));
		double Number = 0.0;
		EXPECT_TRUE(Object->TryGetNumberField(TEXT("Code"), Number));
		EXPECT_EQ(Number, Code);
		EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Object->GetStringField(TEXT("Data")))), Data);
	}

	FLoopbackHttpServer Server;
};

TEST_F(FZovaHttpCommandTest, EachCommandReportsTheDelegateThatFired)
{
	const std::string Json = "{\"user\":\"张三\",\"note\":\"it's a b & c\"}";
	const std::string Form = "user=张 三&note=a b&x=1%262";
	ExpectResult(RunZova({"http", "get", Server.Url("/status/404"), "--json"}), 0, TEXT("OnSuccess"), 404, "status 404");
	ExpectResult(RunZova({"http", "post-json", Server.Url("/echo"), Json, "--json"}), 0, TEXT("OnSuccess"), 200, Json);
	ExpectResult(RunZova({"http", "post-form", Server.Url("/echo"), "-", "--json"}, Form), 0, TEXT("OnSuccess"), 200, Form);
	const std::vector<FRecordedRequest> Seen = Server.GetRecordedRequests();
	ASSERT_EQ(Seen.size(), 3u);
	EXPECT_FALSE(Seen[0].bHasContentType);
	EXPECT_EQ(Seen[1].ContentType, "application/json");
	EXPECT_EQ(Seen[2].ContentType, "application/x-www-form-urlencoded");

	const FZovaRun Table = RunZova({"http", "get", Server.Url("/status/201")});
	EXPECT_EQ(Table.ExitStatus, 0);
	EXPECT_NE(Table.StdOut.find("OnSuccess"), std::string::npos);
	EXPECT_NE(Table.StdOut.find("status 201"), std::string::npos);
	EXPECT_EQ(Table.StdOut.find('{'), std::string::npos);
}

TEST_F(FZovaHttpCommandTest, FailuresEndInOnFailWithExitStatusThree)
{
	const std::string Closed = "http://127.0.0.1:" + std::to_string(FindClosedLoopbackPort()) + "/";
	ExpectResult(RunZova({"http", "get", Closed, "--json"}), 3, TEXT("OnFail"), -1, "");
	// Without a URL the request fails inside the factory; the node still hears of it once activated.
	ExpectResult(RunZova({"http", "post-json", "", "{}", "--json"}), 3, TEXT("OnFail"), -1, "");
	// Only http and https URLs are sent; a file's contents never come back as Data.
	ExpectResult(RunZova({"http", "get", "file:///etc/passwd", "--json"}), 3, TEXT("OnFail"), -1, "");
}

TEST_F(FZovaHttpCommandTest, BadUsageIsOneLineOnStandardErrorWithExitStatusTwo)
{
	const std::vector<std::string> Cases[] = {
		{"http", "get"},
		{"http", "get", Server.Url("/status/200"), "extra"},
		{"http", "post-json", Server.Url("/status/200")},
		{"http", "post-form", Server.Url("/status/200"), "a=1", "--verbose"},
	};
	for (const std::vector<std::string>& Arguments : Cases)
	{
		SCOPED_TRACE(Arguments.size());
		const FZovaRun Run = RunZova(Arguments);
		EXPECT_EQ(Run.ExitStatus, 2);
		EXPECT_TRUE(Run.StdOut.empty());
		ASSERT_FALSE(Run.StdErr.empty());
		EXPECT_EQ(Run.StdErr.find('\n'), Run.StdErr.size() - 1) << Run.StdErr;
	}
	EXPECT_TRUE(Server.GetRecordedRequests().empty());
	EXPECT_NE(RunZova({"http", "post-form", "--help"}).StdOut.find("Example"), std::string::npos);
}
