#include "EngineLoopEnvironment.h"
#include "LoopbackHttpServer.h"
#include "ZOVAHttpTestFixture.h"

namespace
{
	testing::Environment* const EngineLoop = testing::AddGlobalTestEnvironment(new FEngineLoopEnvironment());
}

class FHttpResultTest : public FZOVAHttpTestBase
{
protected:
	FLoopbackHttpServer Server;
};

TEST_F(FHttpResultTest, EveryAnswerReachesOnSuccessWithItsStatusAndBody)
{
	struct FCase
	{
		const char* Name;
		UZOVAHttpRequest* (*Send)(const FString& Url);
		int32 Code;
	};
	const FCase Cases[] = {
		{"GET 200", [](const FString& Url) { return UZOVAHttpRequest::HttpGetRequest(Url); }, 200},
		{"GET 404", [](const FString& Url) { return UZOVAHttpRequest::HttpGetRequest(Url); }, 404},
		{"GET 500", [](const FString& Url) { return UZOVAHttpRequest::HttpGetRequest(Url); }, 500},
		{"POST Json 404", [](const FString& Url) { return UZOVAHttpRequest::HttpPostRequest(Url, TEXT("{}")); }, 404},
		{"POST Form 500", [](const FString& Url) { return UZOVAHttpRequest::HttpPostFormRequest(Url, TEXT("a=1")); }, 500},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const UZOVAHttpTestListener* const Listener = Activate(Case.Send(ToFString(Server.Url("/status/" + std::to_string(Case.Code)))));
		WaitForReport(Listener);
		ExpectOneReport(Listener, true, Case.Code, FString::Printf(TEXT("status %d"), Case.Code));
	}
}

TEST_F(FHttpResultTest, NoAnswerReachesOnFailWithMinusOneAndNoData)
{
	const FDroppingServer Dropping;
	const std::pair<const char*, std::string> Cases[] = {
		{"closed port", "http://127.0.0.1:" + std::to_string(FindClosedLoopbackPort()) + "/status/200"},
		{"unresolvable name", "http://zova-http-request-test.invalid/status/200"},
		{"dropped before answering", Dropping.Url()},
		{"dropped in the middle of the body", Server.Url("/truncated")},
	};
	for (const std::pair<const char*, std::string>& Case : Cases)
	{
		SCOPED_TRACE(Case.first);
		const UZOVAHttpTestListener* const Listener = Activate(UZOVAHttpRequest::HttpGetRequest(ToFString(Case.second)));
		WaitForReport(Listener);
		ExpectOneReport(Listener, false, -1, FString());
	}
}
