#include "HttpPath.h"
#include "HttpServerModule.h"
#include "HttpServerRequest.h"
#include "HttpServerResponse.h"
#include "HttpTestFixture.h"
#include "IHttpRouter.h"
#include "LoopbackHttpServer.h"

#include "EngineLoopEnvironment.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <thread>

namespace
{
	testing::Environment* const EngineLoop = testing::AddGlobalTestEnvironment(new FEngineLoopEnvironment());

	/** Where the search for a free port starts: the engine takes no port 0, so a test looks for one. */
	constexpr uint32 FirstCandidatePort = 18300;
	constexpr uint32 CandidatePorts = 1000;

	/** What a raw client saw of a response. */
	struct FWireResponse
	{
		int Status = -1;
		std::string ContentType;
		std::string Body;
	};

	TArray<uint8> Bytes(const std::string& Text)
	{
		TArray<uint8> Result;
		Result.Append(reinterpret_cast<const uint8*>(Text.data()), (int32)Text.size());
		return Result;
	}
}

/**
 * Serves routes from the engine's HTTP server module on a free port of 127.0.0.1 and sends requests
 * to them with the HTTP module, ticking the engine loop until they complete.
 */
class FHttpServerTest : public FHttpTestBase
{
protected:
	virtual void SetUp() override
	{
		FHttpServerModule& Server = FHttpServerModule::Get();
		Server.StartAllListeners();
		// With listeners started, a port that cannot be bound gives a null router: try the next.
		for (uint32 Candidate = FirstCandidatePort; Candidate < FirstCandidatePort + CandidatePorts && !Router; ++Candidate)
		{
			Router = Server.GetHttpRouter(Candidate, true);
			Port = Candidate;
		}
		ASSERT_TRUE(Router.IsValid());
	}

	virtual void TearDown() override
	{
		for (const FHttpRouteHandle& Route : Routes)
		{
			Router->UnbindRoute(Route);
		}
		FHttpServerModule::Get().StopAllListeners();
	}

	void Bind(const TCHAR* Path, EHttpServerRequestVerbs Verbs, TFunction<bool(const FHttpServerRequest&, const FHttpResultCallback&)> Handler)
	{
		const FHttpRouteHandle Route = Router->BindRoute(FHttpPath(Path), Verbs, FHttpRequestHandler::CreateLambda(MoveTemp(Handler)));
		ASSERT_TRUE(Route.IsValid()) << TCHAR_TO_UTF8(Path);
		Routes.Add(Route);
	}

	/** A route that answers every request with the response MakeResponse gives. */
	void BindAnswer(const TCHAR* Path, EHttpServerRequestVerbs Verbs, TFunction<TUniquePtr<FHttpServerResponse>()> MakeResponse)
	{
		Bind(Path, Verbs, [MakeResponse](const FHttpServerRequest&, const FHttpResultCallback& OnComplete) {
			OnComplete(MakeResponse());
			return true;
		});
	}

	std::string Url(const std::string& PathAndQuery) const
	{
		return "http://127.0.0.1:" + std::to_string(Port) + PathAndQuery;
	}

	/** Sends with cpp-httplib's client on a thread of its own, to see the headers, while the engine ticks. */
	FWireResponse SendRaw(const std::function<httplib::Result(httplib::Client&)>& Request) const
	{
		FWireResponse Seen;
		std::atomic<bool> bDone = false;
		std::thread ClientThread([this, &Request, &Seen, &bDone]() {
			httplib::Client Client("127.0.0.1", (int)Port);
			if (const httplib::Result Result = Request(Client))
			{
				Seen.Status = Result->status;
				Seen.ContentType = Result->get_header_value("Content-Type");
				Seen.Body = Result->body;
			}
			bDone = true;
		});
		EXPECT_TRUE(TickEngineLoopUntil([&bDone]() { return bDone.load(); }, MaxWaitSeconds, MaxWaitFrames));
		ClientThread.join();
		return Seen;
	}

