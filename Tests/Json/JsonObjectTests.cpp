#include "../Core/ExactText.h"
#include "Dom/JsonObject.h"
#include "LogCapture.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <gtest/gtest.h>

class FJsonObjectTest : public testing::Test
{
protected:
	static TSharedPtr<FJsonObject> Read(const TCHAR* Text, FJsonSerializer::EFlags Flags = FJsonSerializer::EFlags::None)
	{
		TSharedPtr<FJsonObject> Object;
		EXPECT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Object, Flags)) << TCHAR_TO_UTF8(Text);
		return Object;
	}
};

// UE 5.4 Json/Public/Dom/JsonValue.h, 5.8 Json/Private/Dom/JsonValue.cpp
TEST_F(FJsonObjectTest, FieldsConvertBetweenKindsAsTheEngineDoes)
{
	const TSharedPtr<FJsonObject> Object = Read(TEXT("{\"text\":\"hello\",\"yes\":\"Yes\",\"off\":\"off\",\"digits\":\"12\",\"zero\":\"0\",")
		TEXT("\"int\":3,\"half\":1.5,\"long\":0.1234567,\"nought\":0,\"t\":true,\"f\":false,\"null\":null,\"array\":[1],\"object\":{\"a\":1}}"));
	const TSharedPtr<FJsonObject> Raw = Read(TEXT("{\"raw\":12345678901234567890,\"rawzero\":0.0,\"rawhalf\":-2.50}"), FJsonSerializer::EFlags::StoreNumbersAsStrings);
	ASSERT_TRUE(Object.IsValid() && Raw.IsValid());
	for (const TPair<FString, TSharedPtr<FJsonValue>>& Member : Raw->Values)
	{
		Object->SetField(Member.Key, Member.Value);
	}

	struct FCase
	{
		const TCHAR* Field;
		bool bString;
		const char16_t* String;
		bool bBool;
		bool bBoolValue;
		bool bNumber;
		double Number;
	};
	const FCase Cases[] = {
		{TEXT("text"), true, u"hello", true, false, false, 0.0},
		{TEXT("yes"), true, u"Yes", true, true, false, 0.0},
		{TEXT("off"), true, u"off", true, false, false, 0.0},
		{TEXT("digits"), true, u"12", true, true, true, 12.0},
		{TEXT("zero"), true, u"0", true, false, true, 0.0},
		{TEXT("int"), true, u"3", true, true, true, 3.0},
		{TEXT("half"), true, u"1.5", true, true, true, 1.5},
		{TEXT("long"), true, u"0.123457", true, true, true, 0.1234567},
		{TEXT("nought"), true, u"0", true, false, true, 0.0},
		{TEXT("t"), true, u"true", true, true, true, 1.0},
		{TEXT("f"), true, u"false", true, false, true, 0.0},
		{TEXT("raw"), true, u"12345678901234567890", true, true, true, 12345678901234567890.0},
		{TEXT("rawzero"), true, u"0.0", true, false, true, 0.0},
		{TEXT("rawhalf"), true, u"-2.50", true, true, true, -2.5},
		{TEXT("null"), false, u"", false, false, false, 0.0},
		{TEXT("array"), false, u"", false, false, false, 0.0},
		{TEXT("object"), false, u"", false, false, false, 0.0},
		{TEXT("missing"), false, u"", false, false, false, 0.0},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Field));
		FString String = TEXT("untouched");
		bool bBool = !Case.bBoolValue;
		double Number = -1.0;
		EXPECT_EQ(Object->TryGetStringField(Case.Field, String), Case.bString);
		EXPECT_EQ(Object->TryGetBoolField(Case.Field, bBool), Case.bBool);
		EXPECT_EQ(Object->TryGetNumberField(Case.Field, Number), Case.bNumber);
		if (Case.bString)
		{
			EXPECT_EQ(ExactText(String), Case.String);
		}
		if (Case.bBool)
		{
			EXPECT_EQ(bBool, Case.bBoolValue);
		}
		if (Case.bNumber)
		{
			EXPECT_EQ(Number, Case.Number);
		}
	}
}

// UE 5.8, Json/Private/Dom/JsonObject.cpp
TEST_F(FJsonObjectTest, FieldNamesIgnoreCase)
{
	const TSharedPtr<FJsonObject> Object = Read(TEXT("{\"UserName\":\"ann\",\"list\":[true],\"inner\":{}}"));
	ASSERT_TRUE(Object.IsValid());
	for (const TCHAR* Name : {TEXT("UserName"), TEXT("username"), TEXT("USERNAME")})
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Name));
		EXPECT_TRUE(Object->HasField(Name));
		EXPECT_TRUE(Object->HasTypedField(Name, EJson::String));
		EXPECT_FALSE(Object->HasTypedField(Name, EJson::Number));
		const TSharedPtr<FJsonValue> Field = Object->TryGetField(FString(Name));
		ASSERT_TRUE(Field.IsValid());
		EXPECT_EQ(ExactText(Field->AsString()), u"ann");
	}
	const TArray<TSharedPtr<FJsonValue>>* List = nullptr;
	EXPECT_TRUE(Object->TryGetArrayField(TEXT("LIST"), List));
	const TSharedPtr<FJsonObject>* Inner = nullptr;
	EXPECT_TRUE(Object->TryGetObjectField(TEXT("Inner"), Inner));
	EXPECT_FALSE(Object->TryGetObjectField(TEXT("list"), Inner)) << "an array is not an object";
	EXPECT_FALSE(Object->TryGetArrayField(TEXT("missing"), List));

	Object->SetStringField(TEXT("USERNAME"), TEXT("bob"));
	EXPECT_EQ(Object->Values.Num(), 3) << "setting under another spelling replaces";
	EXPECT_EQ(ExactText(Object->GetStringField(TEXT("username"))), u"bob");
	Object->RemoveField(TEXT("userNAME"));
	EXPECT_FALSE(Object->HasField(TEXT("UserName")));
	EXPECT_EQ(Object->Values.Num(), 2);
}

// UE 5.4, Json/Private/Dom/JsonValue.cpp: AsObject never gives a null pointer; misused nulls only warn.
TEST_F(FJsonObjectTest, MisusedValuesLogAndGiveDefaults)
{
	const TSharedPtr<FJsonObject> Object = Read(TEXT("{\"list\":[1],\"text\":\"abc\",\"nothing\":null}"));
	ASSERT_TRUE(Object.IsValid());
	FLogCapture Log;
	EXPECT_TRUE(Object->GetStringField(TEXT("missing")).IsEmpty());
	EXPECT_TRUE(Object->GetStringField(TEXT("list")).IsEmpty());
	const TSharedPtr<FJsonValue> Text = Object->TryGetField(TEXT("text"));
	EXPECT_EQ(Text->AsNumber(), 0.0);
	ASSERT_TRUE(Text->AsObject().IsValid());
	EXPECT_EQ(Text->AsObject()->Values.Num(), 0);
	EXPECT_TRUE(Text->AsArray().IsEmpty());
	EXPECT_TRUE(Object->TryGetField(TEXT("nothing"))->AsString().IsEmpty());
	ASSERT_EQ(Log.Lines.Num(), 7) << "one line per misuse";
	EXPECT_TRUE(Log.Lines[1].Equals(TEXT("LogJson: Error: Json Value of type 'Array' used as a 'String'."), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Log.Lines[1]);
	EXPECT_TRUE(Log.Lines[6].Equals(TEXT("LogJson: Warning: Json Value of type 'Null' used as a 'String'."), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Log.Lines[6]);
}
