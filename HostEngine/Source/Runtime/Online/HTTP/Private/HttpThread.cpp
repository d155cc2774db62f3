#include "HttpThread.h"
#include "Curl/CurlHttp.h"

namespace HttpThreadSettings
{
	/** Connections kept open to one server at once; further requests to it wait their turn. */
	constexpr long MaxHostConnections = 16;
	/** How long the thread sleeps when no transfer has work and nothing is handed in. */
	constexpr int IdleWaitMilliseconds = 100;
}

FHttpThread::FHttpThread()
{
	MultiHandle = curl_multi_init();
	check(MultiHandle != nullptr);
	curl_multi_setopt(MultiHandle, CURLMOPT_MAX_HOST_CONNECTIONS, HttpThreadSettings::MaxHostConnections);
	Thread = std::thread([this]() { Run(); });
}

FHttpThread::~FHttpThread()
{
	{
		std::lock_guard<std::mutex> Lock(Mutex);
		bStopping = true;
	}
	curl_multi_wakeup(MultiHandle);
	Thread.join();
	for (const std::pair<CURL* const, TSharedRef<FCurlHttpRequest>>& Running : RunningRequests)
	{
		curl_multi_remove_handle(MultiHandle, Running.first);
	}
	RunningRequests.clear();
	curl_multi_cleanup(MultiHandle);
}

void FHttpThread::AddRequest(const TSharedRef<FCurlHttpRequest>& Request)
{
	FCommand Command;
	Command.RequestToAdd = Request;
	PushCommand(MoveTemp(Command));
}

void FHttpThread::CancelRequest(const TSharedRef<FCurlHttpRequest>& Request)
{
	// By handle, so the command holds no reference that could end up released on this thread. Commands
	// run in order, so a handle reused by a later request is only added after this cancel has run.
	FCommand Command;
	Command.HandleToCancel = Request->GetEasyHandle();
	PushCommand(MoveTemp(Command));
}

void FHttpThread::GetCompletedRequests(TArray<TSharedRef<FCurlHttpRequest>>& OutCompleted)
{
	std::lock_guard<std::mutex> Lock(Mutex);
	OutCompleted.Append(MoveTemp(CompletedRequests));
	CompletedRequests.Reset();
}

void FHttpThread::PushCommand(FCommand&& Command)
{
	{
		std::lock_guard<std::mutex> Lock(Mutex);
		PendingCommands.Add(MoveTemp(Command));
	}
	curl_multi_wakeup(MultiHandle);
}

void FHttpThread::Run()
{
	TArray<FCommand> Commands;
	for (;;)
	{
		{
			std::lock_guard<std::mutex> Lock(Mutex);
			if (bStopping)
			{
				return;
			}
			Swap(Commands, PendingCommands);
		}
		RunCommands(Commands);
		Commands.Reset();

		int RunningTransfers = 0;
		curl_multi_perform(MultiHandle, &RunningTransfers);
		CollectFinishedTransfers();
		curl_multi_poll(MultiHandle, nullptr, 0, HttpThreadSettings::IdleWaitMilliseconds, nullptr);
	}
}

void FHttpThread::RunCommands(const TArray<FCommand>& Commands)
{
	for (const FCommand& Command : Commands)
	{
		if (Command.RequestToAdd.IsValid())
		{
			CURL* const EasyHandle = Command.RequestToAdd->GetEasyHandle();
			RunningRequests.emplace(EasyHandle, Command.RequestToAdd.ToSharedRef());
			if (Command.RequestToAdd->IsHostReservedInvalid())
			{
				Complete(EasyHandle, CURLE_COULDNT_RESOLVE_HOST);
				continue;
			}
			curl_multi_add_handle(MultiHandle, EasyHandle);
		}
		else if (RunningRequests.count(Command.HandleToCancel) > 0)
		{
			curl_multi_remove_handle(MultiHandle, Command.HandleToCancel);
			Complete(Command.HandleToCancel, CURLE_ABORTED_BY_CALLBACK);
		}
	}
}

void FHttpThread::CollectFinishedTransfers()
{
	int MessagesLeft = 0;
	while (CURLMsg* const Message = curl_multi_info_read(MultiHandle, &MessagesLeft))
	{
		if (Message->msg == CURLMSG_DONE)
		{
			CURL* const EasyHandle = Message->easy_handle;
			const CURLcode Result = Message->data.result;
			curl_multi_remove_handle(MultiHandle, EasyHandle);
			Complete(EasyHandle, Result);
		}
	}
	if (NewlyCompleted.Num() > 0)
	{
		std::lock_guard<std::mutex> Lock(Mutex);
		CompletedRequests.Append(MoveTemp(NewlyCompleted));
		NewlyCompleted.Reset();
	}
}

void FHttpThread::Complete(CURL* EasyHandle, CURLcode Result)
{
	const auto Found = RunningRequests.find(EasyHandle);
	check(Found != RunningRequests.end());
	Found->second->SetCompletionResult(Result);
	NewlyCompleted.Add(Found->second);
	RunningRequests.erase(Found);
}