	/**
	 * Sends one request on a socket of its own and reads until the server closes the connection, then
	 * closes it too: the side that closes first keeps the port in TIME_WAIT, so here it is always the
	 * server's.
	 */
	void ExchangeClosedByTheServer(const std::string& Path) const
	{
		std::atomic<bool> bDone = false;
		std::thread ClientThread([this, &Path, &bDone]() {
			const int Socket = socket(AF_INET, SOCK_STREAM, 0);
			sockaddr_in Address = {};
			Address.sin_family = AF_INET;
			Address.sin_port = htons((uint16_t)Port);
			Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
			if (Socket >= 0 && connect(Socket, reinterpret_cast<const sockaddr*>(&Address), sizeof(Address)) == 0)
			{
				const std::string Request = "GET " + Path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
				send(Socket, Request.data(), Request.size(), 0);
				char Buffer[256];
				while (recv(Socket, Buffer, sizeof(Buffer), 0) > 0)
				{
				}
			}
			close(Socket);
			bDone = true;
		});
		EXPECT_TRUE(TickEngineLoopUntil([&bDone]() { return bDone.load(); }, MaxWaitSeconds, MaxWaitFrames));
		ClientThread.join();
	}

	/** Sends a request that must start and waits for it; returns its response, if one arrived. */
	FHttpResponsePtr Fetch(const FString& Verb, const std::string& PathAndQuery)
	{
		FHttpCompletions Completions;
		Send(Completions, Verb, Url(PathAndQuery));
		return Completions.bConnectedSuccessfully ? Completions.Response : nullptr;
	}

	TSharedPtr<IHttpRouter> Router;
	uint32 Port = 0;
	TArray<FHttpRouteHandle> Routes;
};

// UE 5.8, Online/HTTPServer/Private/HttpConnectionRequestReadContext.cpp (BuildRequest);
// Private/HttpServerModule.cpp (Tick); HttpServerResponse.cpp (Create from bytes)
TEST_F(FHttpServerTest, HandlersRunOnTheGameThreadWithTheRequestAsTheEngineReadsIt)
{
	int32 Calls = 0;
	bool bOnGameThread = false;
	FHttpServerRequest Seen;
	Bind(TEXT("/echo"), EHttpServerRequestVerbs::VERB_POST, [&](const FHttpServerRequest& Request, const FHttpResultCallback& OnComplete) {
		++Calls;
		bOnGameThread = IsInGameThread();
		Seen = Request;
		TUniquePtr<FHttpServerResponse> Response = FHttpServerResponse::Create(Bytes(std::string("ok\0!", 4)), TEXT("application/octet-stream"));
		Response->Code = EHttpServerResponseCodes::Created;
		OnComplete(MoveTemp(Response));
		return true;
	});

	FHttpCompletions Completions;
	const FHttpRequestRef Request = MakeRequest(TEXT("POST"), Url("/ECHO/deeper/?name=a%20b&plus=1+2&flag&u=%u00e9&cut=x%00y"), Completions);
	Request->SetHeader(TEXT("X-Values"), TEXT("one, two"));
	Request->SetContentAsString(FString::ConstructFromPtrSize(TEXT("a\0b"), 3));
	ASSERT_TRUE(Request->ProcessRequest());
	WaitForCompletion(Completions);

	EXPECT_EQ(Calls, 1);
	EXPECT_TRUE(bOnGameThread);
	EXPECT_EQ(Seen.Verb, EHttpServerRequestVerbs::VERB_POST);
	EXPECT_TRUE(Seen.FullPath.GetPath().Equals(TEXT("/ECHO/deeper"), ESearchCase::CaseSensitive));
	// The route matched ignoring case, and the handler sees the path below it.
	EXPECT_TRUE(Seen.RelativePath.GetPath().Equals(TEXT("/deeper"), ESearchCase::CaseSensitive));
	const TArray<FString>* const Values = Seen.Headers.Find(TEXT("x-values"));
	ASSERT_NE(Values, nullptr);
	EXPECT_EQ(*Values, TArray<FString>({TEXT("one"), TEXT(" two")}));
	EXPECT_FALSE(Seen.Headers.Contains(TEXT("remote_addr")));
	EXPECT_EQ(Seen.QueryParams.FindRef(TEXT("name")), TEXT("a b"));
	EXPECT_EQ(Seen.QueryParams.FindRef(TEXT("plus")), TEXT("1+2"));
	EXPECT_EQ(Seen.QueryParams.FindRef(TEXT("u")), TEXT("é"));
	EXPECT_EQ(Seen.QueryParams.FindRef(TEXT("cut")), TEXT("x"));
	EXPECT_FALSE(Seen.QueryParams.Contains(TEXT("flag")));
	EXPECT_EQ(Seen.Body, Bytes(std::string("a\0b", 3)));

	ASSERT_TRUE(Completions.bConnectedSuccessfully);
	ASSERT_TRUE(Completions.Response.IsValid());
	EXPECT_EQ(Completions.Response->GetResponseCode(), 201);
	EXPECT_TRUE(Completions.Response->GetContentAsString().Equals(FString::ConstructFromPtrSize(TEXT("ok\0!"), 4), ESearchCase::CaseSensitive));
}

