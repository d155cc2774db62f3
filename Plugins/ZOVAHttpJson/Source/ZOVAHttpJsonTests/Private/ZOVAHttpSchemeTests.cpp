// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "Kismet/BlueprintAsyncActionBase.h"
#include "Misc/AutomationTest.h"
#include "UObject/GarbageCollection.h"
#include "ZOVAHttpNodeRun.h"
#include "ZOVAHttpResultRecorder.h"
#include "ZOVAHttpTestBase.h"
#include "ZOVALoopbackHttpServer.h"
#include "ZOVAWaitUntilLatentCommand.h"

#if WITH_DEV_AUTOMATION_TESTS

// The request nodes send http and https URLs only. Names used here are under .invalid, never resolved.

namespace
{
	using FNodeRuns = TArray<TSharedRef<FZOVAHttpNodeRun>>;

	const TCHAR* const Factories[] = {TEXT("HttpGetRequest"), TEXT("HttpPostRequest"), TEXT("HttpPostFormRequest")};
}

IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpSchemeRefusedTest, FZOVAHttpTestBase, "ZOVA.Http.Scheme.OthersFailAtActivate", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpSchemeHttpTest, FZOVAHttpTestBase, "ZOVA.Http.Scheme.HttpInAnyCaseOrNone", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpSchemeHttpsTest, FZOVAHttpTestBase, "ZOVA.Http.Scheme.HttpsInAnyCase", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_CUSTOM_SIMPLE_AUTOMATION_TEST(FZOVAHttpSchemeRedirectTest, FZOVAHttpTestBase, "ZOVA.Http.Scheme.RedirectsToOthersFail", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

// A refused URL fails inside the factory, with no engine request that a frame could complete later:
// so its result is there at Activate, before any frame, and the action lives exactly until then.
bool FZOVAHttpSchemeRefusedTest::RunTest(const FString& Parameters)
{
	const TSharedPtr<FZOVALoopbackHttpServer> Server = StartServer();
	UTEST_VALID(TEXT("The loopback server"), Server);
	UTEST_TRUE(TEXT("A route the refused URLs name"), Server->Route(TEXT("/zova-tests/refused"), [](const FHttpServerRequest&)
		{
			return FHttpServerResponse::Create(TEXT("reached"), TEXT("text/plain"));
		}));
	const FString Port = FString::FromInt(Server->GetPort());
	const FString Urls[] = {
		TEXT("file:///etc/passwd"),
		TEXT("FILE:///etc/passwd"),
		Server->Url(TEXT("/zova-tests/refused"), TEXT("gopher")),
		Server->Url(TEXT("/zova-tests/refused"), TEXT("dict")),
		Server->Url(TEXT("/zova-tests/refused"), TEXT("ftp")),
		TEXT(" file:///etc/passwd"),
		// libcurl reads "name:/" as a scheme, unlike "name:<port>".
		TEXT("localhost:/etc/passwd"),
		// Without a scheme, libcurl takes these host names (after any user info, decoded) for other protocols.
		TEXT("ftp.zova-test.invalid:") + Port + TEXT("/"),
		TEXT("DICT.zova-test.invalid/"),
		TEXT("user@smtp.zova-test.invalid/"),
		TEXT("%70op3.zova-test.invalid/"),
		// Escapes decode with hex letters in either case: %6c and %6C are both 'l', %4D is 'M'.
		TEXT("%6cdap.zova-test.invalid/"),
		TEXT("%6Cdap.zova-test.invalid/"),
		TEXT("i%4DAP.zova-test.invalid/"),
		TEXT("imap.zova-test.invalid"),
		TEXT("ldap.zova-test.invalid?x"),
	};
	FNodeRuns Runs;
	for (const FString& Url : Urls)
	{
		for (const TCHAR* const Factory : Factories)
		{
			Runs.Add(MakeShared<FZOVAHttpNodeRun>(*this, Factory, Url, TEXT("a=1")));
		}
	}
	// The held results keep the actions alive until Activate.
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	for (const TSharedRef<FZOVAHttpNodeRun>& Run : Runs)
	{
		if (!TestNotNull(*FString::Printf(TEXT("%s before Activate"), *Run->GetName()), Run->GetAction()))
		{
			continue;
		}
		TestTrue(FString::Printf(TEXT("%s is rooted before Activate"), *Run->GetName()), Run->GetAction()->IsRooted());
		Run->Activate();
		Run->TestOneResult(*this, false, -1, FString());
		TestFalse(FString::Printf(TEXT("%s is rooted after Activate"), *Run->GetName()), Run->GetAction()->IsRooted());
	}
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("Frames after Activate"), []()
		{
			return true;
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Runs]()
		{
			CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
			for (const TSharedRef<FZOVAHttpNodeRun>& Run : Runs)
			{
				TestEqual(*FString::Printf(TEXT("Outputs fired by %s after some frames"), *Run->GetName()), Run->GetResults().Num(), 1);
				TestNull(*FString::Printf(TEXT("%s once collected"), *Run->GetName()), Run->GetAction());
			}
			TestEqual(TEXT("Requests that reached the server"), Server->CountRequests(TEXT("/zova-tests/refused")), 0);
			return true;
		}));
	return true;
}

