#include "CoreMinimal.h"
#include "Containers/Ticker.h"
#include "EngineLoopEnvironment.h"
#include "EngineLoopTickUntil.h"

#include <gtest/gtest.h>

namespace
{
	testing::Environment* const EngineLoop = testing::AddGlobalTestEnvironment(new FEngineLoopEnvironment());
}

class FEngineLoopTest : public testing::Test
{
};

TEST_F(FEngineLoopTest, FramesRunTheCoreTickerUntilThePredicateHoldsOrTheBoundIsReached)
{
	TArray<float> Frames;
	const FTSTicker::FDelegateHandle Handle = FTSTicker::GetCoreTicker().AddTicker(FTickerDelegate::CreateLambda([&Frames](float DeltaTime) {
		Frames.Add(DeltaTime);
		return true;
	}));

	EXPECT_TRUE(TickEngineLoopUntil([&Frames]() { return Frames.Num() >= 3; }, 60.0, 100));
	EXPECT_EQ(Frames.Num(), 3);
	EXPECT_FALSE(TickEngineLoopUntil([]() { return false; }, 60.0, 5));
	EXPECT_EQ(Frames.Num(), 8);
	for (const float DeltaTime : Frames)
	{
		EXPECT_GE(DeltaTime, 0.0f);
	}
	FTSTicker::RemoveTicker(Handle);
}
