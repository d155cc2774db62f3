// zova http get / post-json / post-form: one request through a ZOVAHttp request node, driven as the
// Blueprint async node drives it: call the factory, bind both outputs, activate, tick until one fires.

#include "CoreMinimal.h"
#include "CoreUObject.h"
#include "Dom/JsonObject.h"
#include "EngineLoopTickUntil.h"
#include "Http/ZovaHttpListener.h"
#include "Modules/ModuleManager.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaOutput.h"

namespace
{
	const TCHAR* const RequestClassPath = TEXT("/Script/ZOVAHttp.ZOVAHttpRequest");
	/** Longer than the HTTP module's connection time-out, so that a silent server still ends in OnFail. */
	constexpr double MaxWaitSeconds = 120.0;
	constexpr int32 MaxWaitFrames = 10000000;

	/** The node's factory: which function, and the name of its body parameter (none for GET). */
	struct FHttpFactory
	{
		const TCHAR* Function;
		const TCHAR* BodyParameter;
	};

	/** Calls the factory on the class default object, as the node's first step does. */
	UObject* CallFactory(UClass* RequestClass, const FHttpFactory& Factory, const FZovaArguments& Arguments)
	{
		UFunction* const Function = RequestClass->FindFunctionByName(Factory.Function);
		check(Function);
		TArray<uint8> Parms;
		Parms.SetNumZeroed(Function->ParmsSize);
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			It->InitializeValue_InContainer(Parms.GetData());
		}
		*CastFieldChecked<FStrProperty>(Function->FindPropertyByName(TEXT("Url")))->ContainerPtrToValuePtr<FString>(Parms.GetData()) = Arguments.GetPositional(0);
		if (Factory.BodyParameter)
		{
			*CastFieldChecked<FStrProperty>(Function->FindPropertyByName(Factory.BodyParameter))->ContainerPtrToValuePtr<FString>(Parms.GetData()) = Arguments.GetPositional(1);
		}
		RequestClass->GetDefaultObject()->ProcessEvent(Function, Parms.GetData());
		const FObjectPropertyBase* const Return = CastFieldChecked<FObjectPropertyBase>(Function->GetReturnProperty());
		UObject* const Action = *Return->ContainerPtrToValuePtr<UObject*>(Parms.GetData());
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			It->DestroyValue_InContainer(Parms.GetData());
		}
		return Action;
	}

	void BindOutput(UObject* Action, const TCHAR* DelegateName, UZovaHttpListener* Listener, const TCHAR* HandlerName)
	{
		const FMulticastDelegateProperty* const Property = CastFieldChecked<FMulticastDelegateProperty>(Action->GetClass()->FindPropertyByName(DelegateName));
		FScriptDelegate Binding;
		Binding.BindUFunction(Listener, HandlerName);
		Property->ContainerPtrToValuePtr<FMulticastScriptDelegate>(Action)->Add(Binding);
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

	int32 RunRequest(const TCHAR* CommandName, const FHttpFactory& Factory, const FZovaArguments& Arguments)
	{
		const int32 NumExpected = Factory.BodyParameter ? 2 : 1;
		if (Arguments.NumPositional() != NumExpected)
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("%s takes %s (see zova %s --help)"), CommandName, Factory.BodyParameter ? TEXT("URL BODY") : TEXT("URL"), CommandName));
		}
		if (!FModuleManager::Get().LoadModule(TEXT("ZOVAHttp")))
		{
			return ZovaOutput::UsageError(TEXT("cannot load the ZOVAHttp module (libUnrealEditor-ZOVAHttp.so beside zova)"));
		}
		UClass* const RequestClass = FindObject<UClass>(nullptr, RequestClassPath);
		if (!RequestClass)
		{
			return ZovaOutput::UsageError(TEXT("the ZOVAHttp module registers no ZOVAHttpRequest class"));
		}

		UZovaHttpListener* const Listener = NewObject<UZovaHttpListener>();
		Listener->AddToRoot();
		UObject* const Action = CallFactory(RequestClass, Factory, Arguments);
		BindOutput(Action, TEXT("OnSuccess"), Listener, TEXT("HandleSuccess"));
		BindOutput(Action, TEXT("OnFail"), Listener, TEXT("HandleFail"));
		Action->ProcessEvent(RequestClass->FindFunctionByName(TEXT("Activate")), nullptr);

		const bool bFired = TickEngineLoopUntil([Listener]() { return Listener->HasFired(); }, MaxWaitSeconds, MaxWaitFrames);
		Listener->RemoveFromRoot();
		if (!bFired)
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("neither OnSuccess nor OnFail fired within %.0f seconds"), MaxWaitSeconds));
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
