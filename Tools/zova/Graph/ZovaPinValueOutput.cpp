#include "Graph/ZovaPinValueOutput.h"

#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "HostGraphEvaluator.h"
#include "UObject/UnrealType.h"

namespace
{
	/** A single value as a person reads it: strings as they are, true/false, plain numbers. */
	FString ToText(const FProperty* Property, const void* Data)
	{
		if (Property->IsA<FStrProperty>())
		{
			return *static_cast<const FString*>(Data);
		}
		if (Property->IsA<FNameProperty>())
		{
			return static_cast<const FName*>(Data)->ToString();
		}
		if (Property->IsA<FTextProperty>())
		{
			return static_cast<const FText*>(Data)->ToString();
		}
		if (const FBoolProperty* const BoolProperty = CastField<FBoolProperty>(Property))
		{
			return BoolProperty->GetPropertyValue(Data) ? TEXT("true") : TEXT("false");
		}
		if (const FNumericProperty* const NumericProperty = CastField<FNumericProperty>(Property))
		{
			return NumericProperty->IsFloatingPoint() ? FString::SanitizeFloat(NumericProperty->GetFloatingPointPropertyValue(Data)) : LexToString(NumericProperty->GetSignedIntPropertyValue(Data));
		}
		FString Exported;
		Property->ExportTextItem_Direct(Exported, Data, nullptr, nullptr, PPF_None);
		return Exported;
	}

	TSharedPtr<FJsonValue> ToJsonValue(const FProperty* Property, const void* Data)
	{
		if (const FArrayProperty* const ArrayProperty = CastField<FArrayProperty>(Property))
		{
			const FScriptArrayHelper Array(ArrayProperty, Data);
			TArray<TSharedPtr<FJsonValue>> Elements;
			for (int32 Index = 0; Index < Array.Num(); ++Index)
			{
				Elements.Add(ToJsonValue(ArrayProperty->Inner, Array.GetRawPtr(Index)));
			}
			return MakeShared<FJsonValueArray>(MoveTemp(Elements));
		}
		if (const FMapProperty* const MapProperty = CastField<FMapProperty>(Property))
		{
			const FScriptMapHelper Map(MapProperty, Data);
			const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			for (int32 Index = 0; Index < Map.Num(); ++Index)
			{
				Object->SetField(ToText(MapProperty->KeyProp, Map.GetKeyPtr(Index)), ToJsonValue(MapProperty->ValueProp, Map.GetValuePtr(Index)));
			}
			return MakeShared<FJsonValueObject>(Object);
		}
		if (const FBoolProperty* const BoolProperty = CastField<FBoolProperty>(Property))
		{
			return MakeShared<FJsonValueBoolean>(BoolProperty->GetPropertyValue(Data));
		}
		if (const FNumericProperty* const NumericProperty = CastField<FNumericProperty>(Property))
		{
			return MakeShared<FJsonValueNumber>(NumericProperty->IsFloatingPoint() ? NumericProperty->GetFloatingPointPropertyValue(Data) : (double)NumericProperty->GetSignedIntPropertyValue(Data));
		}
		return MakeShared<FJsonValueString>(ToText(Property, Data));
	}
}

TSharedPtr<FJsonValue> ZovaPinValueOutput::ToJson(const FHostPinValue& Value)
{
	return ToJsonValue(Value.GetProperty(), Value.GetData());
}

TArray<FString> ZovaPinValueOutput::ToLines(const FHostPinValue& Value)
{
	TArray<FString> Lines;
	if (const FArrayProperty* const ArrayProperty = CastField<FArrayProperty>(Value.GetProperty()))
	{
		const FScriptArrayHelper Array(ArrayProperty, Value.GetData());
		for (int32 Index = 0; Index < Array.Num(); ++Index)
		{
			Lines.Add(ToText(ArrayProperty->Inner, Array.GetRawPtr(Index)));
		}
	}
	else if (const FMapProperty* const MapProperty = CastField<FMapProperty>(Value.GetProperty()))
	{
		const FScriptMapHelper Map(MapProperty, Value.GetData());
		for (int32 Index = 0; Index < Map.Num(); ++Index)
		{
			Lines.Add(FString::Printf(TEXT("%s = %s"), *ToText(MapProperty->KeyProp, Map.GetKeyPtr(Index)), *ToText(MapProperty->ValueProp, Map.GetValuePtr(Index))));
		}
	}
	else
	{
		Lines.Add(ToText(Value.GetProperty(), Value.GetData()));
	}
	return Lines;
}