// The engine hands the URL to libcurl as it is, which guesses a missing scheme.
bool FZOVAHttpSchemeHttpTest::RunTest(const FString& Parameters)
{
	const TSharedPtr<FZOVALoopbackHttpServer> Server = StartServer();
	UTEST_VALID(TEXT("The loopback server"), Server);
	for (const int32 Status : {200, 201, 202, 203})
	{
		UTEST_TRUE(TEXT("A status route"), Server->Route(FString::Printf(TEXT("/zova-tests/scheme/%d"), Status), [Status](const FHttpServerRequest&)
			{
				TUniquePtr<FHttpServerResponse> Response = FHttpServerResponse::Create(FString::Printf(TEXT("status %d"), Status), TEXT("text/plain"));
				Response->Code = EHttpServerResponseCodes(Status);
				return Response;
			}));
	}
	const FString HostAndPort = FString::Printf(TEXT("127.0.0.1:%u"), Server->GetPort());
	const TPair<FString, int32> Cases[] = {
		{TEXT("HTTP://") + HostAndPort + TEXT("/zova-tests/scheme/201"), 201},
		{TEXT("hTTp://") + HostAndPort + TEXT("/zova-tests/scheme/202?next=file:///etc/passwd"), 202},
		// libcurl sends a URL without a scheme by HTTP, also when "localhost:" looks like one.
		{HostAndPort + TEXT("/zova-tests/scheme/203"), 203},
		{FString::Printf(TEXT("localhost:%u/zova-tests/scheme/200"), Server->GetPort()), 200},
	};
	FNodeRuns Runs;
	TArray<int32> Statuses;
	for (const TPair<FString, int32>& Case : Cases)
	{
		for (const TCHAR* const Factory : Factories)
		{
			Runs.Add(FZOVAHttpNodeRun::Start(*this, Factory, Case.Key, TEXT("a=1")));
			Statuses.Add(Case.Value);
		}
	}
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("A result from every node"), [Runs]()
		{
			return FZOVAHttpNodeRun::HaveAllReported(Runs);
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Runs, Statuses]()
		{
			for (int32 Index = 0; Index < Runs.Num(); ++Index)
			{
				Runs[Index]->TestOneResult(*this, true, Statuses[Index], FString::Printf(TEXT("status %d"), Statuses[Index]));
			}
			TestEqual(TEXT("Requests served"), Server->GetRequests().Num(), Runs.Num());
			return true;
		}));
	return true;
}

// An https URL is sent: its result comes from the engine in a later frame, not at Activate.
bool FZOVAHttpSchemeHttpsTest::RunTest(const FString& Parameters)
{
	FNodeRuns Runs;
	for (const TCHAR* const Scheme : {TEXT("https"), TEXT("HTTPS"), TEXT("Https")})
	{
		for (const TCHAR* const Factory : Factories)
		{
			const TSharedRef<FZOVAHttpNodeRun> Run = FZOVAHttpNodeRun::Start(*this, Factory, FString::Printf(TEXT("%s://zova-http-request-test.invalid/"), Scheme), TEXT("a=1"));
			TestEqual(*FString::Printf(TEXT("Outputs fired by %s at Activate"), *Run->GetName()), Run->GetResults().Num(), 0);
			Runs.Add(Run);
		}
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

// Redirects keep libcurl's default protocols, which exclude these.
bool FZOVAHttpSchemeRedirectTest::RunTest(const FString& Parameters)
{
	const TSharedPtr<FZOVALoopbackHttpServer> Server = StartServer();
	UTEST_VALID(TEXT("The loopback server"), Server);
	UTEST_TRUE(TEXT("A route the redirects name"), Server->Route(TEXT("/zova-tests/redirected"), [](const FHttpServerRequest&)
		{
			return FHttpServerResponse::Create(TEXT("reached"), TEXT("text/plain"));
		}));
	const FString Targets[] = {TEXT("file:///etc/passwd"), Server->Url(TEXT("/zova-tests/redirected"), TEXT("gopher")), Server->Url(TEXT("/zova-tests/redirected"), TEXT("dict"))};
	FNodeRuns Runs;
	for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(Targets); ++Index)
	{
		const FString Target = Targets[Index];
		const FString Path = FString::Printf(TEXT("/zova-tests/redirect/%d"), Index);
		UTEST_TRUE(TEXT("A redirecting route"), Server->Route(Path, [Target](const FHttpServerRequest&)
			{
				TUniquePtr<FHttpServerResponse> Response = FHttpServerResponse::Create(TEXT("moved"), TEXT("text/plain"));
				Response->Code = EHttpServerResponseCodes::Redirect;
				Response->Headers.Add(TEXT("Location"), {Target});
				return Response;
			}));
		for (const TCHAR* const Factory : Factories)
		{
			Runs.Add(FZOVAHttpNodeRun::Start(*this, Factory, Server->Url(Path), TEXT("a=1")));
		}
	}
	ADD_LATENT_AUTOMATION_COMMAND(FZOVAWaitUntilLatentCommand(*this, TEXT("A result from every node"), [Runs]()
		{
			return FZOVAHttpNodeRun::HaveAllReported(Runs);
		}));
	ADD_LATENT_AUTOMATION_COMMAND(FFunctionLatentCommand([this, Server, Runs]()
		{
			for (const TSharedRef<FZOVAHttpNodeRun>& Run : Runs)
			{
				Run->TestOneResult(*this, false, -1, FString());
			}
			TestEqual(TEXT("Redirected requests"), Server->CountRequests(TEXT("/zova-tests/redirect")), Runs.Num());
			TestEqual(TEXT("Requests that followed a redirect"), Server->CountRequests(TEXT("/zova-tests/redirected")), 0);
			return true;
		}));
	return true;
}

#endif
