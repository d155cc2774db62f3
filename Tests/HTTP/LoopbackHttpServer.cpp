#include "LoopbackHttpServer.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
	/** Enough workers for every connection the HTTP module opens to one server at once. */
	constexpr size_t ServerThreads = 32;
	/** Short, so that stopping never waits long for idle kept-alive connections. */
	constexpr time_t KeepAliveSeconds = 1;
	/** A held request answers after this at the latest, should a test forget to stop its server. */
	constexpr auto MaxHold = std::chrono::seconds(60);

	/** Binds the socket to an ephemeral port on 127.0.0.1; returns the port. */
	int BindLoopback(int Socket)
	{
		sockaddr_in Address = {};
		Address.sin_family = AF_INET;
		Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
		socklen_t Length = sizeof(Address);
		const bool bBound = bind(Socket, reinterpret_cast<sockaddr*>(&Address), Length) == 0 && getsockname(Socket, reinterpret_cast<sockaddr*>(&Address), &Length) == 0;
		return bBound ? ntohs(Address.sin_port) : 0;
	}
}

const char* const FLoopbackHttpServer::Text = "你好, world 🌍 \"quoted\" & more";

FLoopbackHttpServer::FLoopbackHttpServer()
	: Server(std::make_unique<httplib::Server>())
{
	Start();
}

FLoopbackHttpServer::FLoopbackHttpServer(const std::string& CertificateFile, const std::string& KeyFile)
	: Server(std::make_unique<httplib::SSLServer>(CertificateFile.c_str(), KeyFile.c_str()))
	, bSecure(true)
{
	Start();
}

FLoopbackHttpServer::~FLoopbackHttpServer()
{
	ReleaseHeldRequests();
	Server->stop();
	ListenThread.join();
}

std::string FLoopbackHttpServer::Url(const std::string& Path) const
{
	return std::string(bSecure ? "https" : "http") + "://127.0.0.1:" + std::to_string(Port) + Path;
}

std::string FLoopbackHttpServer::RedirectUrl(const std::string& Location) const
{
	static const char Hex[] = "0123456789ABCDEF";
	std::string Encoded;
	for (const unsigned char Character : Location)
	{
		if (std::isalnum(Character) || Character == '-' || Character == '.' || Character == '_' || Character == '~')
		{
			Encoded += (char)Character;
		}
		else
		{
			Encoded += {'%', Hex[Character >> 4], Hex[Character & 15]};
		}
	}
	return Url("/redirect-to?to=" + Encoded);
}

std::string FLoopbackHttpServer::BytesUrl(const std::string& Bytes) const
{
	static const char Digits[] = "0123456789abcdef";
	std::string Path = "/bytes/";
	for (const char Byte : Bytes)
	{
		Path.push_back(Digits[(uint8_t)Byte >> 4]);
		Path.push_back(Digits[(uint8_t)Byte & 0x0F]);
	}
	return Url(Path);
}

std::vector<FRecordedRequest> FLoopbackHttpServer::GetRecordedRequests() const
{
	std::lock_guard<std::mutex> Lock(Mutex);
	return Recorded;
}

void FLoopbackHttpServer::ReleaseHeldRequests()
{
	{
		std::lock_guard<std::mutex> Lock(Mutex);
		bHoldReleased = true;
	}
	HoldReleased.notify_all();
}

void FLoopbackHttpServer::Start()
{
	Server->new_task_queue = [] { return new httplib::ThreadPool(ServerThreads); };
	Server->set_keep_alive_timeout(KeepAliveSeconds);
	AddRoutes();
	Port = Server->bind_to_any_port("127.0.0.1");
	ListenThread = std::thread([this]() { Server->listen_after_bind(); });
	// Connections queue on the bound socket already; this only makes sure stop() has a loop to end.
	while (!Server->is_running())
	{
		std::this_thread::yield();
	}
}

