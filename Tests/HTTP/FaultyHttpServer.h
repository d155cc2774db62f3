#pragma once

#include <condition_variable>
#include <list>
#include <map>
#include <mutex>
#include <string>
#include <thread>

/**
 * An HTTP server on raw sockets, 127.0.0.1 with an ephemeral port, for the faults a server library
 * will not produce. Each connection carries one request, and its path picks the reply:
 *   /reset              promises 1000 bytes, sends 10 and resets the connection (RST)
 *   /chunked-truncated  sends chunks, then closes before the terminating zero-size chunk
 *   /silent             reads the request and never answers, until the client leaves or the server stops
 *   /trickle            promises 1000000 bytes and sends one every 100 ms
 *   /large/<bytes>      answers 200 with LargeBody(<bytes>)
 *   /redirect/<n>       answers 302 towards /redirect/<n-1>; /redirect/0 answers 200 "redirected"
 *   /redirect-loop      answers 302 towards itself
 * Anything else answers 404. The destructor ends every connection and joins every thread.
 */
class FFaultyHttpServer
{
public:
	FFaultyHttpServer();
	~FFaultyHttpServer();

	FFaultyHttpServer(const FFaultyHttpServer&) = delete;
	FFaultyHttpServer& operator=(const FFaultyHttpServer&) = delete;

	/** "http://127.0.0.1:<port><Path>". */
	std::string Url(const std::string& Path) const;

	/** Requests for Path (without its query) that have arrived so far. */
	int GetRequestCount(const std::string& Path) const;

	/** The body of /large/<Length>: lines that each hold their own offset, so a lost or moved block shows. */
	static std::string LargeBody(size_t Length);

private:
	struct FConnection
	{
		/** -1 once closed; closed and shut down under the mutex only, so a reused number is never hit. */
		int Socket = -1;
		std::thread Thread;
		bool bFinished = false;
	};

	/** How a connection ends once its reply is out. */
	enum class EEnding
	{
		Close,
		Reset,
	};

	void AcceptConnections();
	void Serve(FConnection& Connection);
	EEnding Reply(int Socket, const std::string& Path);
	void WaitForClientToLeave(int Socket);
	void Trickle(int Socket);
	void EndConnection(FConnection& Connection, EEnding Ending);

	int ListenSocket = -1;
	int Port = 0;
	std::thread AcceptThread;

	mutable std::mutex Mutex;
	std::condition_variable StopRequested;
	bool bStopping = false;
	std::list<FConnection> Connections;
	std::map<std::string, int> RequestCounts;
};
