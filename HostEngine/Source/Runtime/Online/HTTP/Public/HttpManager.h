#pragma once

#include "CoreMinimal.h"
#include "Containers/Ticker.h"

class FCurlHttpRequest;
class FHttpThread;

/**
 * Hands requests to the HTTP thread, which keeps them alive while they run. Its tick, which the
 * core ticker calls every frame, finishes the requests that thread has completed, so completion
 * delegates always run on the game thread.
 */
class FHttpManager
{
public:
	FHttpManager();
	virtual ~FHttpManager();

	/** Starts a request on the HTTP thread. */
	void AddThreadedRequest(const TSharedRef<FCurlHttpRequest>& Request);

	/** Stops a request on the HTTP thread; it is finished by a following tick. */
	void CancelThreadedRequest(const TSharedRef<FCurlHttpRequest>& Request);

	/** Finishes the requests the HTTP thread has completed, calling their delegates. */
	HTTP_API virtual bool Tick(float DeltaSeconds);

private:
	FHttpThread* Thread = nullptr;
	FTSTicker::FDelegateHandle TickerHandle;
};
