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

TEST_F(FHttpResultTest, NoAnswerReachesOnFailWithMinusOneAndNoData)
{
	const FDroppingServer Dropping;
	const std::pair<const char*, std::string> Cases[] = {
		{"closed port", "http://127.0.0.1:" + std::to_string(FindClosedLoopbackPort()) + "/status/200"},
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
