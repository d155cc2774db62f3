#include "LoopbackHttpServer.h"
#include "ZOVAHttpTestFixture.h"

class FHttpRequestShapeTest : public FZOVAHttpTestBase
{
protected:
	FLoopbackHttpServer Server;
};

TEST_F(FHttpRequestShapeTest, EachFactorySendsItsVerbContentTypeAndBodyUnchanged)
{
	struct FCase
	{
		const char* Name;
		UZOVAHttpRequest* (*Send)(const FString& Url, const FString& Body);
		FString Body;
		const char* Method;
		const char* ContentType;
	};
	const FCase Cases[] = {
		{"GET", [](const FString& Url, const FString&) { return UZOVAHttpRequest::HttpGetRequest(Url); }, FString(), "GET", nullptr},
		{"POST Json", &UZOVAHttpRequest::HttpPostRequest, TEXT("{\"name\":\"张三\",\"tags\":[\"a b\",\"🌍\"]}"), "POST", "application/json"},
		{"POST empty Json", &UZOVAHttpRequest::HttpPostRequest, FString(), "POST", "application/json"},
		{"POST Form", &UZOVAHttpRequest::HttpPostFormRequest, TEXT("user=张 三&note=a b&x=1%262"), "POST", "application/x-www-form-urlencoded"},
	};
	size_t Index = 0;
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const UZOVAHttpTestListener* const Listener = Activate(Case.Send(ToFString(Server.Url("/echo")), Case.Body));
		WaitForReport(Listener);
		ExpectOneReport(Listener, true, 200, Case.Body);

		const std::vector<FRecordedRequest> Seen = Server.GetRecordedRequests();
		ASSERT_EQ(Seen.size(), Index + 1);
		const FRecordedRequest& Request = Seen[Index++];
		EXPECT_EQ(Request.Method, Case.Method);
		EXPECT_EQ(Request.bHasContentType, Case.ContentType != nullptr);
		EXPECT_EQ(Request.ContentType, Case.ContentType ? Case.ContentType : "");
		// A GET carries no body at all; a POST says how long its body is, even when empty.
		EXPECT_EQ(Request.bHasContentLength, Case.ContentType != nullptr);
		EXPECT_EQ(Request.Body, std::string(TCHAR_TO_UTF8(*Case.Body)));
	}
}