// UE 5.8 and UE5 copies, Online/HTTPServer/Private/HttpServerResponse.cpp; 5.8: HttpConnectionRequestReadContext.cpp (IsRequestValid)
TEST_F(FHttpServerTest, ResponsesAndRefusalsReachTheWireAsTheEngineWritesThem)
{
	BindAnswer(TEXT("/text"), EHttpServerRequestVerbs::VERB_GET, []() { return FHttpServerResponse::Create(FString::ConstructFromPtrSize(TEXT("text\0after"), 10), TEXT("text/plain")); });
	BindAnswer(TEXT("/bytes"), EHttpServerRequestVerbs::VERB_GET, []() { return FHttpServerResponse::Create(Bytes(std::string("\0\1\0", 3)), TEXT("application/octet-stream")); });
	BindAnswer(TEXT("/ok"), EHttpServerRequestVerbs::VERB_GET, []() { return FHttpServerResponse::Ok(); });
	BindAnswer(TEXT("/error"), EHttpServerRequestVerbs::VERB_GET, []() { return FHttpServerResponse::Error(EHttpServerResponseCodes::Forbidden, TEXT("denied"), TEXT("say \"no\"\n")); });
	BindAnswer(TEXT("/post"), EHttpServerRequestVerbs::VERB_POST, []() { return FHttpServerResponse::Ok(); });

	const auto Get = [](const char* Path) { return [Path](httplib::Client& Client) { return Client.Get(Path); }; };
	struct FCase
	{
		const char* Name;
		std::function<httplib::Result(httplib::Client&)> Request;
		FWireResponse Expected;
	};
	const FCase Cases[] = {
		{"text ends at its first NUL", Get("/text"), {200, "text/plain;charset=utf-8", "text"}},
		{"bytes go out whole", Get("/bytes"), {200, "application/octet-stream", std::string("\0\1\0", 3)}},
		{"Ok is 204 and empty", Get("/ok"), {204, "", ""}},
		{"Error is JSON with escaped texts", Get("/error"), {403, "application/json;charset=utf-8", R"({"errorCode": "denied", "errorMessage": "say \"no\"\n"})"}},
		{"a body without a length is refused", [](httplib::Client& Client) { return Client.Post("/post", [](size_t, httplib::DataSink& Sink) { Sink.write("x", 1); Sink.done(); return true; }, "text/plain"); },
			{411, "application/json;charset=utf-8", R"({"errorCode": "errors.com.epicgames.httpserver.missing_content_length_header", "errorMessage": ""})"}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const FWireResponse Seen = SendRaw(Case.Request);
		EXPECT_EQ(Seen.Status, Case.Expected.Status);
		EXPECT_EQ(Seen.ContentType, Case.Expected.ContentType);
		EXPECT_EQ(Seen.Body, Case.Expected.Body);
	}
}

// UE 5.4 and 5.8, Online/HTTPServer/Private/HttpConnection.cpp (ProcessRequest); UE5 copies,
// HttpRequestHandlerIterator.cpp, HttpRequestHandlerRegistrar.cpp; 5.8: HttpRouter.cpp (BindRoute)
TEST_F(FHttpServerTest, RoutesMatchByPathPrefixAndVerbAndEverythingElseIsTheEngines404)
{
	BindAnswer(TEXT("/items"), EHttpServerRequestVerbs::VERB_GET | EHttpServerRequestVerbs::VERB_PUT, []() { return FHttpServerResponse::Create(TEXT("items"), TEXT("text/plain")); });
	BindAnswer(TEXT("/items/special"), EHttpServerRequestVerbs::VERB_GET, []() { return FHttpServerResponse::Create(TEXT("special"), TEXT("text/plain")); });
	// Declines, so the shorter route is asked next.
	Bind(TEXT("/items/declined"), EHttpServerRequestVerbs::VERB_GET, [](const FHttpServerRequest&, const FHttpResultCallback&) { return false; });
	EXPECT_FALSE(Router->BindRoute(FHttpPath(TEXT("/items")), EHttpServerRequestVerbs::VERB_GET, FHttpRequestHandler()).IsValid());
	EXPECT_FALSE(Router->BindRoute(FHttpPath(TEXT("/ITEMS/")), EHttpServerRequestVerbs::VERB_PUT, FHttpRequestHandler()).IsValid());

	const FString NotFound = TEXT(R"({"errorCode": "errors.com.epicgames.httpserver.route_handler_not_found", "errorMessage": ""})");
	struct FCase
	{
		const TCHAR* Verb;
		const char* Path;
		int32 Code;
		FString Body;
	};
	const FCase Cases[] = {
		{TEXT("GET"), "/items", 200, TEXT("items")},
		{TEXT("PUT"), "/items/a/b", 200, TEXT("items")},
		{TEXT("GET"), "/items/special/x", 200, TEXT("special")},
		{TEXT("GET"), "/items/declined", 200, TEXT("items")},
		{TEXT("POST"), "/items", 404, NotFound},
		{TEXT("GET"), "/itemsmore", 404, NotFound},
		{TEXT("GET"), "/", 404, NotFound},
		{TEXT("DELETE"), "/elsewhere", 404, NotFound},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(std::string(TCHAR_TO_UTF8(Case.Verb)) + " " + Case.Path);
		const FHttpResponsePtr Response = Fetch(Case.Verb, Case.Path);
		ASSERT_TRUE(Response.IsValid());
		EXPECT_EQ(Response->GetResponseCode(), Case.Code);
		EXPECT_EQ(Response->GetContentAsString(), Case.Body);
	}

	Router->UnbindRoute(Routes[0]);
	Routes.RemoveAt(0);
	const FHttpResponsePtr Unbound = Fetch(TEXT("GET"), "/items");
	ASSERT_TRUE(Unbound.IsValid());
	EXPECT_EQ(Unbound->GetResponseCode(), 404);
}

// UE 5.8, Online/HTTPServer/Private/HttpServerModule.cpp (Tick), HttpListener.cpp (Tick),
// HttpConnection.cpp (the result callback held by weak pointer)
TEST_F(FHttpServerTest, HandlersRunOnlyInEngineFramesAndMayAnswerOnALaterOne)
{
	int32 Calls = 0;
	FHttpResultCallback HeldAnswer;
	Bind(TEXT("/later"), EHttpServerRequestVerbs::VERB_GET, [&](const FHttpServerRequest&, const FHttpResultCallback& OnComplete) {
		++Calls;
		HeldAnswer = OnComplete;
		return true;
	});

	FHttpCompletions Completions;
	const FHttpRequestRef Request = MakeRequest(TEXT("GET"), Url("/later"), Completions);
	ASSERT_TRUE(Request->ProcessRequest());
	// The request reaches the server while no frame runs, and waits there.
	FPlatformProcess::Sleep(0.2f);
	EXPECT_EQ(Calls, 0);

	ASSERT_TRUE(TickEngineLoopUntil([&Calls]() { return Calls > 0; }, MaxWaitSeconds, MaxWaitFrames));
	for (int32 Frame = 0; Frame < 20; ++Frame)
	{
		GEngineLoop.Tick();
	}
	EXPECT_EQ(Completions.Calls, 0);
	EXPECT_TRUE(FHttpServerModule::Get().HasPendingListeners());

	HeldAnswer(FHttpServerResponse::Create(TEXT("late"), TEXT("text/plain")));
	WaitForCompletion(Completions);
	EXPECT_EQ(Calls, 1);
	ASSERT_TRUE(Completions.Response.IsValid());
	EXPECT_EQ(Completions.Response->GetResponseCode(), 200);
	EXPECT_EQ(Completions.Response->GetContentAsString(), TEXT("late"));
	EXPECT_TRUE(TickEngineLoopUntil([]() { return !FHttpServerModule::Get().HasPendingListeners(); }, MaxWaitSeconds, MaxWaitFrames));
}

// UE 5.8, Online/HTTPServer/Private/HttpServerModule.cpp (GetHttpRouter, Start/StopAllListeners,
// ShutdownModule), HttpListener.cpp (StartListening: no address reuse, invalid port), HttpServerConfig.h
// (bReuseAddressAndPort false); Private/Tests/HttpServerTests.cpp (Integration)
TEST_F(FHttpServerTest, StoppingReleasesThePortAndStartingAgainServesTheSameRouter)
{
	BindAnswer(TEXT("/ping"), EHttpServerRequestVerbs::VERB_GET, []() { return FHttpServerResponse::Create(TEXT("pong"), TEXT("text/plain")); });
	FHttpServerModule& Server = FHttpServerModule::Get();
	EXPECT_EQ(Server.GetHttpRouter(Port), Router);

	// Stopped: the port refuses connections, and its router is kept.
	Server.StopAllListeners();
	EXPECT_EQ(Fetch(TEXT("GET"), "/ping"), nullptr);
	EXPECT_EQ(Server.GetHttpRouter(Port, true), Router);
	Server.StartAllListeners();
	const FHttpResponsePtr Pong = Fetch(TEXT("GET"), "/ping");
	ASSERT_TRUE(Pong.IsValid());
	EXPECT_EQ(Pong->GetContentAsString(), TEXT("pong"));

	// A port whose server closed a connection lingers closed for a while, and the engine binds without reuse.
	ExchangeClosedByTheServer("/ping");
	Server.StopAllListeners();
	Server.StartAllListeners();
	EXPECT_EQ(Server.GetHttpRouter(Port, true), nullptr);

	// A port another socket holds, and one above 65535, give a router only when failure is not asked for.
	const FLoopbackListener Taken;
	for (const uint32 Unbindable : {(uint32)Taken.GetPort(), 65536u})
	{
		SCOPED_TRACE(Unbindable);
		EXPECT_EQ(Server.GetHttpRouter(Unbindable, true), nullptr);
		EXPECT_TRUE(Server.GetHttpRouter(Unbindable).IsValid());
	}
}

// UE 5.8, Online/HTTPServer/Private/HttpServerModule.cpp (ShutdownModule), HttpListener.cpp (StopListening)
TEST_F(FHttpServerTest, UnloadingTheModuleClosesItsPortsAndLeavesWaitingRequestsUnanswered)
{
	int32 Calls = 0;
	Bind(TEXT("/never"), EHttpServerRequestVerbs::VERB_GET, [&Calls](const FHttpServerRequest&, const FHttpResultCallback&) {
		++Calls;
		return true;
	});
	FHttpCompletions Completions;
	const FHttpRequestRef Request = MakeRequest(TEXT("GET"), Url("/never"), Completions);
	ASSERT_TRUE(Request->ProcessRequest());
	ASSERT_TRUE(TickEngineLoopUntil([&Calls]() { return Calls > 0; }, MaxWaitSeconds, MaxWaitFrames));

	ASSERT_TRUE(FModuleManager::Get().UnloadModule(TEXT("HTTPServer")));
	EXPECT_FALSE(FHttpServerModule::IsAvailable());
	WaitForCompletion(Completions);
	EXPECT_FALSE(Completions.bConnectedSuccessfully);
	EXPECT_EQ(Fetch(TEXT("GET"), "/never"), nullptr);
	EXPECT_EQ(Calls, 1);
}
