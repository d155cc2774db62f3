#include "FaultyHttpServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
	constexpr size_t MaxRequestHeadBytes = 64 * 1024;
	constexpr auto TrickleInterval = std::chrono::milliseconds(100);
	constexpr int TrickleLength = 1000000;
	constexpr size_t LargeBodyLineBytes = 16;

	bool SendAll(int Socket, const std::string& Data)
	{
		size_t Sent = 0;
		while (Sent < Data.size())
		{
			// A client that has gone must not raise SIGPIPE in the test process.
			const ssize_t Written = send(Socket, Data.data() + Sent, Data.size() - Sent, MSG_NOSIGNAL);
			if (Written < 0 && errno == EINTR)
			{
				continue;
			}
			if (Written <= 0)
			{
				return false;
			}
			Sent += (size_t)Written;
		}
		return true;
	}

	/** Reads the request head and returns its path without the query; empty if the client left first. */
	std::string ReadRequestPath(int Socket)
	{
		std::string Head;
		char Buffer[4096];
		while (Head.find("\r\n\r\n") == std::string::npos && Head.size() < MaxRequestHeadBytes)
		{
			const ssize_t Read = recv(Socket, Buffer, sizeof(Buffer), 0);
			if (Read < 0 && errno == EINTR)
			{
				continue;
			}
			if (Read <= 0)
			{
				return std::string();
			}
			Head.append(Buffer, (size_t)Read);
		}
		// "GET /path?query HTTP/1.1"
		const size_t PathStart = Head.find(' ');
		const size_t PathEnd = PathStart == std::string::npos ? std::string::npos : Head.find_first_of(" ?\r", PathStart + 1);
		return PathEnd == std::string::npos ? std::string() : Head.substr(PathStart + 1, PathEnd - PathStart - 1);
	}

	/** The number after Prefix in Path; false when Path is not Prefix followed by digits only. */
	bool ParseNumberAfter(const std::string& Path, const std::string& Prefix, size_t& OutNumber)
	{
		if (Path.size() <= Prefix.size() || Path.compare(0, Prefix.size(), Prefix) != 0)
		{
			return false;
		}
		const char* const End = Path.data() + Path.size();
		const std::from_chars_result Parsed = std::from_chars(Path.data() + Prefix.size(), End, OutNumber);
		return Parsed.ec == std::errc() && Parsed.ptr == End;
	}

	std::string Answer(const char* Status, const std::string& Body)
	{
		return std::string("HTTP/1.1 ") + Status + "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(Body.size()) + "\r\nConnection: close\r\n\r\n" + Body;
	}

	std::string Redirect(const std::string& Location)
	{
		return "HTTP/1.1 302 Found\r\nLocation: " + Location + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
	}
}

FFaultyHttpServer::FFaultyHttpServer()
	: ListenSocket(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0))
{
	sockaddr_in Address = {};
	Address.sin_family = AF_INET;
	Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
	socklen_t Length = sizeof(Address);
	if (ListenSocket >= 0 && bind(ListenSocket, reinterpret_cast<sockaddr*>(&Address), Length) == 0
		&& getsockname(ListenSocket, reinterpret_cast<sockaddr*>(&Address), &Length) == 0 && listen(ListenSocket, SOMAXCONN) == 0)
	{
		Port = ntohs(Address.sin_port);
	}
	AcceptThread = std::thread([this]() { AcceptConnections(); });
}

FFaultyHttpServer::~FFaultyHttpServer()
{
	{
		const std::lock_guard<std::mutex> Lock(Mutex);
		bStopping = true;
		// Wakes connections blocked reading or writing; each then ends by itself.
		for (FConnection& Connection : Connections)
		{
			if (Connection.Socket >= 0)
			{
				shutdown(Connection.Socket, SHUT_RDWR);
			}
		}
	}
	StopRequested.notify_all();
	// Ends the blocked accept().
	shutdown(ListenSocket, SHUT_RDWR);
	AcceptThread.join();
	for (FConnection& Connection : Connections)
	{
		Connection.Thread.join();
	}
	close(ListenSocket);
}

std::string FFaultyHttpServer::Url(const std::string& Path) const
{
	return "http://127.0.0.1:" + std::to_string(Port) + Path;
}

int FFaultyHttpServer::GetRequestCount(const std::string& Path) const
{
	const std::lock_guard<std::mutex> Lock(Mutex);
	const std::map<std::string, int>::const_iterator Found = RequestCounts.find(Path);
	return Found == RequestCounts.end() ? 0 : Found->second;
}

