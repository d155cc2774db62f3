// Copyright ZOVA. All Rights Reserved.

#include "ZOVAHttpRequest.h"
#include "HttpModule.h"
#include "Interfaces/IHttpRequest.h"
#include "Interfaces/IHttpResponse.h"
#include "UObject/Package.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "ZOVAHttpUrl.h"

UZOVAHttpRequest* UZOVAHttpRequest::HttpGetRequest(const FString& Url)
{
	UZOVAHttpRequest* const Action = NewObject<UZOVAHttpRequest>(GetTransientPackage());
	Action->SendGETRequest(Url);
	return Action;
}

UZOVAHttpRequest* UZOVAHttpRequest::HttpPostRequest(const FString& Url, const FString& Json)
{
	UZOVAHttpRequest* const Action = NewObject<UZOVAHttpRequest>(GetTransientPackage());
	Action->SendPOSTRequest(Url, Json);
	return Action;
}

UZOVAHttpRequest* UZOVAHttpRequest::HttpPostFormRequest(const FString& Url, const FString& Form)
{
	UZOVAHttpRequest* const Action = NewObject<UZOVAHttpRequest>(GetTransientPackage());
	Action->SendPOSTFormRequest(Url, Form);
	return Action;
}

void UZOVAHttpRequest::Activate()
{
	bActivated = true;
	if (bHoldingResult)
	{
		FTSTicker::RemoveTicker(HeldResultTicker);
		ReportHeldResult(0.0f);
	}
}

void UZOVAHttpRequest::SendGETRequest(const FString& Url)
{
	SendRequest(Url, TEXT("GET"), nullptr, FString());
}

void UZOVAHttpRequest::SendPOSTRequest(const FString& Url, const FString& Json)
{
	SendRequest(Url, TEXT("POST"), TEXT("application/json"), Json);
}

void UZOVAHttpRequest::SendPOSTFormRequest(const FString& Url, const FString& Form)
{
	SendRequest(Url, TEXT("POST"), TEXT("application/x-www-form-urlencoded"), Form);
}

void UZOVAHttpRequest::SendRequest(const FString& Url, const TCHAR* Verb, const TCHAR* ContentType, const FString& Body)
{
	// Nothing else refers to this object while the request is in flight, or its result waits for Activate.
	AddToRoot();
	// The engine sends any scheme libcurl knows, and reads files; these nodes are for HTTP only.
	if (!ZOVAHttpUrl::IsSentOverHttp(Url))
	{
		OnHttpResponse(nullptr, nullptr, false);
		return;
	}
	const TSharedRef<IHttpRequest, ESPMode::ThreadSafe> Request = FHttpModule::Get().CreateRequest();
	Request->SetURL(Url);
	Request->SetVerb(Verb);
	if (ContentType)
	{
		Request->SetHeader(TEXT("Content-Type"), ContentType);
		Request->SetContentAsString(Body);
	}
	Request->OnProcessRequestComplete().BindUObject(this, &UZOVAHttpRequest::OnHttpResponse);
	Request->ProcessRequest();
}

void UZOVAHttpRequest::OnHttpResponse(FHttpRequestPtr Request, FHttpResponsePtr Response, bool bConnectedSuccessfully)
{
	if (!bActivated)
	{
		// A refused URL, and the requests the engine fails inside ProcessRequest (no URL, no verb), fail
		// inside the factory, before the node has bound its pins: hold the result, and the root, for Activate;
		// a caller that never activates gets it after UnactivatedResultSeconds.
		bHoldingResult = true;
		bHeldConnectedSuccessfully = bConnectedSuccessfully;
		HeldResponse = Response;
		HeldResultTicker = FTSTicker::GetCoreTicker().AddTicker(FTickerDelegate::CreateUObject(this, &UZOVAHttpRequest::ReportHeldResult), UnactivatedResultSeconds);
		return;
	}
	Report(Response, bConnectedSuccessfully);
}

bool UZOVAHttpRequest::ReportHeldResult(float DeltaTime)
{
	bHoldingResult = false;
	const FHttpResponsePtr Response = MoveTemp(HeldResponse);
	Report(Response, bHeldConnectedSuccessfully);
	return false;
}

void UZOVAHttpRequest::Report(const FHttpResponsePtr& Response, bool bConnectedSuccessfully)
{
	if (bConnectedSuccessfully && Response.IsValid())
	{
		OnSuccess.Broadcast(Response->GetResponseCode(), Response->GetContentAsString());
	}
	else
	{
		OnFail.Broadcast(-1, FString());
	}
	RemoveFromRoot();
}
