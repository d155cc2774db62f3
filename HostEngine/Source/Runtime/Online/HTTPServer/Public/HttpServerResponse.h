#pragma once

#include "CoreMinimal.h"
#include "HttpServerConstants.h"

/** What a route handler answers: status, headers (each name with its values) and body bytes. */
struct FHttpServerResponse final
{
public:
	FHttpServerResponse()
	{
	}

	FHttpServerResponse(TArray<uint8>&& InBody)
		: Body(MoveTemp(InBody))
	{
	}

	EHttpServerResponseCodes Code = EHttpServerResponseCodes::Unknown;

	TMap<FString, TArray<FString>> Headers;

	TArray<uint8> Body;

	/**
	 * A 200 response with Text as UTF-8 (up to its first NUL character) and the content type
	 * ContentType followed by ";charset=utf-8".
	 */
	HTTPSERVER_API static TUniquePtr<FHttpServerResponse> Create(const FString& Text, const FString& ContentType);

	/** A 200 response with exactly these bytes and this content type. */
	HTTPSERVER_API static TUniquePtr<FHttpServerResponse> Create(TArray<uint8>&& RawBytes, FString ContentType);

	/** A 204 response with no body. */
	HTTPSERVER_API static TUniquePtr<FHttpServerResponse> Ok();

	/**
	 * A response with ResponseCode and a JSON body {"errorCode": ..., "errorMessage": ...}, whose
	 * texts have their quotes, backslashes and control characters escaped.
	 */
	HTTPSERVER_API static TUniquePtr<FHttpServerResponse> Error(EHttpServerResponseCodes ResponseCode, const FString& ErrorCode = TEXT(""), const FString& ErrorMessage = TEXT(""));
};