std::string FFaultyHttpServer::LargeBody(size_t Length)
{
	std::string Body;
	Body.reserve(Length + LargeBodyLineBytes);
	char Line[32];
	for (size_t Offset = 0; Offset < Length; Offset += LargeBodyLineBytes)
	{
		std::snprintf(Line, sizeof(Line), "%015zx\n", Offset);
		Body.append(Line, LargeBodyLineBytes);
	}
	Body.resize(Length);
	return Body;
}

void FFaultyHttpServer::AcceptConnections()
{
	for (;;)
	{
		const int Socket = accept4(ListenSocket, nullptr, nullptr, SOCK_CLOEXEC);
		if (Socket < 0 && (errno == EINTR || errno == ECONNABORTED))
		{
			continue;
		}
		if (Socket < 0)
		{
			return;
		}
		std::list<FConnection> Finished;
		{
			const std::lock_guard<std::mutex> Lock(Mutex);
			if (bStopping)
			{
				close(Socket);
				return;
			}
			for (std::list<FConnection>::iterator It = Connections.begin(); It != Connections.end();)
			{
				const std::list<FConnection>::iterator Next = std::next(It);
				if (It->bFinished)
				{
					Finished.splice(Finished.end(), Connections, It);
				}
				It = Next;
			}
			FConnection& Connection = Connections.emplace_back();
			Connection.Socket = Socket;
			Connection.Thread = std::thread([this, &Connection]() { Serve(Connection); });
		}
		for (FConnection& Done : Finished)
		{
			Done.Thread.join();
		}
	}
}

void FFaultyHttpServer::Serve(FConnection& Connection)
{
	// Only this thread closes the socket, so it may use the number without the lock until then.
	const int Socket = Connection.Socket;
	const std::string Path = ReadRequestPath(Socket);
	EEnding Ending = EEnding::Close;
	if (!Path.empty())
	{
		{
			const std::lock_guard<std::mutex> Lock(Mutex);
			++RequestCounts[Path];
		}
		Ending = Reply(Socket, Path);
	}
	EndConnection(Connection, Ending);
}

FFaultyHttpServer::EEnding FFaultyHttpServer::Reply(int Socket, const std::string& Path)
{
	size_t Number = 0;
	if (Path == "/reset")
	{
		SendAll(Socket, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 1000\r\n\r\n0123456789");
		return EEnding::Reset;
	}
	if (Path == "/chunked-truncated")
	{
		SendAll(Socket, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nTransfer-Encoding: chunked\r\n\r\na\r\n0123456789\r\n5\r\nabcde\r\n");
	}
	else if (Path == "/silent")
	{
		WaitForClientToLeave(Socket);
	}
	else if (Path == "/trickle")
	{
		Trickle(Socket);
	}
	else if (ParseNumberAfter(Path, "/large/", Number))
	{
		SendAll(Socket, Answer("200 OK", LargeBody(Number)));
	}
	else if (ParseNumberAfter(Path, "/redirect/", Number))
	{
		SendAll(Socket, Number == 0 ? Answer("200 OK", "redirected") : Redirect("/redirect/" + std::to_string(Number - 1)));
	}
	else if (Path == "/redirect-loop")
	{
		SendAll(Socket, Redirect("/redirect-loop"));
	}
	else
	{
		SendAll(Socket, Answer("404 Not Found", "not found"));
	}
	return EEnding::Close;
}

void FFaultyHttpServer::WaitForClientToLeave(int Socket)
{
	// Whatever else the client sends is read and ignored; the destructor's shutdown ends the wait too.
	char Buffer[4096];
	ssize_t Read = 0;
	while ((Read = recv(Socket, Buffer, sizeof(Buffer), 0)) > 0 || (Read < 0 && errno == EINTR))
	{
	}
}

void FFaultyHttpServer::Trickle(int Socket)
{
	if (!SendAll(Socket, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(TrickleLength) + "\r\n\r\n"))
	{
		return;
	}
	for (int Sent = 0; Sent < TrickleLength && SendAll(Socket, "x"); ++Sent)
	{
		std::unique_lock<std::mutex> Lock(Mutex);
		if (StopRequested.wait_for(Lock, TrickleInterval, [this]() { return bStopping; }))
		{
			return;
		}
	}
}

void FFaultyHttpServer::EndConnection(FConnection& Connection, EEnding Ending)
{
	const std::lock_guard<std::mutex> Lock(Mutex);
	if (Ending == EEnding::Reset)
	{
		// Closing with a zero linger time sends RST instead of FIN.
		const linger Abort = {1, 0};
		setsockopt(Connection.Socket, SOL_SOCKET, SO_LINGER, &Abort, sizeof(Abort));
	}
	close(Connection.Socket);
	Connection.Socket = -1;
	Connection.bFinished = true;
}
