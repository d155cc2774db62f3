#pragma once

#include "CoreMinimal.h"

#include <memory>
#include <mutex>
#include <thread>

class FHttpConnection;
class FHttpRouter;

namespace httplib
{
	class Server;
	struct Request;
	struct Response;
}

DECLARE_LOG_CATEGORY_EXTERN(LogHttpListener, Log, All);

/**
 * Listens on one port of 127.0.0.1 and routes what arrives through its router. The host's listener
 * runs a cpp-httplib server whose worker threads read requests and write responses; the routing in
 * between happens in Tick, on the game thread.
 */
class FHttpListener final
{
public:
	explicit FHttpListener(uint32 InListenPort);
	~FHttpListener();

	FHttpListener(const FHttpListener&) = delete;
	FHttpListener& operator=(const FHttpListener&) = delete;

	/** Binds the port and starts accepting. @return false, with the reason logged, when it cannot */
	bool StartListening();

	/** Closes the port; requests not yet answered get no answer. */
	void StopListening();

	/** Game thread: routes the requests that have arrived since the last tick. */
	void Tick(float DeltaTime);

	bool IsListening() const { return bIsListening; }

	/** @return whether a request has arrived that is not answered yet */
	bool HasPendingConnections() const;

	TSharedPtr<FHttpRouter> GetRouter() const { return Router; }

private:
	/** A worker thread of the server library: hands the request to the game thread and writes the answer. */
	void HandleRequest(const httplib::Request& LibraryRequest, httplib::Response& LibraryResponse);

	uint32 ListenPort = 0;
	TSharedPtr<FHttpRouter> Router;
	bool bIsListening = false;

	std::unique_ptr<httplib::Server> Server;
	std::thread ServerThread;

	mutable std::mutex ConnectionsMutex;
	/** Whether workers may hand requests over; false once listening stops. */
	bool bAcceptingConnections = false;
	/** Arrived and waiting for the next tick. */
	TArray<TSharedRef<FHttpConnection>> ArrivedConnections;
	/** Every connection whose worker is waiting for an answer. */
	TArray<TSharedRef<FHttpConnection>> OpenConnections;
};
