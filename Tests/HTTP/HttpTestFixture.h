#pragma once

#include "CoreMinimal.h"
#include "EngineLoopTickUntil.h"
#include "HostTestPrinting.h"
#include "HttpModule.h"
#include "Interfaces/IHttpRequest.h"
#include "Interfaces/IHttpResponse.h"

#include <gtest/gtest.h>

#include <string>

/** Every call of one request's completion delegate. */
struct FHttpCompletions
{
	int32 Calls = 0;
	bool bConnectedSuccessfully = false;
	bool bOnGameThread = false;
	FHttpRequestPtr Request;
	FHttpResponsePtr Response;
};

/** Sends requests through the HTTP module and ticks the engine loop until they complete. */
class FHttpTestBase : public testing::Test
{
protected:
	static constexpr double MaxWaitSeconds = 30.0;
	static constexpr int32 MaxWaitFrames = 1000000;

	static FString ToFString(const std::string& Utf8)
	{
		const FUTF8ToTCHAR Converted(Utf8.c_str(), (int32)Utf8.size());
		return FString::ConstructFromPtrSize(Converted.Get(), Converted.Length());
	}

	/** A request whose completions are counted into Completions (which must outlive it). */
	static FHttpRequestRef MakeRequest(const FString& Verb, const std::string& Url, FHttpCompletions& Completions)
	{
		const FHttpRequestRef Request = FHttpModule::Get().CreateRequest();
		Request->SetVerb(Verb);
		Request->SetURL(ToFString(Url));
		Request->OnProcessRequestComplete().BindLambda([&Completions](FHttpRequestPtr InRequest, FHttpResponsePtr InResponse, bool bConnectedSuccessfully) {
			++Completions.Calls;
			Completions.bConnectedSuccessfully = bConnectedSuccessfully;
			Completions.bOnGameThread = IsInGameThread();
			Completions.Request = InRequest;
			Completions.Response = InResponse;
		});
		return Request;
	}

	/** Ticks until the request has completed, then a few frames more to catch a second call. */
	static void WaitForCompletion(const FHttpCompletions& Completions)
	{
		ASSERT_TRUE(TickEngineLoopUntil([&Completions]() { return Completions.Calls > 0; }, MaxWaitSeconds, MaxWaitFrames));
		for (int32 Frame = 0; Frame < 3; ++Frame)
		{
			GEngineLoop.Tick();
		}
	}

	/** Sends a request that must start, and waits for it. */
	static void Send(FHttpCompletions& Completions, const FString& Verb, const std::string& Url, const FString* Body = nullptr)
	{
		const FHttpRequestRef Request = MakeRequest(Verb, Url, Completions);
		if (Body)
		{
			Request->SetContentAsString(*Body);
		}
		EXPECT_TRUE(Request->ProcessRequest());
		EXPECT_EQ(Completions.Calls, 0) << "completed inside ProcessRequest";
		WaitForCompletion(Completions);
	}
};
