#include "HttpRequestReader.h"
#include "HttpServerConstantsPrivate.h"

#include <httplib.h>

#include <algorithm>

namespace
{
	FString FromUtf8(const std::string& Utf8)
	{
		const FUTF8ToTCHAR Converted(Utf8.data(), (int32)Utf8.size());
		return FString::ConstructFromPtrSize(Converted.Get(), Converted.Length());
	}

	int32 HexDigitValue(UTF8CHAR Character)
	{
		if (Character >= '0' && Character <= '9')
		{
			return Character - '0';
		}
		if (Character >= 'a' && Character <= 'f')
		{
			return Character - 'a' + 10;
		}
		if (Character >= 'A' && Character <= 'F')
		{
			return Character - 'A' + 10;
		}
		return 0;
	}

	void AppendCodePointAsUtf8(uint32 CodePoint, TArray<UTF8CHAR>& OutBytes)
	{
		if (CodePoint < 0x80)
		{
			OutBytes.Add((UTF8CHAR)CodePoint);
		}
		else if (CodePoint < 0x800)
		{
			OutBytes.Append({(UTF8CHAR)(0xC0 | (CodePoint >> 6)), (UTF8CHAR)(0x80 | (CodePoint & 0x3F))});
		}
		else
		{
			OutBytes.Append({(UTF8CHAR)(0xE0 | (CodePoint >> 12)), (UTF8CHAR)(0x80 | ((CodePoint >> 6) & 0x3F)), (UTF8CHAR)(0x80 | (CodePoint & 0x3F))});
		}
	}

	/**
	 * The engine's URL decoding: %XX is a byte and %uXXXX a code point (a digit that is not hex counts
	 * as 0), a '%' with too few characters after it is dropped, '+' stays '+', and the bytes are read
	 * as UTF-8 up to the first zero.
	 */
	FString UrlDecode(const FString& Encoded)
	{
		const FTCHARToUTF8 Utf8(*Encoded, Encoded.Len());
		const UTF8CHAR* const Bytes = reinterpret_cast<const UTF8CHAR*>(Utf8.Get());
		const int32 Length = Utf8.Length();
		TArray<UTF8CHAR> Decoded;
		for (int32 Index = 0; Index < Length;)
		{
			if (Bytes[Index] != '%')
			{
				Decoded.Add(Bytes[Index++]);
			}
			else if (Index < Length - 1 && Bytes[Index + 1] == 'u' && Index <= Length - 6)
			{
				const uint32 CodePoint = (HexDigitValue(Bytes[Index + 2]) << 12) | (HexDigitValue(Bytes[Index + 3]) << 8) | (HexDigitValue(Bytes[Index + 4]) << 4) | HexDigitValue(Bytes[Index + 5]);
				AppendCodePointAsUtf8(CodePoint, Decoded);
				Index += 6;
			}
			else if (!(Index < Length - 1 && Bytes[Index + 1] == 'u') && Index <= Length - 3)
			{
				Decoded.Add((UTF8CHAR)((HexDigitValue(Bytes[Index + 1]) << 4) | HexDigitValue(Bytes[Index + 2])));
				Index += 3;
			}
			else
			{
				++Index;
			}
		}
		Decoded.Add('\0');
		return FString(Decoded.GetData());
	}

	EHttpServerRequestVerbs ToVerb(const std::string& Method)
	{
		static const TPair<const char*, EHttpServerRequestVerbs> Verbs[] = {
			{"GET", EHttpServerRequestVerbs::VERB_GET},
			{"POST", EHttpServerRequestVerbs::VERB_POST},
			{"PUT", EHttpServerRequestVerbs::VERB_PUT},
			{"DELETE", EHttpServerRequestVerbs::VERB_DELETE},
			{"PATCH", EHttpServerRequestVerbs::VERB_PATCH},
			{"OPTIONS", EHttpServerRequestVerbs::VERB_OPTIONS},
			{"HEAD", EHttpServerRequestVerbs::VERB_HEAD},
		};
		for (const TPair<const char*, EHttpServerRequestVerbs>& Verb : Verbs)
		{
			if (Method == Verb.Key)
			{
				return Verb.Value;
			}
		}
		return EHttpServerRequestVerbs::VERB_NONE;
	}

