// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Misc/AutomationTest.h"
#include "ZOVAHttpNodeRun.h"
#include "ZOVAHttpResultRecorder.h"
#include "ZOVAHttpTestBase.h"
#include "ZOVALoopbackHttpServer.h"
#include "ZOVAWaitUntilLatentCommand.h"

#if WITH_DEV_AUTOMATION_TESTS

namespace
{
	using FNodeRuns = TArray<TSharedRef<FZOVAHttpNodeRun>>;

	TArray<uint8> Bytes(const ANSICHAR* Text, int32 Size)
	{
		return TArray<uint8>(reinterpret_cast<const uint8*>(Text), Size);
	}

	/** An answer with the status and the text "status <status>". */
	TUniquePtr<FHttpServerResponse> StatusAnswer(int32 Status)
	{
		TUniquePtr<FHttpServerResponse> Response = FHttpServerResponse::Create(FString::Printf(TEXT("status %d"), Status), TEXT("text/plain"));
		Response->Code = EHttpServerResponseCodes(Status);
		return Response;
	}
}

IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpStatusTest, FZOVAHttpTestBase, "ZOVA.Http.Result.StatusCodes", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpNoAnswerTest, FZOVAHttpTestBase, "ZOVA.Http.Result.NoAnswer", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpRequestShapeTest, FZOVAHttpTestBase, "ZOVA.Http.Request.VerbContentTypeAndBody", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpResponseZerosTest, FZOVAHttpTestBase, "ZOVA.Http.Body.ResponseWithZeros", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpRequestZerosTest, FZOVAHttpTestBase, "ZOVA.Http.Body.RequestWithZeros", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FZOVAHttpStatusTest::RunTest(const FString& Parameters)
{
	const TSharedPtr<FZOVALoopbackHttpServer> Server = StartServer();
	UTEST_VALID(TEXT("The loopback server"), Server);
	// Every answer reaches On Success, whatever its status.
	const TPair<FName, int32> Cases[] = {
		{TEXT("HttpGetRequest"), 200},
		{TEXT("HttpGetRequest"), 404},
		{TEXT("HttpGetRequest"), 500},
		{TEXT("HttpPostRequest"), 404},
		{TEXT("HttpPostFormRequest"), 500},
	};
	for (const int32 Status : {200, 404, 500})
	{
		UTEST_TRUE(TEXT("A status route"), Server->Route(FString::Printf(TEXT("/zova-tests/status/%d"), Status), [Status](const FHttpServerRequest&)
			{
				return StatusAnswer(Status);
			}));
	}
	FNodeRuns Runs;
	for (const TPair<FName, int32>& Case : Cases)
	{
		Runs.Add(FZOVAHttpNodeRun::Start(*this, Case.Key, Server->Url(FString::Printf(TEXT("/zova-tests/status/%d"), Case.Value)), TEXT("{}")));
	}
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("A result from every node"), [Runs]()
		{
			return FZOVAHttpNodeRun::HaveAllReported(Runs);
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Runs, Cases]()
		{
			for (int32 Index = 0; Index < Runs.Num(); ++Index)
			{
				Runs[Index]->TestOneResult(*this, true, Cases[Index].Value, FString::Printf(TEXT("status %d"), Cases[Index].Value));
			}
			return true;
		}));
	return true;
}

bool FZOVAHttpNoAnswerTest::RunTest(const FString& Parameters)
{
	// A name under .invalid is never resolved, so no request leaves the machine.
	const FString Url = TEXT("http://zova-http-request-test.invalid/status/200");
	FNodeRuns Runs;
	for (const TCHAR* const Factory : {TEXT("HttpGetRequest"), TEXT("HttpPostRequest"), TEXT("HttpPostFormRequest")})
	{
		Runs.Add(FZOVAHttpNodeRun::Start(*this, Factory, Url, TEXT("a=1")));
	}
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("A result from every node"), [Runs]()
		{
			return FZOVAHttpNodeRun::HaveAllReported(Runs);
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Runs]()
		{
			for (const TSharedRef<FZOVAHttpNodeRun>& Run : Runs)
			{
				Run->TestOneResult(*this, false, -1, FString());
			}
			return true;
		}));
	return true;
}

