#pragma once

#include "CoreMinimal.h"
#include "EngineLoopTickUntil.h"
#include "HostTestPrinting.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "ZOVAHttpRequest.h"
#include "ZOVAHttpTestListener.h"

#include <gtest/gtest.h>

#include <string>

/** Drives the request factories as the async node does, against servers on 127.0.0.1. */
class FZOVAHttpTestBase : public testing::Test
{
protected:
	static constexpr double MaxWaitSeconds = 60.0;
	static constexpr int32 MaxWaitFrames = 1000000;

	virtual void TearDown() override
	{
		for (UZOVAHttpTestListener* Listener : Listeners)
		{
			Listener->RemoveFromRoot();
		}
	}

	static FString ToFString(const std::string& Utf8)
	{
		const FUTF8ToTCHAR Converted(Utf8.c_str(), (int32)Utf8.size());
		return FString::ConstructFromPtrSize(Converted.Get(), Converted.Length());
	}

	/** Binds a new listener to the action the factory returned, as the node binds its pins. */
	UZOVAHttpTestListener* Listen(UZOVAHttpRequest* Action)
	{
		UZOVAHttpTestListener* const Listener = NewObject<UZOVAHttpTestListener>();
		Listener->AddToRoot();
		Listeners.Add(Listener);
		Listener->Listen(Action);
		return Listener;
	}

	/** Binds a new listener to the action, then activates it. */
	UZOVAHttpTestListener* Activate(UZOVAHttpRequest* Action)
	{
		UZOVAHttpTestListener* const Listener = Listen(Action);
		Action->Activate();
		return Listener;
	}

	/** Ticks until the listener has a report, then a few frames more to catch a second one. */
	static void WaitForReport(const UZOVAHttpTestListener* Listener)
	{
		ASSERT_TRUE(TickEngineLoopUntil([Listener]() { return Listener->Reports.Num() > 0; }, MaxWaitSeconds, MaxWaitFrames));
		for (int32 Frame = 0; Frame < 3; ++Frame)
		{
			GEngineLoop.Tick();
		}
	}

	static void ExpectOneReport(const UZOVAHttpTestListener* Listener, bool bSuccess, int32 Code, const FString& Data)
	{
		ASSERT_EQ(Listener->Reports.Num(), 1);
		const FZOVAHttpReport& Report = Listener->Reports[0];
		EXPECT_EQ(Report.bSuccess, bSuccess);
		EXPECT_EQ(Report.Code, Code);
		EXPECT_TRUE(Report.Data.Equals(Data, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Report.Data);
		EXPECT_TRUE(Report.bOnGameThread);
	}

	TArray<UZOVAHttpTestListener*> Listeners;
};
