#include "HttpServerResponse.h"
#include "HttpServerConstantsPrivate.h"

TUniquePtr<FHttpServerResponse> FHttpServerResponse::Create(const FString& Text, const FString& ContentType)
{
	TUniquePtr<FHttpServerResponse> Response = MakeUnique<FHttpServerResponse>();
	Response->Code = EHttpServerResponseCodes::Ok;
	// Converted as a C string, so the body ends at the text's first NUL.
	const FTCHARToUTF8 Utf8Text(*Text);
	Response->Body.Append(reinterpret_cast<const uint8*>(Utf8Text.Get()), Utf8Text.Length());
	Response->Headers.Add(UE_HTTP_SERVER_HEADER_KEYS_CONTENT_TYPE, {FString::Printf(TEXT("%s;charset=utf-8"), *ContentType)});
	return Response;
}

TUniquePtr<FHttpServerResponse> FHttpServerResponse::Create(TArray<uint8>&& RawBytes, FString ContentType)
{
	TUniquePtr<FHttpServerResponse> Response = MakeUnique<FHttpServerResponse>(MoveTemp(RawBytes));
	Response->Code = EHttpServerResponseCodes::Ok;
	Response->Headers.Add(UE_HTTP_SERVER_HEADER_KEYS_CONTENT_TYPE, {MoveTemp(ContentType)});
	return Response;
}

TUniquePtr<FHttpServerResponse> FHttpServerResponse::Ok()
{
	TUniquePtr<FHttpServerResponse> Response = MakeUnique<FHttpServerResponse>();
	Response->Code = EHttpServerResponseCodes::NoContent;
	return Response;
}

TUniquePtr<FHttpServerResponse> FHttpServerResponse::Error(EHttpServerResponseCodes ResponseCode, const FString& ErrorCode, const FString& ErrorMessage)
{
	const FString Body = FString::Printf(TEXT("{\"errorCode\": \"%s\", \"errorMessage\": \"%s\"}"), *ErrorCode.ReplaceCharWithEscapedChar(), *ErrorMessage.ReplaceCharWithEscapedChar());
	TUniquePtr<FHttpServerResponse> Response = Create(Body, TEXT("application/json"));
	Response->Code = ResponseCode;
	return Response;
}