void FLoopbackHttpServer::AddRoutes()
{
	const auto Recording = [this](const httplib::Request& Request) {
		FRecordedRequest Seen;
		Seen.Method = Request.method;
		Seen.Path = Request.path;
		Seen.bHasContentType = Request.has_header("Content-Type");
		Seen.ContentType = Request.get_header_value("Content-Type");
		Seen.bHasContentLength = Request.has_header("Content-Length");
		Seen.Body = Request.body;
		Record(Seen);
	};
	const auto Status = [Recording](const httplib::Request& Request, httplib::Response& Response) {
		Recording(Request);
		Response.status = std::stoi(Request.matches[1].str());
		Response.set_content("status " + Request.matches[1].str(), "text/plain");
	};
	const auto Echo = [Recording](const httplib::Request& Request, httplib::Response& Response) {
		Recording(Request);
		Response.set_content(Request.body, "text/plain");
	};
	const auto RedirectTo = [Recording](const httplib::Request& Request, httplib::Response& Response) {
		Recording(Request);
		Response.set_redirect(Request.get_param_value("to"));
	};
	Server->Get(R"(/status/(\d+))", Status);
	Server->Post(R"(/status/(\d+))", Status);
	Server->Get("/echo", Echo);
	Server->Post("/echo", Echo);
	Server->Get("/redirect-to", RedirectTo);
	Server->Post("/redirect-to", RedirectTo);
	Server->Get("/text", [Recording](const httplib::Request& Request, httplib::Response& Response) {
		Recording(Request);
		Response.set_content(Text, "text/plain; charset=utf-8");
	});
	Server->Get(R"(/bytes/((?:[0-9a-fA-F]{2})*))", [Recording](const httplib::Request& Request, httplib::Response& Response) {
		Recording(Request);
		const std::string Hex = Request.matches[1].str();
		std::string Bytes;
		for (size_t Index = 0; Index < Hex.size(); Index += 2)
		{
			Bytes.push_back((char)std::stoi(Hex.substr(Index, 2), nullptr, 16));
		}
		Response.set_content(Bytes, "application/octet-stream");
	});
	Server->Get("/redirect", [Recording](const httplib::Request& Request, httplib::Response& Response) {
		Recording(Request);
		Response.set_redirect("/text");
	});
	Server->Get(R"(/slow/(\d+))", [Recording](const httplib::Request& Request, httplib::Response& Response) {
		Recording(Request);
		std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(Request.matches[1].str())));
		Response.set_content("slow", "text/plain");
	});
	Server->Get("/hold", [this, Recording](const httplib::Request& Request, httplib::Response& Response) {
		Recording(Request);
		std::unique_lock<std::mutex> Lock(Mutex);
		HoldReleased.wait_for(Lock, MaxHold, [this]() { return bHoldReleased; });
		Response.set_content("held", "text/plain");
	});
	Server->Get("/truncated", [Recording](const httplib::Request& Request, httplib::Response& Response) {
		Recording(Request);
		Response.set_content_provider(1000, "text/plain", [](size_t Offset, size_t Length, httplib::DataSink& Sink) {
			Sink.write("0123456789", 10);
			return false;
		});
	});
}

void FLoopbackHttpServer::Record(const FRecordedRequest& Request)
{
	std::lock_guard<std::mutex> Lock(Mutex);
	Recorded.push_back(Request);
}

FDroppingServer::FDroppingServer()
	: ListenSocket(socket(AF_INET, SOCK_STREAM, 0))
	, Port(BindLoopback(ListenSocket))
{
	listen(ListenSocket, 128);
	AcceptThread = std::thread([this]() {
		int Connection = -1;
		while ((Connection = accept(ListenSocket, nullptr, nullptr)) >= 0)
		{
			std::string Head;
			char Buffer[4096];
			ssize_t Read = 0;
			while (Head.find("\r\n\r\n") == std::string::npos && (Read = recv(Connection, Buffer, sizeof(Buffer), 0)) > 0)
			{
				Head.append(Buffer, (size_t)Read);
			}
			close(Connection);
		}
	});
}

FDroppingServer::~FDroppingServer()
{
	// Ends the blocked accept().
	shutdown(ListenSocket, SHUT_RDWR);
	AcceptThread.join();
	close(ListenSocket);
}

FLoopbackListener::FLoopbackListener()
	: ListenSocket(socket(AF_INET, SOCK_STREAM, 0))
	, Port(BindLoopback(ListenSocket))
{
	// The kernel completes each connection on its own; CountConnections takes them without waiting.
	fcntl(ListenSocket, F_SETFL, O_NONBLOCK);
	listen(ListenSocket, 128);
}

FLoopbackListener::~FLoopbackListener()
{
	close(ListenSocket);
}

std::string FLoopbackListener::Url(const std::string& Scheme) const
{
	return Scheme + "://127.0.0.1:" + std::to_string(Port) + "/";
}

int FLoopbackListener::CountConnections()
{
	int Connection = -1;
	while ((Connection = accept(ListenSocket, nullptr, nullptr)) >= 0)
	{
		close(Connection);
		++Connections;
	}
	return Connections;
}

int FindClosedLoopbackPort()
{
	const int Socket = socket(AF_INET, SOCK_STREAM, 0);
	const int Port = BindLoopback(Socket);
	close(Socket);
	return Port;
}
