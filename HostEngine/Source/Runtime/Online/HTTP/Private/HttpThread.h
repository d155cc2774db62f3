#pragma once

#include "CoreMinimal.h"

#include <curl/curl.h>
#include <mutex>
#include <thread>
#include <unordered_map>

class FCurlHttpRequest;

/**
 * The HTTP thread: runs every request over one libcurl multi handle, as the engine's curl backend
 * does. The game thread hands requests in and takes completed ones out; nothing else is shared.
 */
class FHttpThread
{
public:
	FHttpThread();
	/** Stops the thread; requests still running are dropped, unfinished. */
	~FHttpThread();

	void AddRequest(const TSharedRef<FCurlHttpRequest>& Request);
	void CancelRequest(const TSharedRef<FCurlHttpRequest>& Request);

	/** Moves out the requests that have completed since the last call, in completion order. */
	void GetCompletedRequests(TArray<TSharedRef<FCurlHttpRequest>>& OutCompleted);

private:
	/** Handed from the game thread, run in order: a request to add, or the handle of one to cancel. */
	struct FCommand
	{
		TSharedPtr<FCurlHttpRequest> RequestToAdd;
		CURL* HandleToCancel = nullptr;
	};

	void Run();
	void RunCommands(const TArray<FCommand>& Commands);
	void CollectFinishedTransfers();
	void Complete(CURL* EasyHandle, CURLcode Result);
	void PushCommand(FCommand&& Command);

	CURLM* MultiHandle = nullptr;

	std::mutex Mutex;
	TArray<FCommand> PendingCommands;
	TArray<TSharedRef<FCurlHttpRequest>> CompletedRequests;
	bool bStopping = false;

	/** Touched by the HTTP thread only. */
	std::unordered_map<CURL*, TSharedRef<FCurlHttpRequest>> RunningRequests;
	TArray<TSharedRef<FCurlHttpRequest>> NewlyCompleted;

	std::thread Thread;
};
