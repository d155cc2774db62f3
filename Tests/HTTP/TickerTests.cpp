#include "CoreMinimal.h"
#include "Containers/Ticker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

class FTickerTest : public testing::Test
{
protected:
	/** A ticker that counts its calls and keeps going while the count is below Limit. */
	FTSTicker::FDelegateHandle AddCounter(int32& Count, float Delay, int32 Limit = MAX_int32)
	{
		return Ticker.AddTicker(FTickerDelegate::CreateLambda([&Count, Limit](float) { return ++Count < Limit; }), Delay);
	}

	FTSTicker Ticker;
};

TEST_F(FTickerTest, TickersFireAfterTheirDelayUntilTheyReturnFalseOrAreRemoved)
{
	int32 EveryFrame = 0;
	int32 EverySecond = 0;
	int32 Once = 0;
	int32 RemovedByAnother = 0;
	AddCounter(EveryFrame, 0.0f);
	AddCounter(EverySecond, 1.0f);
	const FTSTicker::FDelegateHandle OnceHandle = AddCounter(Once, 0.0f, 1);
	FTSTicker::FDelegateHandle Victim;
	// Fires before the victim in the first tick and removes it, and itself, before the victim runs.
	FTSTicker::FDelegateHandle Remover;
	Remover = Ticker.AddTicker(FTickerDelegate::CreateLambda([&Victim, &Remover](float) {
		FTSTicker::RemoveTicker(Victim);
		FTSTicker::RemoveTicker(Remover);
		return true;
	}));
	Victim = AddCounter(RemovedByAnother, 0.0f);

	const int32 ExpectedEveryFrame[] = {1, 2, 3, 4, 5, 6};
	const int32 ExpectedEverySecond[] = {0, 0, 1, 1, 1, 2};
	for (int32 Tick = 0; Tick < 6; ++Tick)
	{
		SCOPED_TRACE(testing::Message() << "tick " << Tick);
		Ticker.Tick(0.4f);
		EXPECT_EQ(EveryFrame, ExpectedEveryFrame[Tick]);
		EXPECT_EQ(EverySecond, ExpectedEverySecond[Tick]);
	}
	EXPECT_EQ(Once, 1);
	EXPECT_EQ(RemovedByAnother, 0);
	// Ended tickers are released by the ticking thread.
	EXPECT_FALSE(OnceHandle.IsValid());
	EXPECT_FALSE(Victim.IsValid());
	EXPECT_FALSE(Remover.IsValid());
}

TEST_F(FTickerTest, TickersOfDeadObjectsAreDropped)
{
	struct FOwner
	{
		bool Tick(float) { return ++Calls > 0; }
		int32 Calls = 0;
	};
	TSharedPtr<FOwner> Owner = MakeShared<FOwner>();
	const FTSTicker::FDelegateHandle Handle = Ticker.AddTicker(FTickerDelegate::CreateSP(Owner.ToSharedRef(), &FOwner::Tick));
	Ticker.Tick(0.1f);
	EXPECT_EQ(Owner->Calls, 1);
	Owner.Reset();
	Ticker.Tick(0.1f);
	EXPECT_FALSE(Handle.IsValid());
}

TEST_F(FTickerTest, TickersAddedFromOtherThreadsOrDuringATickFireOnTheNextTick)
{
	constexpr int32 NumThreads = 4;
	constexpr int32 TickersPerThread = 250;
	std::atomic<int32> Fired = 0;
	std::vector<std::thread> Threads;
	for (int32 ThreadIndex = 0; ThreadIndex < NumThreads; ++ThreadIndex)
	{
		Threads.emplace_back([this, &Fired]() {
			for (int32 Index = 0; Index < TickersPerThread; ++Index)
			{
				Ticker.AddTicker(FTickerDelegate::CreateLambda([&Fired](float) {
					++Fired;
					return false;
				}));
			}
		});
	}
	for (std::thread& Thread : Threads)
	{
		Thread.join();
	}
	int32 AddedDuringTick = 0;
	Ticker.AddTicker(FTickerDelegate::CreateLambda([this, &AddedDuringTick](float) {
		AddCounter(AddedDuringTick, 0.0f, 1);
		return false;
	}));

	Ticker.Tick(0.1f);
	EXPECT_EQ(Fired.load(), NumThreads * TickersPerThread);
	EXPECT_EQ(AddedDuringTick, 0);
	Ticker.Tick(0.1f);
	EXPECT_EQ(Fired.load(), NumThreads * TickersPerThread);
	EXPECT_EQ(AddedDuringTick, 1);
}
