#pragma once

#include "CoreMinimal.h"
#include "Serialization/JsonTypes.h"

class FJsonObject;

/** A JSON value of any kind; the Try* functions convert between kinds where the engine allows it. */
class JSON_API FJsonValue
{
public:
	virtual ~FJsonValue() = default;

	/** The number, or 0 with an error in the log when the value cannot be read as one. */
	double AsNumber() const;

	/** The text, or "" with an error in the log when the value cannot be read as text. */
	FString AsString() const;

	/** The boolean, or false with an error in the log when the value cannot be read as one. */
	bool AsBool() const;

	/** The elements, or an empty array with an error in the log when this is not an array. */
	const TArray<TSharedPtr<FJsonValue>>& AsArray() const;

	/** The object, or null with an error in the log when this is not an object. */
	const TSharedPtr<FJsonObject>& AsObject() const;

	virtual bool TryGetNumber(double& OutNumber) const { return false; }
	virtual bool TryGetString(FString& OutString) const { return false; }
	virtual bool TryGetBool(bool& OutBool) const { return false; }
	virtual bool TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const { return false; }
	virtual bool TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const { return false; }

	/** True for numbers kept as their source text, which writers put out unchanged. */
	virtual bool PreferStringRepresentation() const { return false; }

	bool IsNull() const { return Type == EJson::Null || Type == EJson::None; }

	EJson Type = EJson::None;

protected:
	FJsonValue() = default;

	/** The kind's name for log messages. */
	virtual FString GetType() const = 0;

	void ErrorMessage(const TCHAR* InType) const;
};

/** A JSON string. */
class JSON_API FJsonValueString : public FJsonValue
{
public:
	FJsonValueString(const FString& InString);
	FJsonValueString(FString&& InString);

	virtual bool TryGetString(FString& OutString) const override;
	virtual bool TryGetNumber(double& OutNumber) const override;
	virtual bool TryGetBool(bool& OutBool) const override;

protected:
	virtual FString GetType() const override { return TEXT("String"); }

	FString Value;
};

/** A JSON number held as a double. */
class JSON_API FJsonValueNumber : public FJsonValue
{
public:
	FJsonValueNumber(double InNumber);

	virtual bool TryGetNumber(double& OutNumber) const override;
	virtual bool TryGetString(FString& OutString) const override;
	virtual bool TryGetBool(bool& OutBool) const override;

protected:
	virtual FString GetType() const override { return TEXT("Number"); }

	double Value;
};

/** A JSON number kept as the text it was written with, so no digit is lost. */
class JSON_API FJsonValueNumberString : public FJsonValue
{
public:
	FJsonValueNumberString(const FString& InString);
	FJsonValueNumberString(FString&& InString);

	virtual bool TryGetNumber(double& OutNumber) const override;
	virtual bool TryGetString(FString& OutString) const override;
	virtual bool TryGetBool(bool& OutBool) const override;
	virtual bool PreferStringRepresentation() const override { return true; }

protected:
	virtual FString GetType() const override { return TEXT("NumberString"); }

	FString Value;
};

/** A JSON true or false. */
class JSON_API FJsonValueBoolean : public FJsonValue
{
public:
	FJsonValueBoolean(bool bInBool);

	virtual bool TryGetNumber(double& OutNumber) const override;
	virtual bool TryGetString(FString& OutString) const override;
	virtual bool TryGetBool(bool& OutBool) const override;

protected:
	virtual FString GetType() const override { return TEXT("Boolean"); }

	bool Value;
};

/** A JSON array. */
class JSON_API FJsonValueArray : public FJsonValue
{
public:
	FJsonValueArray(const TArray<TSharedPtr<FJsonValue>>& InArray);
	FJsonValueArray(TArray<TSharedPtr<FJsonValue>>&& InArray);

	virtual bool TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const override;

protected:
	virtual FString GetType() const override { return TEXT("Array"); }

	TArray<TSharedPtr<FJsonValue>> Value;
};

/** A JSON object. */
class JSON_API FJsonValueObject : public FJsonValue
{
public:
	FJsonValueObject(TSharedPtr<FJsonObject> InObject);

	virtual bool TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const override;

protected:
	virtual FString GetType() const override { return TEXT("Object"); }

	TSharedPtr<FJsonObject> Value;
};

/** A JSON null. */
class JSON_API FJsonValueNull : public FJsonValue
{
public:
	FJsonValueNull();

protected:
	virtual FString GetType() const override { return TEXT("Null"); }
};
