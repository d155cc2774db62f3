#include "HttpTestFixture.h"
#include "LoopbackHttpServer.h"

class FHttpRequestTest : public FHttpTestBase
{
protected:
	FLoopbackHttpServer Server;
};

// UE 5.8, Online/HTTP/Public/Interfaces/IHttpRequest.h
TEST_F(FHttpRequestTest, AnyAnswerCompletesConnectedOnTheGameThreadWithItsCodeAndBody)
{
	for (const int32 Code : {200, 404, 500})
	{
		SCOPED_TRACE(Code);
		FHttpCompletions Completions;
		const std::string Url = Server.Url("/status/" + std::to_string(Code));
		Send(Completions, TEXT("GET"), Url);
		EXPECT_EQ(Completions.Calls, 1);
		EXPECT_TRUE(Completions.bOnGameThread);
		ASSERT_TRUE(Completions.bConnectedSuccessfully);
		ASSERT_TRUE(Completions.Response.IsValid());
		EXPECT_EQ(Completions.Response->GetResponseCode(), Code);
		EXPECT_EQ(Completions.Response->GetContentAsString(), FString::Printf(TEXT("status %d"), Code));
		EXPECT_EQ(Completions.Request->GetStatus(), EHttpRequestStatus::Succeeded);
		EXPECT_EQ(Completions.Request->GetURL(), ToFString(Url));
	}
}

TEST_F(FHttpRequestTest, BodiesTravelAsUtf8BothWays)
{
	const FString Sent = TEXT("名前=テスト & 🌍 \"x\"");
	FHttpCompletions Echoed;
	Send(Echoed, TEXT("POST"), Server.Url("/echo"), &Sent);
	ASSERT_TRUE(Echoed.Response.IsValid());
	EXPECT_TRUE(Echoed.Response->GetContentAsString().Equals(Sent, ESearchCase::CaseSensitive));
	ASSERT_EQ(Server.GetRecordedRequests().size(), 1u);
	EXPECT_EQ(Server.GetRecordedRequests()[0].Body, std::string(TCHAR_TO_UTF8(*Sent)));

	FHttpCompletions Received;
	Send(Received, TEXT("GET"), Server.Url("/text"));
	ASSERT_TRUE(Received.Response.IsValid());
	EXPECT_TRUE(Received.Response->GetContentAsString().Equals(ToFString(FLoopbackHttpServer::Text), ESearchCase::CaseSensitive));
}

TEST_F(FHttpRequestTest, RedirectsAreFollowed)
{
	FHttpCompletions Completions;
	Send(Completions, TEXT("GET"), Server.Url("/redirect"));
	ASSERT_TRUE(Completions.Response.IsValid());
	EXPECT_EQ(Completions.Response->GetResponseCode(), 200);
	EXPECT_TRUE(Completions.Response->GetContentAsString().Equals(ToFString(FLoopbackHttpServer::Text), ESearchCase::CaseSensitive));
	const std::vector<FRecordedRequest> Seen = Server.GetRecordedRequests();
	ASSERT_EQ(Seen.size(), 2u);
	EXPECT_EQ(Seen[1].Path, "/text");
}

TEST_F(FHttpRequestTest, VerbsAndHeadersAreSentAsSet)
{
	FHttpCompletions Completions;
	const FHttpRequestRef Request = MakeRequest(TEXT("post"), Server.Url("/echo"), Completions);
	Request->SetHeader(TEXT("Content-Type"), TEXT("text/first"));
	// Header names ignore case: this replaces the first.
	Request->SetHeader(TEXT("content-type"), TEXT("application/json"));
	ASSERT_TRUE(Request->ProcessRequest());
	WaitForCompletion(Completions);

	const std::vector<FRecordedRequest> Seen = Server.GetRecordedRequests();
	ASSERT_EQ(Seen.size(), 1u);
	EXPECT_EQ(Seen[0].Method, "POST");
	EXPECT_EQ(Seen[0].ContentType, "application/json");
	EXPECT_TRUE(Seen[0].bHasContentLength);
	EXPECT_EQ(Seen[0].Body, "");
}
