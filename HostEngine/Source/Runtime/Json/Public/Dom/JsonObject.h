#pragma once

#include "CoreMinimal.h"
#include "Containers/StringView.h"
#include "Dom/JsonValue.h"

/** A JSON object: named values in insertion order. Names compare ignoring case, as FString keys do. */
class JSON_API FJsonObject
{
public:
	TMap<FString, TSharedPtr<FJsonValue>> Values;

	/** The named value, or null when there is none. */
	TSharedPtr<FJsonValue> TryGetField(FStringView FieldName) const;

	bool HasField(FStringView FieldName) const;
	bool HasTypedField(FStringView FieldName, EJson JsonType) const;

	/** Adds the value, or replaces the one already stored under that name. */
	void SetField(const FString& FieldName, const TSharedPtr<FJsonValue>& Value);
	void RemoveField(FStringView FieldName);

	/** The named value as text; numbers and booleans are converted. False when missing or not convertible. */
	bool TryGetStringField(FStringView FieldName, FString& OutString) const;
	bool TryGetBoolField(FStringView FieldName, bool& OutBool) const;
	bool TryGetNumberField(FStringView FieldName, double& OutNumber) const;
	bool TryGetObjectField(FStringView FieldName, const TSharedPtr<FJsonObject>*& OutObject) const;
	bool TryGetArrayField(FStringView FieldName, const TArray<TSharedPtr<FJsonValue>>*& OutArray) const;

	/** The named value as text, or "" with a message in the log when it is missing or not text. */
	FString GetStringField(FStringView FieldName) const;

	void SetStringField(const FString& FieldName, const FString& StringValue);
	void SetBoolField(const FString& FieldName, bool InValue);
	void SetNumberField(const FString& FieldName, double Number);
	void SetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>& JsonObject);
	void SetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>& Array);
};
