#include "LoopbackHttpServer.h"
#include "UObject/UObjectGlobals.h"
#include "ZOVAHttpTestFixture.h"

namespace
{
	/** A request node's factory, called with a URL. */
	struct FFactory
	{
		const char* Name;
		UZOVAHttpRequest* (*Create)(const FString& Url);
	};

	const FFactory Factories[] = {
		{"GET", [](const FString& Url) { return UZOVAHttpRequest::HttpGetRequest(Url); }},
		{"POST Json", [](const FString& Url) { return UZOVAHttpRequest::HttpPostRequest(Url, TEXT("{}")); }},
		{"POST Form", [](const FString& Url) { return UZOVAHttpRequest::HttpPostFormRequest(Url, TEXT("a=1")); }},
	};
}

/** The request nodes send http and https URLs only. Other names used here are under .invalid, never resolved. */
class FHttpUrlSchemeTest : public FZOVAHttpTestBase
{
protected:
	FLoopbackHttpServer Server;
	FLoopbackListener Listener;
};

// A refused URL fails inside the factory, with no engine request that a tick could complete later: so
// its result must be there at Activate with no tick run at all, and nothing may reach the listener.
TEST_F(FHttpUrlSchemeTest, OtherSchemesFailAtActivateWithoutARequest)
{
	const FString Port = FString::FromInt(Listener.GetPort());
	const FString Urls[] = {
		TEXT("file:///etc/passwd"),
		TEXT("FILE:///etc/passwd"),
		ToFString(Listener.Url("gopher")),
		ToFString(Listener.Url("dict")),
		ToFString(Listener.Url("ftp")),
		TEXT(" file:///etc/passwd"),
		// libcurl reads "name:/" as a scheme, unlike "name:<port>".
		TEXT("localhost:/etc/passwd"),
		// Without a scheme, libcurl takes these host names (after any user info, decoded) for other protocols.
		TEXT("ftp.zova-test.invalid:") + Port + TEXT("/"),
		TEXT("DICT.zova-test.invalid/"),
		TEXT("user@smtp.zova-test.invalid/"),
		TEXT("%70op3.zova-test.invalid/"),
		// Escapes decode with hex letters in either case: %6c and %6C are both 'l', %4D is 'M'.
		TEXT("%6cdap.zova-test.invalid/"),
		TEXT("%6Cdap.zova-test.invalid/"),
		TEXT("i%4DAP.zova-test.invalid/"),
		TEXT("imap.zova-test.invalid"),
		TEXT("ldap.zova-test.invalid?x"),
	};
	for (const FString& Url : Urls)
	{
		for (const FFactory& Factory : Factories)
		{
			SCOPED_TRACE(std::string(Factory.Name) + " " + TCHAR_TO_UTF8(*Url));
			UZOVAHttpRequest* const Action = Factory.Create(Url);
			const TWeakObjectPtr<UZOVAHttpRequest> Weak(Action);
			CollectGarbage();
			ASSERT_TRUE(Weak.IsValid());
			EXPECT_TRUE(Action->IsRooted());

			const UZOVAHttpTestListener* const Outputs = Activate(Action);
			ExpectOneReport(Outputs, false, -1, FString());
			EXPECT_FALSE(Action->IsRooted());
			for (int32 Frame = 0; Frame < 3; ++Frame)
			{
				GEngineLoop.Tick();
			}
			EXPECT_EQ(Outputs->Reports.Num(), 1);
			CollectGarbage();
			EXPECT_FALSE(Weak.IsValid());
		}
	}
	EXPECT_EQ(Listener.CountConnections(), 0);
	EXPECT_TRUE(Server.GetRecordedRequests().empty());
}

// UE 5.4 and 5.8, HTTP/Private/Curl/CurlHttp.cpp: the URL goes to libcurl as it is, which guesses a missing scheme.
TEST_F(FHttpUrlSchemeTest, HttpUrlsInAnyCaseAndUrlsWithoutASchemeAreSent)
{
	const FString HostAndPort = FString::Printf(TEXT("127.0.0.1:%d"), Server.GetPort());
	const TPair<FString, int32> Cases[] = {
		{TEXT("HTTP://") + HostAndPort + TEXT("/status/201"), 201},
		{TEXT("hTTp://") + HostAndPort + TEXT("/status/202?next=file:///etc/passwd"), 202},
		// libcurl sends a URL without a scheme by HTTP, also when "localhost:" looks like one.
		{HostAndPort + TEXT("/status/203"), 203},
		{FString::Printf(TEXT("localhost:%d/status/200"), Server.GetPort()), 200},
	};
	for (const TPair<FString, int32>& Case : Cases)
	{
		for (const FFactory& Factory : Factories)
		{
			SCOPED_TRACE(std::string(Factory.Name) + " " + TCHAR_TO_UTF8(*Case.Key));
			const UZOVAHttpTestListener* const Outputs = Activate(Factory.Create(Case.Key));
			WaitForReport(Outputs);
			ExpectOneReport(Outputs, true, Case.Value, FString::Printf(TEXT("status %d"), Case.Value));
		}
	}
	EXPECT_EQ(Server.GetRecordedRequests().size(), std::size(Cases) * std::size(Factories));
}

TEST_F(FHttpUrlSchemeTest, HttpsUrlsInAnyCaseAreSent)
{
	for (const char* const Scheme : {"https", "HTTPS", "Https"})
	{
		for (const FFactory& Factory : Factories)
		{
			SCOPED_TRACE(std::string(Factory.Name) + " " + Scheme);
			const int32 Before = Listener.CountConnections();
			const UZOVAHttpTestListener* const Outputs = Activate(Factory.Create(ToFString(Listener.Url(Scheme))));
			// The listener hangs up without a TLS answer, which fails the request once it has connected.
			ASSERT_TRUE(TickEngineLoopUntil([this, Before]() { return Listener.CountConnections() > Before; }, MaxWaitSeconds, MaxWaitFrames));
			WaitForReport(Outputs);
			ExpectOneReport(Outputs, false, -1, FString());
		}
	}
}

// UE 5.4 and 5.8, HTTP/Private/Curl/CurlHttp.cpp: redirects keep libcurl's default protocols, which exclude these.
TEST_F(FHttpUrlSchemeTest, RedirectsToOtherSchemesEndInOnFail)
{
	const std::string Targets[] = {"file:///etc/passwd", Listener.Url("gopher"), Listener.Url("dict")};
	for (const std::string& Target : Targets)
	{
		for (const FFactory& Factory : Factories)
		{
			SCOPED_TRACE(std::string(Factory.Name) + " " + Target);
			const UZOVAHttpTestListener* const Outputs = Activate(Factory.Create(ToFString(Server.RedirectUrl(Target))));
			WaitForReport(Outputs);
			ExpectOneReport(Outputs, false, -1, FString());
		}
	}
	EXPECT_EQ(Server.GetRecordedRequests().size(), std::size(Targets) * std::size(Factories));
	EXPECT_EQ(Listener.CountConnections(), 0);
}
