// zova http get / post-json / post-form: one request through a ZOVAHttp request node, driven as the
// Blueprint async node drives it: call the factory, bind both outputs, activate, tick until one fires.

#include "CoreMinimal.h"
#include "CoreUObject.h"
#include "Dom/JsonObject.h"
#include "Http/ZovaHttpListener.h"
#include "Http/ZovaHttpRequestNode.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaOutput.h"

namespace
{
	using ZovaHttpRequestNode::FFactory;

	void PrintResult(const UZovaHttpListener& Listener, bool bJson)
	{
		if (bJson)
		{
			const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			Object->SetStringField(TEXT("delegate"), Listener.Delegate);
			Object->SetNumberField(TEXT("Code"), Listener.Code);
			Object->SetStringField(TEXT("Data"), Listener.Data);
			ZovaOutput::PrintJson(Object);
			return;
		}
		ZovaOutput::PrintTable({
			{TEXT("delegate"), Listener.Delegate},
			{TEXT("Code"), FString::FromInt(Listener.Code)},
			{TEXT("Data"), Listener.Data},
		});
	}

	int32 RunRequest(const TCHAR* CommandName, const FFactory& Factory, const FZovaArguments& Arguments)
	{
		const int32 NumExpected = Factory.BodyParameter ? 2 : 1;
		if (Arguments.NumPositional() != NumExpected)
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("%s takes %s (see zova %s --help)"), CommandName, Factory.BodyParameter ? TEXT("URL BODY") : TEXT("URL"), CommandName));
		}
		UZovaHttpListener* const Listener = NewObject<UZovaHttpListener>();
		FString Error;
		if (!ZovaHttpRequestNode::Send(Factory, Arguments.GetPositional(0), Factory.BodyParameter ? Arguments.GetPositional(1) : FString(), *Listener, Error))
		{
			return ZovaOutput::UsageError(Error);
		}
		PrintResult(*Listener, Arguments.WantsJson());
		return Listener->Delegate == TEXT("OnSuccess") ? EZovaExit::Success : EZovaExit::RequestFailed;
	}

	int32 RunGet(const FZovaArguments& Arguments)
	{
		return RunRequest(TEXT("http get"), {TEXT("HttpGetRequest"), nullptr}, Arguments);
	}

	int32 RunPostJson(const FZovaArguments& Arguments)
	{
		return RunRequest(TEXT("http post-json"), {TEXT("HttpPostRequest"), TEXT("Json")}, Arguments);
	}

	int32 RunPostForm(const FZovaArguments& Arguments)
	{
		return RunRequest(TEXT("http post-form"), {TEXT("HttpPostFormRequest"), TEXT("Form")}, Arguments);
	}

	const FZovaCommandRegistration GetRegistration({
		TEXT("http get"),
		TEXT("sends a GET through the \"Http Get Request\" node and reports which output fired"),
		TEXT("Usage: zova http get URL [--json]\n\n")
		TEXT("Calls the \"Http Get Request\" node's factory with URL, binds OnSuccess and OnFail, activates it and\n")
		TEXT("ticks the engine until one fires. Exit status 0 for OnSuccess (any HTTP status), 3 for OnFail.\n")
		TEXT("Only http and https URLs are sent; any other (file://, ftp://...) ends in OnFail.\n")
		TEXT("URL may be \"-\" to read it from standard input.\n\n")
		TEXT("Example:\n  zova http get http://127.0.0.1:8080/status --json\n")
		TEXT("  {\"delegate\":\"OnSuccess\",\"Code\":200,\"Data\":\"ok\"}"),
		{},
		{},
		&RunGet,
	});

	const FZovaCommandRegistration PostJsonRegistration({
		TEXT("http post-json"),
		TEXT("sends a JSON POST through the \"Http Post Request（Json）\" node"),
		TEXT("Usage: zova http post-json URL BODY [--json]\n\n")
		TEXT("Calls the \"Http Post Request（Json）\" node's factory: a POST of BODY, unchanged, with\n")
		TEXT("\"Content-Type: application/json\". Either argument may be \"-\" to read it from standard input.\n")
		TEXT("Exit status 0 for OnSuccess (any HTTP status), 3 for OnFail.\n\n")
		TEXT("Example:\n  zova http post-json http://127.0.0.1:8080/login '{\"user\":\"张三\"}' --json"),
		{},
		{},
		&RunPostJson,
	});

	const FZovaCommandRegistration PostFormRegistration({
		TEXT("http post-form"),
		TEXT("sends a form POST through the \"Http Post Request（Form）\" node"),
		TEXT("Usage: zova http post-form URL BODY [--json]\n\n")
		TEXT("Calls the \"Http Post Request（Form）\" node's factory: a POST of BODY, unchanged (encode it\n")
		TEXT("yourself), with \"Content-Type: application/x-www-form-urlencoded\". Either argument may be \"-\".\n")
		TEXT("Exit status 0 for OnSuccess (any HTTP status), 3 for OnFail.\n\n")
		TEXT("Example:\n  zova http post-form http://127.0.0.1:8080/login 'user=zova&pass=a%20b'"),
		{},
		{},
		&RunPostForm,
	});
}
