#pragma once

#include "CoreMinimal.h"
#include "HttpServerRequest.h"
#include "HttpServerResponse.h"

#include <condition_variable>
#include <mutex>

class FHttpRouter;

DECLARE_LOG_CATEGORY_EXTERN(LogHttpConnection, Log, All);

/**
 * Host engine only, with no engine twin: the one request of an accepted connection (the host's
 * listeners keep no connection open for a second request). The server library's worker thread reads
 * the request and waits here; the listener's tick routes it on the game thread, as the engine's
 * connections are ticked there; the route's result callback hands the response back to the worker,
 * which writes it.
 */
class FHttpConnection : public TSharedFromThis<FHttpConnection>
{
public:
	/** A request to route. */
	explicit FHttpConnection(TSharedPtr<FHttpServerRequest> InRequest);

	/**
	 * A request answered without routing, as the engine answers one it refuses to read.
	 * @param InReadErrorText - the reason, logged as an error when the connection is processed
	 */
	FHttpConnection(TUniquePtr<FHttpServerResponse>&& InReadError, const FString& InReadErrorText);

	/** Game thread: runs the routes that match, or answers the read error; the answer may come later. */
	void Process(const FHttpRouter& Router);

	/** Game thread: the connection will get no answer; its worker stops waiting. */
	void Abandon();

	/** Worker thread: waits for the answer. @return the response, or null when abandoned */
	TUniquePtr<FHttpServerResponse> WaitForResponse();

private:
	enum class EState : uint8
	{
		AwaitingProcessing,
		Answered,
		Abandoned,
	};

	void Complete(TUniquePtr<FHttpServerResponse>&& InResponse);
	bool IsAwaitingProcessing() const;

	TSharedPtr<FHttpServerRequest> Request;
	TUniquePtr<FHttpServerResponse> ReadError;
	FString ReadErrorText;

	mutable std::mutex Mutex;
	std::condition_variable StateChanged;
	EState State = EState::AwaitingProcessing;
	TUniquePtr<FHttpServerResponse> Response;
};
