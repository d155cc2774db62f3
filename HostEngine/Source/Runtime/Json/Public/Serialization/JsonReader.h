#pragma once

#include "CoreMinimal.h"

class FJsonSerializer;

template <class CharType = TCHAR>
class TJsonReaderFactory;

/**
 * JSON text waiting to be read by FJsonSerializer::Deserialize, and the reason the last read failed.
 * Host engine: the engine's reader is a token stream over an archive; this one holds the whole text,
 * which the serializer parses in one pass.
 */
template <class CharType = TCHAR>
class TJsonReader
{
public:
	virtual ~TJsonReader() = default;

	/** Why the last read failed, ending with the line and character where reading stopped. */
	const FString& GetErrorMessage() const { return ErrorMessage; }

protected:
	explicit TJsonReader(const FString& InText)
		: Text(InText)
	{
	}

private:
	template <class>
	friend class TJsonReaderFactory;
	friend class FJsonSerializer;

	FString Text;
	FString ErrorMessage;
};

template <class CharType>
class TJsonReaderFactory
{
public:
	/** A reader over a copy of the text. */
	static TSharedRef<TJsonReader<TCHAR>> Create(const FString& JsonString)
	{
		return TSharedRef<TJsonReader<TCHAR>>(new TJsonReader<TCHAR>(JsonString));
	}
};
