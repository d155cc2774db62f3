#include "Containers/Ticker.h"

#include <atomic>

struct FTSTicker::FElement
{
	FElement(double InFireTime, float InDelayTime, const FTickerDelegate& InDelegate)
		: FireTime(InFireTime)
		, DelayTime(InDelayTime)
		, Delegate(InDelegate)
	{
	}

	double FireTime;
	float DelayTime;
	FTickerDelegate Delegate;
	/** Held while the delegate runs; recursive so that the delegate may remove itself. */
	std::recursive_mutex ExecutionMutex;
	std::atomic<bool> bRemoved = false;
};

FTSTicker& FTSTicker::GetCoreTicker()
{
	static FTSTicker Singleton;
	return Singleton;
}

FTSTicker::FDelegateHandle FTSTicker::AddTicker(const FTickerDelegate& InDelegate, float InDelay)
{
	std::lock_guard<std::mutex> Lock(AddedElementsMutex);
	// The clock belongs to the ticking thread; the fire time is fixed when the ticker is picked up.
	const FElementPtr Element = MakeShared<FElement>(0.0, InDelay, InDelegate);
	AddedElements.Add(Element);
	return Element;
}

void FTSTicker::RemoveTicker(FDelegateHandle Handle)
{
	if (const FElementPtr Element = Handle.Pin())
	{
		std::lock_guard<std::recursive_mutex> Lock(Element->ExecutionMutex);
		Element->bRemoved = true;
	}
}

void FTSTicker::Tick(float DeltaTime)
{
	CurrentTime += DeltaTime;
	{
		std::lock_guard<std::mutex> Lock(AddedElementsMutex);
		for (const FElementPtr& Added : AddedElements)
		{
			Added->FireTime = CurrentTime - DeltaTime + Added->DelayTime;
			Elements.Add(Added);
		}
		AddedElements.Empty();
	}

	// Delegates may add tickers (picked up next tick) but never touch this list.
	for (const FElementPtr& Element : Elements)
	{
		if (Element->bRemoved || Element->FireTime > CurrentTime)
		{
			continue;
		}
		std::lock_guard<std::recursive_mutex> Lock(Element->ExecutionMutex);
		if (Element->bRemoved)
		{
			continue;
		}
		// A delegate whose object has gone ends its ticker.
		if (Element->Delegate.IsBound() && Element->Delegate.Execute(DeltaTime))
		{
			Element->FireTime = CurrentTime + Element->DelayTime;
		}
		else
		{
			Element->bRemoved = true;
		}
	}
	Elements.RemoveAll([](const FElementPtr& Element) { return Element->bRemoved.load(); });
}

FTSTickerObjectBase::FTSTickerObjectBase(float InDelay, FTSTicker& InTicker)
{
	TickHandle = InTicker.AddTicker(FTickerDelegate::CreateRaw(this, &FTSTickerObjectBase::Tick), InDelay);
}

FTSTickerObjectBase::~FTSTickerObjectBase()
{
	// Waits for a Tick running on another thread, so none runs on a half-destroyed object.
	FTSTicker::RemoveTicker(TickHandle);
}
