#pragma once

#include "CoreMinimal.h"
#include "LaunchEngineLoop.h"

#include <gtest/gtest.h>

/**
 * Starts the engine loop before the first test and shuts it down after the last, as a game's
 * launch code does; a test executable adds it once with testing::AddGlobalTestEnvironment.
 */
class FEngineLoopEnvironment : public testing::Environment
{
public:
	virtual void SetUp() override
	{
		ASSERT_EQ(GEngineLoop.PreInit(TEXT("")), 0);
		ASSERT_EQ(GEngineLoop.Init(), 0);
	}

	virtual void TearDown() override { GEngineLoop.Exit(); }
};
