#pragma once

#include "CoreMinimal.h"
#include "HttpRequestHandler.h"

/** A server path such as "/api/items": no trailing slash except the root "/". */
struct FHttpPath
{
public:
	HTTPSERVER_API FHttpPath();

	HTTPSERVER_API FHttpPath(FString InPath);

	HTTPSERVER_API const FString& GetPath() const;

	HTTPSERVER_API void SetPath(FString Path);

	/**
	 * Whether routes may be bound to this path: it starts with "/", is not the root, and holds only
	 * characters from '!' to '~' other than . , < > [ ] { } # | ^ and \.
	 */
	HTTPSERVER_API bool IsValidPath() const;

	HTTPSERVER_API bool IsRoot() const;

	/** Drops the leading OtherPath, so "/a/b/c" relative to "/a" is "/b/c", and "/a" relative to "/a" is "/". */
	HTTPSERVER_API void MakeRelative(const FString& OtherPath);

	bool operator==(const FHttpPath& Other) const
	{
		return Path.Equals(Other.Path, ESearchCase::CaseSensitive);
	}

	friend uint32 GetTypeHash(const FHttpPath& InPath)
	{
		return GetTypeHash(InPath.GetPath());
	}

private:
	void NormalizePath();

	FString Path = TEXT("/");
};
