#include "HttpManager.h"
#include "Curl/CurlHttp.h"
#include "HttpThread.h"

FHttpManager::FHttpManager()
	: Thread(new FHttpThread())
{
	TickerHandle = FTSTicker::GetCoreTicker().AddTicker(FTickerDelegate::CreateRaw(this, &FHttpManager::Tick));
}

FHttpManager::~FHttpManager()
{
	FTSTicker::RemoveTicker(TickerHandle);
	// Requests still in flight are dropped without completing, as at engine shutdown.
	delete Thread;
}

void FHttpManager::AddThreadedRequest(const TSharedRef<FCurlHttpRequest>& Request)
{
	Thread->AddRequest(Request);
}

void FHttpManager::CancelThreadedRequest(const TSharedRef<FCurlHttpRequest>& Request)
{
	Thread->CancelRequest(Request);
}

bool FHttpManager::Tick(float DeltaSeconds)
{
	check(IsInGameThread());
	TArray<TSharedRef<FCurlHttpRequest>> Completed;
	Thread->GetCompletedRequests(Completed);
	for (const TSharedRef<FCurlHttpRequest>& Request : Completed)
	{
		Request->FinishRequest();
	}
	return true;
}