	void ReadPathAndQuery(const FString& Target, FHttpServerRequest& OutRequest)
	{
		FString Path = Target.TrimStartAndEnd();
		int32 QueryIndex = INDEX_NONE;
		if (Path.FindChar(TEXT('?'), QueryIndex))
		{
			TArray<FString> Pairs;
			Path.Mid(QueryIndex + 1).ParseIntoArray(Pairs, TEXT("&"), true);
			for (const FString& Pair : Pairs)
			{
				int32 EqualsIndex = INDEX_NONE;
				if (Pair.FindChar(TEXT('='), EqualsIndex))
				{
					OutRequest.QueryParams.Emplace(UrlDecode(Pair.Left(EqualsIndex)), UrlDecode(Pair.Mid(EqualsIndex + 1)));
				}
			}
			Path.LeftInline(QueryIndex);
		}
		OutRequest.RelativePath.SetPath(Path);
		OutRequest.FullPath.SetPath(Path);
	}

	void ReadHeaders(const httplib::Headers& LibraryHeaders, FHttpServerRequest& OutRequest)
	{
		for (const std::pair<const std::string, std::string>& Header : LibraryHeaders)
		{
			// The library files the peer's and its own address among the headers.
			static const char* const LibraryPseudoHeaders[] = {"REMOTE_ADDR", "REMOTE_PORT", "LOCAL_ADDR", "LOCAL_PORT"};
			if (std::find(std::begin(LibraryPseudoHeaders), std::end(LibraryPseudoHeaders), Header.first) != std::end(LibraryPseudoHeaders))
			{
				continue;
			}
			TArray<FString> Values;
			FromUtf8(Header.second).TrimStartAndEnd().ParseIntoArray(Values, TEXT(","), true);
			if (Values.Num() > 0)
			{
				OutRequest.Headers.FindOrAdd(FromUtf8(Header.first).TrimStartAndEnd().ToLower()).Append(MoveTemp(Values));
			}
		}
	}

	/** The engine's check of the body length against the verb. @return the refusal's reason, or null when the request may be routed */
	const TCHAR* CheckContentLength(const FHttpServerRequest& Request, EHttpServerResponseCodes& OutCode)
	{
		const TArray<FString>* const ContentLengths = Request.Headers.Find(UE_HTTP_SERVER_HEADER_KEYS_CONTENT_LENGTH);
		const bool bContentLengthSpecified = ContentLengths != nullptr && ContentLengths->Num() > 0;
		const int32 ContentLength = bContentLengthSpecified ? std::max(0, FCString::Atoi(*(*ContentLengths)[0])) : 0;
		switch (Request.Verb)
		{
		case EHttpServerRequestVerbs::VERB_GET:
			if (bContentLengthSpecified && ContentLength != 0)
			{
				OutCode = EHttpServerResponseCodes::BadRequest;
				return UE_HTTP_SERVER_ERROR_STR_INVALID_CONTENT_LENGTH_HEADER;
			}
			break;
		case EHttpServerRequestVerbs::VERB_PUT:
		case EHttpServerRequestVerbs::VERB_POST:
			if (!bContentLengthSpecified)
			{
				OutCode = EHttpServerResponseCodes::LengthRequired;
				return UE_HTTP_SERVER_ERROR_STR_MISSING_CONTENT_LENGTH_HEADER;
			}
			break;
		default:
			break;
		}
		return nullptr;
	}
}

TSharedPtr<FHttpServerRequest> FHttpRequestReader::Read(const httplib::Request& LibraryRequest, TUniquePtr<FHttpServerResponse>& OutReadError, FString& OutReadErrorText)
{
	const TSharedRef<FHttpServerRequest> Request = MakeShared<FHttpServerRequest>();
	Request->Verb = ToVerb(LibraryRequest.method);
	ReadPathAndQuery(FromUtf8(LibraryRequest.target), *Request);
	ReadHeaders(LibraryRequest.headers, *Request);
	Request->Body.Append(reinterpret_cast<const uint8*>(LibraryRequest.body.data()), (int32)LibraryRequest.body.size());

	EHttpServerResponseCodes RefusalCode = EHttpServerResponseCodes::Unknown;
	if (const TCHAR* const Refusal = CheckContentLength(*Request, RefusalCode))
	{
		OutReadErrorText = Refusal;
		OutReadError = FHttpServerResponse::Error(RefusalCode, OutReadErrorText);
		return nullptr;
	}
	return Request;
}
