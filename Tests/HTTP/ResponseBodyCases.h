#pragma once

#include <string>
#include <vector>

/** A response body, and the text that IHttpResponse::GetContentAsString makes of it in the engine. */
struct FResponseBodyCase
{
	const char* Name;
	std::string Body;
	std::u16string Text;
};

// UE 5.4 Online/HTTP/Private/Curl/CurlHttp.cpp, UE 5.8 Online/HTTP/Private/GenericPlatform/HttpResponseCommon.cpp:
// FUTF8ToTCHAR by length, then FString(int32, const TCHAR*), which gives nothing for a leading zero.
inline const std::vector<FResponseBodyCase>& GetResponseBodyCases()
{
	using namespace std::string_literals;
	static const std::vector<FResponseBodyCase> Cases = {
		{"ZeroInside", "before\0after"s, u"before\0after"s},
		{"ZerosAtTheEnd", "a\0\0"s, u"a\0"s},
		{"ZeroFirst", "\0after"s, u""},
		{"InvalidUtf8", "caf\xC3" "e\xED\xA0\x80x\xFF", u"caf??x?"},
	};
	return Cases;
}
