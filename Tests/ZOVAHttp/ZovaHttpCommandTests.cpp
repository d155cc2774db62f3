#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "FaultyHttpServer.h"
#include "LoopbackHttpServer.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZovaProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
	std::string Utf8(const FString& Text)
	{
		const FTCHARToUTF8 Converted(*Text, Text.Len());
		return std::string(Converted.Get(), Converted.Length());
	}

	bool IsOneErrorLine(const FZovaRun& Run)
	{
		return Run.StdOut.IsEmpty() && Run.StdErr.rfind("zova: ", 0) == 0 && std::count(Run.StdErr.begin(), Run.StdErr.end(), '\n') == 1;
	}
}

class FZovaHttpCommandTest : public testing::Test
{
protected:
	/** Standard output must hold exactly one JSON object, with the delegate that fired. */
	static void ExpectResult(const FZovaRun& Run, int ExitStatus, const TCHAR* Delegate, int32 Code, const std::string& Data)
	{
		EXPECT_EQ(Run.ExitStatus, ExitStatus) << Run.StdErr;
		TSharedPtr<FJsonObject> Object;
		ASSERT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Run.StdOut), Object)) << Utf8(Run.StdOut);
		EXPECT_EQ(Object->Values.Num(), 3);
		EXPECT_TRUE(Object->GetStringField(TEXT("delegate")).Equals(Delegate, ESearchCase::CaseSensitive));
		double Number = 0.0;
		EXPECT_TRUE(Object->TryGetNumberField(TEXT("Code"), Number));
		EXPECT_EQ(Number, Code);
		EXPECT_EQ(Utf8(Object->GetStringField(TEXT("Data"))), Data);
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
	EXPECT_NE(Utf8(Table.StdOut).find("OnSuccess"), std::string::npos);
	EXPECT_NE(Utf8(Table.StdOut).find("status 201"), std::string::npos);
	EXPECT_EQ(Utf8(Table.StdOut).find('{'), std::string::npos);
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
		{"http", "get", Server.Url("/status/200"), "--timeout"},
		{"http", "get", Server.Url("/status/200"), "--timeout", "0"},
		{"http", "get", Server.Url("/status/200"), "--timeout", "-1"},
		{"http", "get", Server.Url("/status/200"), "--timeout", "soon"},
		{"http", "get", Server.Url("/status/200"), "--timeout", "2s"},
		{"http", "get", Server.Url("/status/200"), "--timeout", "nan"},
		{"http", "get", Server.Url("/status/200"), "--timeout", "inf"},
		{"http", "get", Server.Url("/status/200"), "--timeout", "86401"},
		{"http", "get", Server.Url("/status/200"), "--timeout", ""},
	};
	for (const std::vector<std::string>& Arguments : Cases)
	{
		SCOPED_TRACE(Arguments.back());
		const FZovaRun Run = RunZova(Arguments);
		EXPECT_EQ(Run.ExitStatus, 2);
		EXPECT_TRUE(IsOneErrorLine(Run)) << Run.StdErr;
	}
	EXPECT_TRUE(Server.GetRecordedRequests().empty());
	EXPECT_NE(Utf8(RunZova({"http", "post-form", "--help"}).StdOut).find("Example"), std::string::npos);
}

TEST_F(FZovaHttpCommandTest, ARequestThatNeverEndsStopsAtTheTimeoutWithItsOwnStatus)
{
	FFaultyHttpServer Faulty;
	for (const char* Path : {"/trickle", "/silent"})
	{
		SCOPED_TRACE(Path);
		const FZovaRun Run = RunZova({"http", "get", Faulty.Url(Path), "--timeout", "0.5", "--json"});
		EXPECT_EQ(Run.ExitStatus, 4) << Run.StdErr;
		EXPECT_TRUE(IsOneErrorLine(Run)) << Run.StdErr << Utf8(Run.StdOut);
		EXPECT_NE(Run.StdErr.find("--timeout"), std::string::npos) << Run.StdErr;
		EXPECT_EQ(Faulty.GetRequestCount(Path), 1);
	}

	const FZovaRun InTime = RunZova({"http", "get", Server.Url("/status/200"), "--timeout", "30", "--json"});
	ExpectResult(InTime, 0, TEXT("OnSuccess"), 200, "status 200");
}

TEST_F(FZovaHttpCommandTest, AUrlFromStandardInputLosesItsNewlineAndABodyKeepsIt)
{
	ExpectResult(RunZova({"http", "get", "-", "--json"}, Server.Url("/status/202") + "\n"), 0, TEXT("OnSuccess"), 202, "status 202");
	ExpectResult(RunZova({"http", "post-json", "-", "{}", "--json"}, Server.Url("/echo") + "\r\n"), 0, TEXT("OnSuccess"), 200, "{}");
	ExpectResult(RunZova({"http", "post-json", Server.Url("/echo"), "-", "--json"}, "{\"a\":1}\n"), 0, TEXT("OnSuccess"), 200, "{\"a\":1}\n");
}

TEST_F(FZovaHttpCommandTest, ABodyShowsOnOneTableRowWithoutReachingTheTerminal)
{
	const std::string Body = "line one\nline two\x1b[2J\x1b]0;title\x07\r";
	const FZovaRun Table = RunZova({"http", "post-json", Server.Url("/echo"), Body});
	ASSERT_EQ(Table.ExitStatus, 0) << Table.StdErr;
	const std::string Out = Utf8(Table.StdOut);
	EXPECT_EQ(std::count(Out.begin(), Out.end(), '\n'), 3) << Out;
	EXPECT_NE(Out.find(R"(Data      line one\nline two\u001b[2J\u001b]0;title\u0007\r)"), std::string::npos) << Out;
	EXPECT_EQ(Out.find('\x1b'), std::string::npos);

	ExpectResult(RunZova({"http", "post-json", Server.Url("/echo"), Body, "--json"}), 0, TEXT("OnSuccess"), 200, Body);
}
