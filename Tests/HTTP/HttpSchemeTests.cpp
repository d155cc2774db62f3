#include "HttpTestFixture.h"
#include "LoopbackHttpServer.h"

/**
 * The host reaches HTTP and HTTPS only, by a URL or by a redirect. The engine limits no scheme (there a
 * file:// request succeeds with code 0), so the refusal itself is a declared host difference; how it ends
 * is the engine's for a transfer that libcurl refuses.
 */
class FHttpSchemeTest : public FHttpTestBase
{
protected:
	// UE 5.4 and 5.8, HTTP/Private/Curl/CurlHttpThread.cpp and CurlHttp.cpp (FinishRequest): a transfer libcurl
	// ends with an error completes from the manager's tick, after ProcessRequest returned true, unsuccessful.
	static void ExpectRefused(FHttpCompletions& Completions, const std::string& Url)
	{
		Send(Completions, TEXT("GET"), Url);
		EXPECT_EQ(Completions.Calls, 1);
		EXPECT_TRUE(Completions.bOnGameThread);
		EXPECT_FALSE(Completions.bConnectedSuccessfully);
		ASSERT_TRUE(Completions.Request.IsValid());
		EXPECT_EQ(Completions.Request->GetStatus(), EHttpRequestStatus::Failed);
	}

	FLoopbackHttpServer Server;
	FLoopbackListener Listener;
};

TEST_F(FHttpSchemeTest, OtherSchemesEndUnconnected)
{
	const std::string Urls[] = {
		"file:///etc/passwd",
		"FILE:///etc/passwd",
		Listener.Url("gopher"),
		Listener.Url("dict"),
		Listener.Url("ftp"),
		Listener.Url("Telnet"),
	};
	for (const std::string& Url : Urls)
	{
		SCOPED_TRACE(Url);
		FHttpCompletions Completions;
		ExpectRefused(Completions, Url);
		// Nothing was received, so there is no response at all.
		EXPECT_FALSE(Completions.Response.IsValid());
	}
	EXPECT_EQ(Listener.CountConnections(), 0);
}

TEST_F(FHttpSchemeTest, RedirectsLeadToHttpAndHttpsOnly)
{
	// libcurl's own default already refuses redirects to file, gopher and dict (UE 5.4 and 5.8 keep it);
	// ftp is refused by the host's limit alone.
	const std::string Targets[] = {
		"file:///etc/passwd",
		Listener.Url("gopher"),
		Listener.Url("dict"),
		Listener.Url("ftp"),
	};
	for (const std::string& Target : Targets)
	{
		SCOPED_TRACE(Target);
		FHttpCompletions Completions;
		ExpectRefused(Completions, Server.RedirectUrl(Target));
	}
	EXPECT_EQ(Listener.CountConnections(), 0);
	EXPECT_EQ(Server.GetRecordedRequests().size(), std::size(Targets));

	FHttpCompletions Followed;
	Send(Followed, TEXT("GET"), Server.RedirectUrl("HTTP://127.0.0.1:" + std::to_string(Server.GetPort()) + "/text"));
	ASSERT_TRUE(Followed.bConnectedSuccessfully);
	EXPECT_EQ(Followed.Response->GetResponseCode(), 200);
	EXPECT_TRUE(Followed.Response->GetContentAsString().Equals(ToFString(FLoopbackHttpServer::Text), ESearchCase::CaseSensitive));
}