bool FZOVAHttpRequestShapeTest::RunTest(const FString& Parameters)
{
	const TSharedPtr<FZOVALoopbackHttpServer> Server = StartServer();
	UTEST_VALID(TEXT("The loopback server"), Server);
	UTEST_TRUE(TEXT("An echo route"), Server->Route(TEXT("/zova-tests/echo"), [](const FHttpServerRequest& Request)
		{
			return FHttpServerResponse::Create(TArray<uint8>(Request.Body), TEXT("text/plain"));
		}));
	struct FCase
	{
		FName Factory;
		FString Body;
		EHttpServerRequestVerbs Verb;
		const TCHAR* ContentType;
	};
	// A GET carries no body at all; a POST says how long its body is, even when it is empty.
	const FCase Cases[] = {
		{TEXT("HttpGetRequest"), FString(), EHttpServerRequestVerbs::VERB_GET, nullptr},
		{TEXT("HttpPostRequest"), TEXT("{\"name\":\"张三\",\"tags\":[\"a b\",\"🌍\"]}"), EHttpServerRequestVerbs::VERB_POST, TEXT("application/json")},
		{TEXT("HttpPostRequest"), FString(), EHttpServerRequestVerbs::VERB_POST, TEXT("application/json")},
		{TEXT("HttpPostFormRequest"), TEXT("user=张 三&note=a b&x=1%262"), EHttpServerRequestVerbs::VERB_POST, TEXT("application/x-www-form-urlencoded")},
	};
	FNodeRuns Runs;
	for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(Cases); ++Index)
	{
		Runs.Add(FZOVAHttpNodeRun::Start(*this, Cases[Index].Factory, Server->Url(FString::Printf(TEXT("/zova-tests/echo/%d"), Index)), Cases[Index].Body));
	}
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("A result from every node"), [Runs]()
		{
			return FZOVAHttpNodeRun::HaveAllReported(Runs);
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Runs, Cases]()
		{
			TestEqual(TEXT("Requests served"), Server->GetRequests().Num(), Runs.Num());
			for (int32 Index = 0; Index < Runs.Num(); ++Index)
			{
				const FCase& Case = Cases[Index];
				Runs[Index]->TestOneResult(*this, true, 200, Case.Body);
				const FString Path = FString::Printf(TEXT("/zova-tests/echo/%d"), Index);
				const FZOVAServedRequest* const Request = Server->GetRequests().FindByPredicate([&Path](const FZOVAServedRequest& Served)
					{
						return Served.Path.Equals(Path, ESearchCase::CaseSensitive);
					});
				if (!TestNotNull(*Runs[Index]->GetName(), Request))
				{
					continue;
				}
				TestTrue(FString::Printf(TEXT("%s verb"), *Runs[Index]->GetName()), Request->Verb == Case.Verb);
				const TArray<FString>* const ContentType = Request->Headers.Find(TEXT("Content-Type"));
				TestEqualSensitive(FString::Printf(TEXT("%s Content-Type"), *Runs[Index]->GetName()), ContentType ? FString::Join(*ContentType, TEXT(",")) : FString(TEXT("<none>")), Case.ContentType ? Case.ContentType : TEXT("<none>"));
				TestEqual(FString::Printf(TEXT("%s has a Content-Length"), *Runs[Index]->GetName()), Request->Headers.Contains(TEXT("Content-Length")), Case.ContentType != nullptr);
				const FTCHARToUTF8 Utf8(*Case.Body, Case.Body.Len());
				TestTrue(FString::Printf(TEXT("%s body is the UTF-8 text"), *Runs[Index]->GetName()), Request->Body == TArray<uint8>(reinterpret_cast<const uint8*>(Utf8.Get()), Utf8.Length()));
			}
			return true;
		}));
	return true;
}

bool FZOVAHttpResponseZerosTest::RunTest(const FString& Parameters)
{
	const TSharedPtr<FZOVALoopbackHttpServer> Server = StartServer();
	UTEST_VALID(TEXT("The loopback server"), Server);
	// The engine turns the bytes into text by their length, then takes a zero at the start for the end.
	struct FCase
	{
		TArray<uint8> Body;
		FString Data;
	};
	const FCase Cases[] = {
		{Bytes("before\0after", 12), FString::ConstructFromPtrSize(TEXT("before\0after"), 12)},
		{Bytes("a\0\0", 3), FString::ConstructFromPtrSize(TEXT("a\0"), 2)},
		{Bytes("\0after", 6), FString()},
	};
	FNodeRuns Runs;
	for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(Cases); ++Index)
	{
		const TArray<uint8> Body = Cases[Index].Body;
		const FString Path = FString::Printf(TEXT("/zova-tests/bytes/%d"), Index);
		UTEST_TRUE(TEXT("A bytes route"), Server->Route(Path, [Body](const FHttpServerRequest&)
			{
				return FHttpServerResponse::Create(TArray<uint8>(Body), TEXT("application/octet-stream"));
			}));
		Runs.Add(FZOVAHttpNodeRun::Start(*this, TEXT("HttpGetRequest"), Server->Url(Path)));
	}
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("A result from every node"), [Runs]()
		{
			return FZOVAHttpNodeRun::HaveAllReported(Runs);
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Runs, Cases]()
		{
			for (int32 Index = 0; Index < Runs.Num(); ++Index)
			{
				Runs[Index]->TestOneResult(*this, true, 200, Cases[Index].Data);
			}
			return true;
		}));
	return true;
}

bool FZOVAHttpRequestZerosTest::RunTest(const FString& Parameters)
{
	const TSharedPtr<FZOVALoopbackHttpServer> Server = StartServer();
	UTEST_VALID(TEXT("The loopback server"), Server);
	UTEST_TRUE(TEXT("An echo route"), Server->Route(TEXT("/zova-tests/echo-zeros"), [](const FHttpServerRequest& Request)
		{
			return FHttpServerResponse::Create(TArray<uint8>(Request.Body), TEXT("application/json"));
		}));
	// Every character of the text goes out, the zeros too.
	const FString Json = FString::ConstructFromPtrSize(TEXT("{\"a\":\"x\0y\"}\0"), 13);
	const FNodeRuns Runs = {FZOVAHttpNodeRun::Start(*this, TEXT("HttpPostRequest"), Server->Url(TEXT("/zova-tests/echo-zeros")), Json)};
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("The node's result"), [Runs]()
		{
			return FZOVAHttpNodeRun::HaveAllReported(Runs);
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Runs]()
		{
			if (TestEqual(TEXT("Requests served"), Server->GetRequests().Num(), 1))
			{
				TestTrue(TEXT("The body arrives whole"), Server->GetRequests()[0].Body == Bytes("{\"a\":\"x\0y\"}\0", 13));
			}
			// The echo comes back with its last zero taken for the end of the text.
			Runs[0]->TestOneResult(*this, true, 200, FString::ConstructFromPtrSize(TEXT("{\"a\":\"x\0y\"}"), 12));
			return true;
		}));
	return true;
}

#endif
