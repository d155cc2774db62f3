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

#include <cmath>

namespace
{
	using ZovaHttpRequestNode::FFactory;

	/** The longest wait --timeout accepts: a day. */
	constexpr double MaxTimeoutSeconds = 24.0 * 60.0 * 60.0;

	/** --timeout SECONDS: a number above 0 and at most a day; false with OutError otherwise. */
	bool ReadTimeout(const FZovaArguments& Arguments, double& OutSeconds, FString& OutError)
	{
		FString Text;
		OutSeconds = ZovaHttpRequestNode::DefaultTimeoutSeconds;
		if (!Arguments.GetOption(TEXT("timeout"), Text))
		{
			return true;
		}
		const FTCHARToUTF8 Utf8(*Text, Text.Len());
		char* End = nullptr;
		const double Seconds = std::strtod(Utf8.Get(), &End);
		if (Text.IsEmpty() || End != Utf8.Get() + Utf8.Length() || !std::isfinite(Seconds) || Seconds <= 0.0 || Seconds > MaxTimeoutSeconds)
		{
			OutError = FString::Printf(TEXT("--timeout takes a number of seconds above 0 and at most %.0f, not \"%s\""), MaxTimeoutSeconds, *Text);
			return false;
		}
		OutSeconds = Seconds;
		return true;
	}

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
		double TimeoutSeconds = 0.0;
		FString Error;
		if (!ReadTimeout(Arguments, TimeoutSeconds, Error))
		{
			return ZovaOutput::UsageError(Error);
		}
		UZovaHttpListener* const Listener = NewObject<UZovaHttpListener>();
		switch (ZovaHttpRequestNode::Send(Factory, Arguments.GetPositional(0), Factory.BodyParameter ? Arguments.GetPositional(1) : FString(), TimeoutSeconds, *Listener, Error))
		{
		case ZovaHttpRequestNode::EOutcome::Unavailable:
			return ZovaOutput::UsageError(Error);
		case ZovaHttpRequestNode::EOutcome::TimedOut:
			ZovaOutput::PrintError(Error + TEXT(" (--timeout sets the limit)"));
			return EZovaExit::TimedOut;
		case ZovaHttpRequestNode::EOutcome::Fired:
			break;
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

	const TArray<FZovaOption> RequestOptions = {{TEXT("timeout"), EZovaValue::Word}};

	const FZovaCommandRegistration GetRegistration({
		TEXT("http get"),
		TEXT("sends a GET through the \"Http Get Request\" node and reports which output fired"),
		TEXT("Usage: zova http get URL [--timeout SECONDS] [--json]\n\n")
		TEXT("Calls the \"Http Get Request\" node's factory with URL, binds OnSuccess and OnFail, activates it and\n")
		TEXT("ticks the engine until one fires. URL may be \"-\" to read it from standard input (one trailing\n")
		TEXT("newline is dropped). Only http and https URLs are sent; any other (file://, ftp://...) ends in OnFail.\n\n")
		TEXT("Exit status: 0 when OnSuccess fired (any HTTP status), 3 when OnFail fired, 4 when neither fired\n")
		TEXT("within --timeout seconds (60 unless given), 2 for bad usage.\n\n")
		TEXT("Example (nothing listens on port 9 here, so the request fails):\n")
		TEXT("  $ zova http get http://127.0.0.1:9/ --json\n")
		TEXT("  {\n")
		TEXT("  \t\"delegate\": \"OnFail\",\n")
		TEXT("  \t\"Code\": -1,\n")
		TEXT("  \t\"Data\": \"\"\n")
		TEXT("  }"),
		{EZovaValue::Line},
		RequestOptions,
		{},
		&RunGet,
	});

	const FZovaCommandRegistration PostJsonRegistration({
		TEXT("http post-json"),
		TEXT("sends a JSON POST through the \"Http Post Request（Json）\" node"),
		TEXT("Usage: zova http post-json URL BODY [--timeout SECONDS] [--json]\n\n")
		TEXT("Calls the \"Http Post Request（Json）\" node's factory: a POST of BODY, unchanged, with\n")
		TEXT("\"Content-Type: application/json\". One of URL and BODY may be \"-\" to read it from standard input\n")
		TEXT("(a URL loses one trailing newline, a body is kept as it is).\n\n")
		TEXT("Exit status: 0 when OnSuccess fired (any HTTP status), 3 when OnFail fired, 4 when neither fired\n")
		TEXT("within --timeout seconds (60 unless given), 2 for bad usage.\n\n")
		TEXT("Example (a service on port 8080 that answers {\"ok\":true}):\n")
		TEXT("  $ zova http post-json http://127.0.0.1:8080/login '{\"user\":\"张三\"}'\n")
		TEXT("  delegate  OnSuccess\n")
		TEXT("  Code      200\n")
		TEXT("  Data      {\"ok\":true}"),
		{EZovaValue::Line, EZovaValue::Text},
		RequestOptions,
		{},
		&RunPostJson,
	});

	const FZovaCommandRegistration PostFormRegistration({
		TEXT("http post-form"),
		TEXT("sends a form POST through the \"Http Post Request（Form）\" node"),
		TEXT("Usage: zova http post-form URL BODY [--timeout SECONDS] [--json]\n\n")
		TEXT("Calls the \"Http Post Request（Form）\" node's factory: a POST of BODY, unchanged (encode it\n")
		TEXT("yourself), with \"Content-Type: application/x-www-form-urlencoded\". One of URL and BODY may be \"-\".\n\n")
		TEXT("Exit status: 0 when OnSuccess fired (any HTTP status), 3 when OnFail fired, 4 when neither fired\n")
		TEXT("within --timeout seconds (60 unless given), 2 for bad usage.\n\n")
		TEXT("Example (a service on port 8080 that answers 403 with \"denied\"):\n")
		TEXT("  $ zova http post-form http://127.0.0.1:8080/login 'user=zova&pass=a%20b'\n")
		TEXT("  delegate  OnSuccess\n")
		TEXT("  Code      403\n")
		TEXT("  Data      denied"),
		{EZovaValue::Line, EZovaValue::Text},
		RequestOptions,
		{},
		&RunPostForm,
	});
}
