#include "LoopbackHttpServer.h"
#include "ResponseBodyCases.h"
#include "ZOVAHttpTestFixture.h"

#include <string>

using namespace std::string_literals;

/** What the request nodes make of bodies that are not plain text, converted as UE 5.6 converts them. */
class FHttpBodyTextTest : public FZOVAHttpTestBase
{
protected:
	FLoopbackHttpServer Server;
};

TEST_F(FHttpBodyTextTest, GetRequestDataIsTheEnginesTextOfTheBody)
{
	for (const FResponseBodyCase& Case : GetResponseBodyCases())
	{
		SCOPED_TRACE(Case.Name);
		const UZOVAHttpTestListener* const Listener = Activate(UZOVAHttpRequest::HttpGetRequest(ToFString(Server.BytesUrl(Case.Body))));
		WaitForReport(Listener);
		ASSERT_EQ(Listener->Reports.Num(), 1);
		EXPECT_TRUE(Listener->Reports[0].bSuccess);
		const FString& Data = Listener->Reports[0].Data;
		EXPECT_EQ(std::u16string(*Data, Data.Len()), Case.Text);
	}
}

// UE 5.4 and 5.8, Online/HTTP/Private/Curl/CurlHttp.cpp (SetContentAsString converts every character)
TEST_F(FHttpBodyTextTest, PostRequestBodyWithZerosArrivesWhole)
{
	const std::u16string Json = u"{\"a\":\"x\0y\"}\0"s;
	const FString Body = FString::ConstructFromPtrSize(Json.data(), (int32)Json.size());
	const UZOVAHttpTestListener* const Listener = Activate(UZOVAHttpRequest::HttpPostRequest(ToFString(Server.Url("/echo")), Body));
	WaitForReport(Listener);

	const std::vector<FRecordedRequest> Seen = Server.GetRecordedRequests();
	ASSERT_EQ(Seen.size(), 1u);
	EXPECT_EQ(Seen[0].Body, "{\"a\":\"x\0y\"}\0"s);
	// The echo comes back with its last zero taken for a terminator.
	ASSERT_EQ(Listener->Reports.Num(), 1);
	const FString& Data = Listener->Reports[0].Data;
	EXPECT_EQ(std::u16string(*Data, Data.Len()), u"{\"a\":\"x\0y\"}"s);
}
