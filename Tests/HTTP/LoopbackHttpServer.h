#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib
{
	class Server;
}

/** What the server saw of one request. */
struct FRecordedRequest
{
	std::string Method;
	std::string Path;
	bool bHasContentType = false;
	std::string ContentType;
	bool bHasContentLength = false;
	std::string Body;
};

/**
 * A real HTTP server (cpp-httplib) on 127.0.0.1 with an ephemeral port, for the life of a test:
 *   /status/<code>  answers <code> with the body "status <code>"
 *   /echo           answers 200 with the request body
 *   /text           answers 200 with UTF-8 text (FLoopbackHttpServer::Text)
 *   /bytes/<hex>    answers 200 with exactly the bytes spelt in hex (any byte, zero included)
 *   /redirect       answers 302 towards /text
 *   /redirect-to    answers 302 towards its query parameter "to" (see RedirectUrl)
 *   /slow/<ms>      answers 200 "slow" after that many milliseconds
 *   /hold           answers 200 "held" once released, or when the server stops
 *   /truncated      promises 1000 bytes, sends 10 and closes the connection
 * Every request is recorded. With a certificate and key it speaks HTTPS instead.
 */
class FLoopbackHttpServer
{
public:
	static const char* const Text;

	FLoopbackHttpServer();
	FLoopbackHttpServer(const std::string& CertificateFile, const std::string& KeyFile);
	~FLoopbackHttpServer();

	int GetPort() const { return Port; }
	/** "http://127.0.0.1:<port><Path>" (https with a certificate). */
	std::string Url(const std::string& Path) const;
	/** The URL of a request that this server answers with a redirect to Location. */
	std::string RedirectUrl(const std::string& Location) const;
	/** The /bytes/ URL that answers exactly Bytes. */
	std::string BytesUrl(const std::string& Bytes) const;
	std::vector<FRecordedRequest> GetRecordedRequests() const;
	/** Lets every /hold request, present and future, answer. */
	void ReleaseHeldRequests();

private:
	void Start();
	void AddRoutes();
	void Record(const FRecordedRequest& Request);

	std::unique_ptr<httplib::Server> Server;
	std::thread ListenThread;
	int Port = 0;
	bool bSecure = false;

	mutable std::mutex Mutex;
	std::vector<FRecordedRequest> Recorded;
	std::condition_variable HoldReleased;
	bool bHoldReleased = false;
};

/** Accepts connections on 127.0.0.1, reads the request head and hangs up without answering. */
class FDroppingServer
{
public:
	FDroppingServer();
	~FDroppingServer();

	std::string Url() const { return "http://127.0.0.1:" + std::to_string(Port) + "/"; }

private:
	int ListenSocket = -1;
	int Port = 0;
	std::thread AcceptThread;
};

/** A port on 127.0.0.1 that accepts connections and closes them unanswered, counting them. */
class FLoopbackListener
{
public:
	FLoopbackListener();
	~FLoopbackListener();

	FLoopbackListener(const FLoopbackListener&) = delete;
	FLoopbackListener& operator=(const FLoopbackListener&) = delete;

	int GetPort() const { return Port; }
	/** "<Scheme>://127.0.0.1:<port>/". */
	std::string Url(const std::string& Scheme) const;
	/** Accepts and closes the connections that have arrived; @return how many have arrived in all. */
	int CountConnections();

private:
	int ListenSocket = -1;
	int Port = 0;
	int Connections = 0;
};

/** A port on 127.0.0.1 that nothing listens on. */
int FindClosedLoopbackPort();
