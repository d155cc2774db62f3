#pragma once

#include "HAL/Platform.h"
#include "Containers/Array.h"
#include "Delegates/Delegate.h"
#include "Templates/SharedPointer.h"

#include <mutex>

/** Fired by a ticker with the frame's delta time; returning false removes it. */
DECLARE_DELEGATE_RetVal_OneParam(bool, FTickerDelegate, float);

/**
 * Thread-safe ticker: fires delegates after a delay, from whichever thread calls Tick (the game
 * thread, for the core ticker). Tickers may be added and removed from any thread.
 */
class FTSTicker
{
public:
	struct FElement;
	using FElementPtr = TSharedPtr<FElement>;
	using FDelegateHandle = TWeakPtr<FElement>;

	/** The ticker that the engine loop ticks once a frame. */
	CORE_API static FTSTicker& GetCoreTicker();

	/**
	 * Adds a ticker; it fires first on the tick after InDelay seconds have passed (0: the next tick),
	 * and then every InDelay seconds for as long as it returns true.
	 */
	CORE_API FDelegateHandle AddTicker(const FTickerDelegate& InDelegate, float InDelay = 0.0f);

	/**
	 * Removes a ticker. When its delegate is running on another thread, waits until it returns, so
	 * the delegate never runs after this call. It may be called from inside the delegate itself.
	 */
	CORE_API static void RemoveTicker(FDelegateHandle Handle);

	/** Advances the ticker's clock and fires every ticker that is due. */
	CORE_API void Tick(float DeltaTime);

private:
	std::mutex AddedElementsMutex;
	TArray<FElementPtr> AddedElements;
	/** Touched by the ticking thread only. */
	TArray<FElementPtr> Elements;
	double CurrentTime = 0.0;
};

/** An object that the ticker it registers with ticks from construction until destruction. */
class FTSTickerObjectBase
{
public:
	/** @param InDelay - seconds between ticks; 0 ticks every frame */
	CORE_API FTSTickerObjectBase(float InDelay = 0.0f, FTSTicker& InTicker = FTSTicker::GetCoreTicker());
	CORE_API virtual ~FTSTickerObjectBase();

	FTSTickerObjectBase(const FTSTickerObjectBase&) = delete;
	FTSTickerObjectBase& operator=(const FTSTickerObjectBase&) = delete;

	/** @return whether to keep ticking */
	virtual bool Tick(float DeltaTime) = 0;

private:
	FTSTicker::FDelegateHandle TickHandle;
};
