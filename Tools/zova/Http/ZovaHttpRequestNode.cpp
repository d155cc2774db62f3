#include "Http/ZovaHttpRequestNode.h"

#include "CoreUObject.h"
#include "EngineLoopTickUntil.h"
#include "Http/ZovaHttpListener.h"
#include "Modules/ModuleManager.h"

#include <algorithm>

namespace
{
	const TCHAR* const RequestClassPath = TEXT("/Script/ZOVAHttp.ZOVAHttpRequest");

	/** Calls the factory on the class default object, as the node's first step does. */
	UObject* CallFactory(UClass* RequestClass, const ZovaHttpRequestNode::FFactory& Factory, const FString& Url, const FString& Body)
	{
		UFunction* const Function = RequestClass->FindFunctionByName(Factory.Function);
		check(Function);
		TArray<uint8> Parms;
		Parms.SetNumZeroed(Function->ParmsSize);
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			It->InitializeValue_InContainer(Parms.GetData());
		}
		*CastFieldChecked<FStrProperty>(Function->FindPropertyByName(TEXT("Url")))->ContainerPtrToValuePtr<FString>(Parms.GetData()) = Url;
		if (Factory.BodyParameter)
		{
			*CastFieldChecked<FStrProperty>(Function->FindPropertyByName(Factory.BodyParameter))->ContainerPtrToValuePtr<FString>(Parms.GetData()) = Body;
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

	void BindOutput(UObject* Action, const TCHAR* DelegateName, UZovaHttpListener& Listener, const TCHAR* HandlerName)
	{
		const FMulticastDelegateProperty* const Property = CastFieldChecked<FMulticastDelegateProperty>(Action->GetClass()->FindPropertyByName(DelegateName));
		FScriptDelegate Binding;
		Binding.BindUFunction(&Listener, HandlerName);
		Property->ContainerPtrToValuePtr<FMulticastScriptDelegate>(Action)->Add(Binding);
	}
}

ZovaHttpRequestNode::EOutcome ZovaHttpRequestNode::Send(const FFactory& Factory, const FString& Url, const FString& Body, double TimeoutSeconds, UZovaHttpListener& Listener, FString& OutError)
{
	if (!FModuleManager::Get().LoadModule(TEXT("ZOVAHttp")))
	{
		OutError = TEXT("cannot load the ZOVAHttp module (libUnrealEditor-ZOVAHttp.so beside zova)");
		return EOutcome::Unavailable;
	}
	UClass* const RequestClass = FindObject<UClass>(nullptr, RequestClassPath);
	if (!RequestClass)
	{
		OutError = TEXT("the ZOVAHttp module registers no ZOVAHttpRequest class");
		return EOutcome::Unavailable;
	}

	Listener.AddToRoot();
	UObject* const Action = CallFactory(RequestClass, Factory, Url, Body);
	BindOutput(Action, TEXT("OnSuccess"), Listener, TEXT("HandleSuccess"));
	BindOutput(Action, TEXT("OnFail"), Listener, TEXT("HandleFail"));
	Action->ProcessEvent(RequestClass->FindFunctionByName(TEXT("Activate")), nullptr);

	// Frames are at least a millisecond apart, so the time limit always comes before the frame limit.
	const int32 MaxFrames = (int32)std::min(TimeoutSeconds * 1000.0 + 1.0, (double)MAX_int32);
	const bool bFired = TickEngineLoopUntil([&Listener]() { return Listener.HasFired(); }, TimeoutSeconds, MaxFrames);
	Listener.RemoveFromRoot();
	if (!bFired)
	{
		// The tool gives up on the request: the action, which keeps itself in the root set until it
		// reports, is let go so that the engine's exit frees it.
		Action->RemoveFromRoot();
		OutError = FString::Printf(TEXT("neither OnSuccess nor OnFail fired within %g seconds"), TimeoutSeconds);
		return EOutcome::TimedOut;
	}
	return EOutcome::Fired;
}
