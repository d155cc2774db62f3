#pragma once

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Serialization/RapidJsonIncludes.h"

/**
 * Receives RapidJSON's reader events and builds the FJsonValue tree straight away. Values wait on one
 * shared stack until their container closes, so each array and map is allocated once at its final
 * size, and strings are moved rather than copied. A string holding an unpaired surrogate fails the
 * read; it is not replaced.
 */
class FJsonTreeBuilder
{
public:
	typedef TCHAR Ch;

	/** Documents nested deeper than this are refused; real data never needs more, and code that walks trees recursively stays safe. */
	static constexpr int32 MaxDepth = 512;

	enum class EFailure
	{
		None,
		TooDeep,
		WrongRoot,
		LoneSurrogate,
		NumberTooBig
	};

	/**
	 * @param InRootType - EJson::Object or EJson::Array to accept only that kind of root, EJson::None for any
	 * @param bInKeepNumberText - numbers become FJsonValueNumberString with their text as written, else FJsonValueNumber
	 */
	FJsonTreeBuilder(EJson InRootType, bool bInKeepNumberText);

	bool Null();
	bool Bool(bool bValue);
	bool Int(int Value);
	bool Uint(unsigned Value);
	bool Int64(int64_t Value);
	bool Uint64(uint64_t Value);
	bool Double(double Value);
	/** Every number, as written: the reader runs with kParseNumbersAsStringsFlag. */
	bool RawNumber(const Ch* Text, rapidjson::SizeType Length, bool bCopy);
	bool String(const Ch* Text, rapidjson::SizeType Length, bool bCopy);
	bool StartObject();
	bool Key(const Ch* Text, rapidjson::SizeType Length, bool bCopy);
	bool EndObject(rapidjson::SizeType MemberCount);
	bool StartArray();
	bool EndArray(rapidjson::SizeType ElementCount);

	/** Why the builder stopped the reader, if it did. */
	EFailure GetFailure() const { return Failure; }

	/** The finished document's root. */
	TSharedPtr<FJsonValue> TakeRoot() { return MoveTemp(Root); }

private:
	bool AddValue(TSharedPtr<FJsonValue>&& Value);
	bool AddScalar(TSharedPtr<FJsonValue>&& Value);
	bool Open(EJson Container);
	bool Fail(EFailure InFailure);

	const EJson RootType;
	const bool bKeepNumberText;
	EFailure Failure = EFailure::None;
	int32 Depth = 0;
	/** The values of every open array and object, innermost last; each container takes its own off the top when it closes. */
	TArray<TSharedPtr<FJsonValue>> OpenValues;
	/** The member names of every open object, matching their values in OpenValues. */
	TArray<FString> OpenKeys;
	TSharedPtr<FJsonValue> Root;
};
