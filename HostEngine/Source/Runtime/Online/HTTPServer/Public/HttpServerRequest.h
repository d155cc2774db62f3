#pragma once

#include "CoreMinimal.h"
#include "HttpPath.h"
#include "Misc/EnumClassFlags.h"

/** Request verbs; a route binds a combination of them. */
enum class EHttpServerRequestVerbs : uint16
{
	VERB_NONE = 0,
	VERB_GET = 1 << 0,
	VERB_POST = 1 << 1,
	VERB_PUT = 1 << 2,
	VERB_PATCH = 1 << 3,
	VERB_DELETE = 1 << 4,
	VERB_OPTIONS = 1 << 5,
	VERB_HEAD = 1 << 6,
	VERB_TRACE = 1 << 7,
	VERB_CONNECT = 1 << 8,
};

ENUM_CLASS_FLAGS(EHttpServerRequestVerbs);

/** A request as its route handler sees it. */
struct FHttpServerRequest
{
public:
	FHttpServerRequest()
	{
	}

	/** The path as the request line gave it, without the query and not decoded. */
	FHttpPath FullPath;

	/** The path below the route that matched: "/b" for a request to "/a/b" bound at "/a". */
	FHttpPath RelativePath;

	EHttpServerRequestVerbs Verb = EHttpServerRequestVerbs::VERB_NONE;

	/** Lower-case header names, each with its values split at commas. */
	TMap<FString, TArray<FString>> Headers;

	/** The query's name=value pairs, URL-decoded; a pair without '=' is left out. */
	TMap<FString, FString> QueryParams;

	TArray<uint8> Body;
};
