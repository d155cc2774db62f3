#include "HttpListener.h"
#include "HttpConnection.h"
#include "HttpRequestReader.h"
#include "HttpRouter.h"
#include "HttpServerConstantsPrivate.h"

#include <httplib.h>

DEFINE_LOG_CATEGORY(LogHttpListener);

namespace
{
	/**
	 * The engine binds the loopback address unless its configuration names another; the host has no
	 * configuration and never listens anywhere else.
	 */
	const char* const BindAddress = "127.0.0.1";

	/**
	 * Requests that can wait for the game thread at once: each holds a worker thread until answered,
	 * where the engine's connections have no such bound.
	 */
	constexpr size_t MaxConcurrentRequests = 32;

	std::string ToUtf8(const FString& Text)
	{
		const FTCHARToUTF8 Utf8(*Text, Text.Len());
		return std::string(Utf8.Get(), Utf8.Length());
	}

	void WriteResponse(const FHttpServerResponse& Response, httplib::Response& OutLibraryResponse)
	{
		OutLibraryResponse.status = (int)Response.Code;
		for (const TPair<FString, TArray<FString>>& Header : Response.Headers)
		{
			// The library writes the length of the body it sends, as the engine does.
			if (Header.Key == UE_HTTP_SERVER_HEADER_KEYS_CONTENT_LENGTH)
			{
				continue;
			}
			for (const FString& Value : Header.Value)
			{
				OutLibraryResponse.headers.emplace(ToUtf8(Header.Key), ToUtf8(Value));
			}
		}
		OutLibraryResponse.body.assign(reinterpret_cast<const char*>(Response.Body.GetData()), Response.Body.Num());
	}

	/** Ends the connection without a body: the head goes out, then the library gives up writing. */
	void WriteNoAnswer(httplib::Response& OutLibraryResponse)
	{
		OutLibraryResponse.set_content_provider(1, "application/octet-stream", [](size_t, size_t, httplib::DataSink&) { return false; });
	}
}

FHttpListener::FHttpListener(uint32 InListenPort)
	: ListenPort(InListenPort)
	, Router(MakeShared<FHttpRouter>())
{
	check(InListenPort > 0);
}

FHttpListener::~FHttpListener()
{
	check(!bIsListening);
}

bool FHttpListener::StartListening()
{
	check(!bIsListening);
	if (ListenPort > 65535)
	{
		UE_LOG(LogHttpListener, Error, TEXT("HttpListener detected invalid port %u"), ListenPort);
		return false;
	}

	Server = std::make_unique<httplib::Server>();
	// The engine's listeners do not reuse an address unless configured to; the library's default would.
	Server->set_socket_options([](socket_t) {});
	// One request per connection: no idle connection keeps a worker, so stopping never waits for one.
	Server->set_keep_alive_max_count(1);
	Server->new_task_queue = []() { return new httplib::ThreadPool(MaxConcurrentRequests); };
	const auto Handler = [this](const httplib::Request& LibraryRequest, httplib::Response& LibraryResponse) {
		HandleRequest(LibraryRequest, LibraryResponse);
	};
	const char* const AnyPath = "[\\s\\S]*";
	Server->Get(AnyPath, Handler);
	Server->Post(AnyPath, Handler);
	Server->Put(AnyPath, Handler);
	Server->Patch(AnyPath, Handler);
	Server->Delete(AnyPath, Handler);
	Server->Options(AnyPath, Handler);

	const FString Address = FString::Printf(TEXT("%s:%u"), ANSI_TO_TCHAR(BindAddress), ListenPort);
	if (!Server->bind_to_port(BindAddress, (int)ListenPort))
	{
		UE_LOG(LogHttpListener, Error, TEXT("HttpListener unable to bind to %s"), *Address);
		Server.reset();
		return false;
	}

	{
		const std::lock_guard<std::mutex> Lock(ConnectionsMutex);
		bAcceptingConnections = true;
	}
	httplib::Server* const StartedServer = Server.get();
	ServerThread = std::thread([StartedServer]() { StartedServer->listen_after_bind(); });
	// stop() only ends a loop that has begun.
	while (!Server->is_running())
	{
		std::this_thread::yield();
	}
	bIsListening = true;
	UE_LOG(LogHttpListener, Log, TEXT("Created new HttpListener on %s"), *Address);
	return true;
}

void FHttpListener::StopListening()
{
	check(bIsListening);
	UE_LOG(LogHttpListener, Log, TEXT("HttpListener stopping listening on Port %u"), ListenPort);

	TArray<TSharedRef<FHttpConnection>> Unanswered;
	{
		const std::lock_guard<std::mutex> Lock(ConnectionsMutex);
		bAcceptingConnections = false;
		ArrivedConnections.Empty();
		Unanswered = OpenConnections;
	}
	for (const TSharedRef<FHttpConnection>& Connection : Unanswered)
	{
		Connection->Abandon();
	}
	// Closes the port at once; the thread ends when every worker has finished its connection.
	Server->stop();
	ServerThread.join();
	Server.reset();
	bIsListening = false;
}

void FHttpListener::Tick(float DeltaTime)
{
	if (!bIsListening)
	{
		return;
	}
	TArray<TSharedRef<FHttpConnection>> Arrived;
	{
		const std::lock_guard<std::mutex> Lock(ConnectionsMutex);
		Arrived = MoveTemp(ArrivedConnections);
		ArrivedConnections.Reset();
	}
	for (const TSharedRef<FHttpConnection>& Connection : Arrived)
	{
		Connection->Process(*Router);
	}
}

bool FHttpListener::HasPendingConnections() const
{
	const std::lock_guard<std::mutex> Lock(ConnectionsMutex);
	return OpenConnections.Num() > 0;
}

void FHttpListener::HandleRequest(const httplib::Request& LibraryRequest, httplib::Response& LibraryResponse)
{
	TUniquePtr<FHttpServerResponse> ReadError;
	FString ReadErrorText;
	const TSharedPtr<FHttpServerRequest> Request = FHttpRequestReader::Read(LibraryRequest, ReadError, ReadErrorText);
	const TSharedRef<FHttpConnection> Connection = Request ? MakeShared<FHttpConnection>(Request) : MakeShared<FHttpConnection>(MoveTemp(ReadError), ReadErrorText);
	{
		const std::lock_guard<std::mutex> Lock(ConnectionsMutex);
		if (!bAcceptingConnections)
		{
			WriteNoAnswer(LibraryResponse);
			return;
		}
		ArrivedConnections.Add(Connection);
		OpenConnections.Add(Connection);
	}

	const TUniquePtr<FHttpServerResponse> Response = Connection->WaitForResponse();
	{
		const std::lock_guard<std::mutex> Lock(ConnectionsMutex);
		OpenConnections.Remove(Connection);
	}
	if (Response)
	{
		WriteResponse(*Response, LibraryResponse);
	}
	else
	{
		WriteNoAnswer(LibraryResponse);
	}
}
