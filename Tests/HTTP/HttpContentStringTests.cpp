#include "HttpTestFixture.h"
#include "LoopbackHttpServer.h"
#include "ResponseBodyCases.h"
#include "../Core/ExactText.h"

#include <string>

class FHttpContentStringTest : public FHttpTestBase
{
protected:
	FLoopbackHttpServer Server;
};

TEST_F(FHttpContentStringTest, ResponseBodiesConvertWholeByLength)
{
	for (const FResponseBodyCase& Case : GetResponseBodyCases())
	{
		SCOPED_TRACE(Case.Name);
		FHttpCompletions Completions;
		Send(Completions, TEXT("GET"), Server.BytesUrl(Case.Body));
		ASSERT_TRUE(Completions.Response.IsValid());
		EXPECT_EQ(ExactText(Completions.Response->GetContentAsString()), Case.Text);
	}
}

// UE 5.4 and 5.8, Online/HTTP/Private/Curl/CurlHttp.cpp (SetContentAsString)
TEST_F(FHttpContentStringTest, RequestBodiesSendEveryCharacter)
{
	using namespace std::string_literals;
	const std::pair<std::u16string, std::string> Cases[] = {
		{u"before\0after\0"s, "before\0after\0"s},
		{u"\0x"s, "\0x"s},
		{{u'a', char16_t(0xDC00), char16_t(0xFFFF), u'\u00e9'}, "a??\xC3\xA9"},
	};
	size_t Index = 0;
	for (const auto& [Text, Bytes] : Cases)
	{
		SCOPED_TRACE(Index);
		const FString Body = FString::ConstructFromPtrSize(Text.data(), (int32)Text.size());
		FHttpCompletions Completions;
		Send(Completions, TEXT("POST"), Server.Url("/echo"), &Body);
		const std::vector<FRecordedRequest> Seen = Server.GetRecordedRequests();
		ASSERT_EQ(Seen.size(), Index + 1);
		EXPECT_EQ(Seen[Index++].Body, Bytes);
	}
}
