#include "Dom/JsonValue.h"

#include "Dom/JsonObject.h"
#include "JsonGlobals.h"

#include <cstdlib>

namespace
{
	const TArray<TSharedPtr<FJsonValue>> EmptyArray;

	/** True when the whole text is one number, as the engine's LexTryParseString requires. */
	bool TryParseWholeNumber(const FString& Text, double& OutNumber)
	{
		if (Text.IsEmpty())
		{
			return false;
		}
		const FTCHARToUTF8 Narrow(*Text, Text.Len());
		char* End = nullptr;
		const double Number = std::strtod(Narrow.Get(), &End);
		if (End != Narrow.Get() + Narrow.Length())
		{
			return false;
		}
		OutNumber = Number;
		return true;
	}
}

double FJsonValue::AsNumber() const
{
	double Number = 0.0;
	if (!TryGetNumber(Number))
	{
		ErrorMessage(TEXT("Number"));
	}
	return Number;
}

FString FJsonValue::AsString() const
{
	FString String;
	if (!TryGetString(String))
	{
		ErrorMessage(TEXT("String"));
	}
	return String;
}

bool FJsonValue::AsBool() const
{
	bool bBool = false;
	if (!TryGetBool(bBool))
	{
		ErrorMessage(TEXT("Boolean"));
	}
	return bBool;
}

const TArray<TSharedPtr<FJsonValue>>& FJsonValue::AsArray() const
{
	const TArray<TSharedPtr<FJsonValue>>* Array = &EmptyArray;
	if (!TryGetArray(Array))
	{
		ErrorMessage(TEXT("Array"));
	}
	return *Array;
}

const TSharedPtr<FJsonObject>& FJsonValue::AsObject() const
{
	const TSharedPtr<FJsonObject>* Object = nullptr;
	if (!TryGetObject(Object))
	{
		// As in the engine: one empty object, shared by every misuse, never a null pointer.
		static const TSharedPtr<FJsonObject> EmptyObject = MakeShared<FJsonObject>();
		Object = &EmptyObject;
		ErrorMessage(TEXT("Object"));
	}
	return *Object;
}

void FJsonValue::ErrorMessage(const TCHAR* InType) const
{
	if (IsNull())
	{
		UE_LOG(LogJson, Warning, TEXT("Json Value of type '%s' used as a '%s'."), *GetType(), InType);
	}
	else
	{
		UE_LOG(LogJson, Error, TEXT("Json Value of type '%s' used as a '%s'."), *GetType(), InType);
	}
}

FJsonValueString::FJsonValueString(const FString& InString)
	: Value(InString)
{
	Type = EJson::String;
}

FJsonValueString::FJsonValueString(FString&& InString)
	: Value(MoveTemp(InString))
{
	Type = EJson::String;
}

bool FJsonValueString::TryGetString(FString& OutString) const
{
	OutString = Value;
	return true;
}

bool FJsonValueString::TryGetNumber(double& OutNumber) const
{
	if (!Value.IsNumeric())
	{
		return false;
	}
	OutNumber = FCString::Atod(*Value);
	return true;
}

bool FJsonValueString::TryGetBool(bool& OutBool) const
{
	OutBool = Value.ToBool();
	return true;
}

FJsonValueNumber::FJsonValueNumber(double InNumber)
	: Value(InNumber)
{
	Type = EJson::Number;
}

bool FJsonValueNumber::TryGetNumber(double& OutNumber) const
{
	OutNumber = Value;
	return true;
}

bool FJsonValueNumber::TryGetString(FString& OutString) const
{
	OutString = FString::SanitizeFloat(Value);
	return true;
}

bool FJsonValueNumber::TryGetBool(bool& OutBool) const
{
	OutBool = Value != 0.0;
	return true;
}

FJsonValueNumberString::FJsonValueNumberString(const FString& InString)
	: Value(InString)
{
	Type = EJson::Number;
}

FJsonValueNumberString::FJsonValueNumberString(FString&& InString)
	: Value(MoveTemp(InString))
{
	Type = EJson::Number;
}

bool FJsonValueNumberString::TryGetNumber(double& OutNumber) const
{
	return TryParseWholeNumber(Value, OutNumber);
}

bool FJsonValueNumberString::TryGetString(FString& OutString) const
{
	OutString = Value;
	return true;
}

bool FJsonValueNumberString::TryGetBool(bool& OutBool) const
{
	OutBool = Value.ToBool();
	return true;
}

FJsonValueBoolean::FJsonValueBoolean(bool bInBool)
	: Value(bInBool)
{
	Type = EJson::Boolean;
}

bool FJsonValueBoolean::TryGetNumber(double& OutNumber) const
{
	OutNumber = Value ? 1.0 : 0.0;
	return true;
}

bool FJsonValueBoolean::TryGetString(FString& OutString) const
{
	OutString = Value ? TEXT("true") : TEXT("false");
	return true;
}

bool FJsonValueBoolean::TryGetBool(bool& OutBool) const
{
	OutBool = Value;
	return true;
}

FJsonValueArray::FJsonValueArray(const TArray<TSharedPtr<FJsonValue>>& InArray)
	: Value(InArray)
{
	Type = EJson::Array;
}

FJsonValueArray::FJsonValueArray(TArray<TSharedPtr<FJsonValue>>&& InArray)
	: Value(MoveTemp(InArray))
{
	Type = EJson::Array;
}

bool FJsonValueArray::TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const
{
	OutArray = &Value;
	return true;
}

FJsonValueObject::FJsonValueObject(TSharedPtr<FJsonObject> InObject)
	: Value(MoveTemp(InObject))
{
	Type = EJson::Object;
}

bool FJsonValueObject::TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const
{
	OutObject = &Value;
	return true;
}

FJsonValueNull::FJsonValueNull()
{
	Type = EJson::Null;
}
