#include "HttpConnection.h"
#include "HttpRequestHandlerIterator.h"
#include "HttpRouter.h"
#include "HttpServerConstantsPrivate.h"

DEFINE_LOG_CATEGORY(LogHttpConnection);

FHttpConnection::FHttpConnection(TSharedPtr<FHttpServerRequest> InRequest)
	: Request(MoveTemp(InRequest))
{
}

FHttpConnection::FHttpConnection(TUniquePtr<FHttpServerResponse>&& InReadError, const FString& InReadErrorText)
	: ReadError(MoveTemp(InReadError))
	, ReadErrorText(InReadErrorText)
{
}

void FHttpConnection::Process(const FHttpRouter& Router)
{
	check(IsInGameThread());
	if (ReadError)
	{
		UE_LOG(LogHttpConnection, Error, TEXT("%s"), *ReadErrorText);
		Complete(MoveTemp(ReadError));
		return;
	}

	// The callback may outlive the connection, in a handler that answers on a later frame.
	const TWeakPtr<FHttpConnection> WeakThis = AsShared();
	const FHttpResultCallback OnProcessingComplete = [WeakThis](TUniquePtr<FHttpServerResponse>&& InResponse) {
		if (const TSharedPtr<FHttpConnection> This = WeakThis.Pin())
		{
			This->Complete(MoveTemp(InResponse));
		}
	};

	bool bRequestHandled = false;
	FHttpRequestHandlerIterator Iterator(Request, Router);
	while (const FHttpRouteHandle Route = Iterator.Next())
	{
		if (!Route->Handler.IsBound())
		{
			continue;
		}
		bRequestHandled = Route->Handler.Execute(*Request, OnProcessingComplete);
		if (bRequestHandled)
		{
			break;
		}
		// A handler that declines must not have answered.
		check(IsAwaitingProcessing());
	}
	if (!bRequestHandled)
	{
		OnProcessingComplete(FHttpServerResponse::Error(EHttpServerResponseCodes::NotFound, UE_HTTP_SERVER_ERROR_STR_ROUTE_HANDLER_NOT_FOUND));
	}
}

void FHttpConnection::Abandon()
{
	{
		const std::lock_guard<std::mutex> Lock(Mutex);
		if (State != EState::AwaitingProcessing)
		{
			return;
		}
		State = EState::Abandoned;
	}
	StateChanged.notify_all();
}

TUniquePtr<FHttpServerResponse> FHttpConnection::WaitForResponse()
{
	std::unique_lock<std::mutex> Lock(Mutex);
	StateChanged.wait(Lock, [this]() { return State != EState::AwaitingProcessing; });
	return MoveTemp(Response);
}

void FHttpConnection::Complete(TUniquePtr<FHttpServerResponse>&& InResponse)
{
	{
		const std::lock_guard<std::mutex> Lock(Mutex);
		if (State == EState::Abandoned)
		{
			return;
		}
		// One answer per request: the engine asserts on a second call of the result callback.
		check(State == EState::AwaitingProcessing);
		check(InResponse.IsValid());
		Response = MoveTemp(InResponse);
		State = EState::Answered;
	}
	StateChanged.notify_all();
}

bool FHttpConnection::IsAwaitingProcessing() const
{
	const std::lock_guard<std::mutex> Lock(Mutex);
	return State == EState::AwaitingProcessing;
}
