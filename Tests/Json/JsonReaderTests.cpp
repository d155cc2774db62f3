#include "../Core/ExactText.h"
#include "Dom/JsonObject.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

class FJsonReaderTest : public testing::Test
{
protected:
	/** Reads any root; checks that the result and the error message agree. */
	static TSharedPtr<FJsonValue> Read(const FString& Text, FJsonSerializer::EFlags Flags = FJsonSerializer::EFlags::None, FString* OutError = nullptr)
	{
		const TSharedRef<TJsonReader<TCHAR>> Reader = TJsonReaderFactory<TCHAR>::Create(Text);
		TSharedPtr<FJsonValue> Value;
		const bool bRead = FJsonSerializer::Deserialize(Reader, Value, Flags);
		EXPECT_EQ(bRead, Value.IsValid());
		EXPECT_EQ(bRead, Reader->GetErrorMessage().IsEmpty()) << TCHAR_TO_UTF8(*Reader->GetErrorMessage());
		if (OutError != nullptr)
		{
			*OutError = Reader->GetErrorMessage();
		}
		return Value;
	}

	static bool ReadsAsObject(const FString& Text)
	{
		TSharedPtr<FJsonObject> Object;
		return FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Object) && Object.IsValid();
	}

	static bool ReadsAsArray(const FString& Text)
	{
		TArray<TSharedPtr<FJsonValue>> Array;
		return FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Array);
	}

	/** Text nested Depth levels deep, alternating arrays and objects, around a 0. */
	static FString Nested(int32 Depth)
	{
		FString Text;
		Text.Reserve(Depth * 6);
		for (int32 Level = 0; Level < Depth; ++Level)
		{
			Text += Level % 2 == 0 ? TEXT("[") : TEXT("{\"k\":");
		}
		Text += TEXT("0");
		for (int32 Level = Depth - 1; Level >= 0; --Level)
		{
			Text += Level % 2 == 0 ? TEXT("]") : TEXT("}");
		}
		return Text;
	}
};

TEST_F(FJsonReaderTest, EachOverloadAcceptsItsRootKind)
{
	struct FCase
	{
		const TCHAR* Text;
		bool bObject;
		bool bArray;
	};
	const FCase Cases[] = {
		{TEXT(" {\"a\": [1, {}]} \r\n\t"), true, false},
		{TEXT("[{\"a\": 1}]"), false, true},
		{TEXT("\"text\""), false, false},
		{TEXT("-3.5e2"), false, false},
		{TEXT("true"), false, false},
		{TEXT("null"), false, false},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Text));
		EXPECT_EQ(ReadsAsObject(Case.Text), Case.bObject);
		EXPECT_EQ(ReadsAsArray(Case.Text), Case.bArray);
		EXPECT_TRUE(Read(Case.Text).IsValid()) << "the value overload takes any root";
	}
}

TEST_F(FJsonReaderTest, TextThatIsNotStrictJsonFails)
{
	const TCHAR WithZero[] = TEXT("[1]\0[2]");
	const TCHAR RawLoneHigh[] = {'"', 0xD800, 'x', '"', 0};
	const TCHAR RawLoneLow[] = {'"', 'x', 0xDC00, '"', 0};
	const FString Invalid[] = {
		TEXT(""),
		TEXT(" \n "),
		TEXT("{\"a\":1} x"),
		TEXT("[1] [2]"),
		FString::ConstructFromPtrSize(WithZero, UE_ARRAY_COUNT(WithZero) - 1),
		TEXT("{\"a\":1,}"),
		TEXT("[1,]"),
		TEXT("[1,,2]"),
		TEXT("// note\n{}"),
		TEXT("{\"a\":1 /* note */}"),
		TEXT("[NaN]"),
		TEXT("[Infinity]"),
		TEXT("[01]"),
		TEXT("[-01]"),
		TEXT("[1.]"),
		TEXT("[.5]"),
		TEXT("[+1]"),
		TEXT("{'a':1}"),
		TEXT("{a:1}"),
		TEXT("[\"tab\there\"]"),
		TEXT("[\"\\x\"]"),
		TEXT("[\"\\uD800\"]"),
		TEXT("[\"\\uDC00\"]"),
		TEXT("[\"\\uDD1E\\uD834\"]"),
		TEXT("{\"\\uDC00\":1}"),
		RawLoneHigh,
		RawLoneLow,
		TEXT("[tru]"),
		TEXT("{\"a\" 1}"),
		TEXT("[\"unterminated]"),
	};
	for (const FString& Text : Invalid)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Text));
		FString Error;
		EXPECT_FALSE(Read(Text, FJsonSerializer::EFlags::None, &Error).IsValid());
		EXPECT_TRUE(Error.Contains(TEXT(" Line: "))) << TCHAR_TO_UTF8(*Error);
		EXPECT_FALSE(ReadsAsObject(Text));
		EXPECT_FALSE(ReadsAsArray(Text));
	}
}

TEST_F(FJsonReaderTest, ErrorMessagesSayWhereReadingStopped)
{
	FString Error;
	Read(TEXT("{\"a\":1}\n  x"), FJsonSerializer::EFlags::None, &Error);
	EXPECT_TRUE(Error.StartsWith(TEXT("Unexpected additional input found."))) << TCHAR_TO_UTF8(*Error);
	EXPECT_TRUE(Error.EndsWith(TEXT("Line: 2 Ch: 3"))) << TCHAR_TO_UTF8(*Error);

	Read(TEXT("[1,\n2,\n\"a\" \"b\"]"), FJsonSerializer::EFlags::None, &Error);
	EXPECT_TRUE(Error.Contains(TEXT("Line: 3 "))) << TCHAR_TO_UTF8(*Error);
}

TEST_F(FJsonReaderTest, StringsDecodeEscapesAndKeepOtherCharacters)
{
	const TSharedPtr<FJsonValue> Value = Read(TEXT("[\"q\\\"b\\\\s\\/c\\b\\f\\n\\r\\t\\u0041\\u00e9\\u4E2D\\uD834\\uDD1E\", \"中文 é 😀\", \"a\\u0000b\"]"));
	ASSERT_TRUE(Value.IsValid());
	const TArray<TSharedPtr<FJsonValue>>& Strings = Value->AsArray();
	ASSERT_EQ(Strings.Num(), 3);
	EXPECT_EQ(ExactText(Strings[0]->AsString()), u"q\"b\\s/c\b\f\n\r\tAé中\U0001D11E");
	EXPECT_EQ(ExactText(Strings[1]->AsString()), u"中文 é 😀");
	EXPECT_EQ(ExactText(Strings[2]->AsString()), std::u16string(u"a\0b", 3));
}

TEST_F(FJsonReaderTest, DuplicateMembersKeepTheLastValue)
{
	const TSharedPtr<FJsonValue> Value = Read(TEXT("{\"a\":1,\"b\":2,\"a\":{\"x\":3},\"Key\":\"first\",\"KEY\":\"second\"}"));
	ASSERT_TRUE(Value.IsValid());
	const TSharedPtr<FJsonObject>& Object = Value->AsObject();
	EXPECT_EQ(Object->Values.Num(), 3) << "names that differ only in case are one member";
	const TSharedPtr<FJsonObject>* Inner = nullptr;
	ASSERT_TRUE(Object->TryGetObjectField(TEXT("a"), Inner));
	EXPECT_TRUE((*Inner)->HasField(TEXT("x")));
	EXPECT_TRUE(Object->GetStringField(TEXT("key")).Equals(TEXT("second"), ESearchCase::CaseSensitive));
	EXPECT_EQ(ExactText(Object->Values.begin()->Key), u"a") << "a replaced member keeps its place";
}

TEST_F(FJsonReaderTest, NumbersBecomeTheNearestDouble)
{
	const char* Numbers[] = {"0", "-0.0", "42", "-7", "0.1", "4.35", "0.30000000000000004", "1e23", "2.2250738585072011e-308", "5e-324",
		"1.7976931348623157e308", "9007199254740993", "12345678901234567890", "-123456789012345678901234567890", "3.14159265358979323846264338327950288",
		"1e-400"};
	for (const char* Number : Numbers)
	{
		SCOPED_TRACE(Number);
		const TSharedPtr<FJsonValue> Value = Read(FString(Number));
		ASSERT_TRUE(Value.IsValid());
		EXPECT_EQ(Value->Type, EJson::Number);
		EXPECT_EQ(Value->AsNumber(), std::strtod(Number, nullptr));
	}

	// Long runs of zeros: RapidJSON's own conversion gave 0.000...0 a tiny non-zero value.
	const std::string Zeros(70, '0');
	for (const std::string& Number : {"0." + Zeros, "-0." + Zeros + "1", "1" + Zeros + "e-70"})
	{
		SCOPED_TRACE(Number);
		const TSharedPtr<FJsonValue> Value = Read(FString(Number.c_str()));
		ASSERT_TRUE(Value.IsValid());
		EXPECT_EQ(Value->AsNumber(), std::strtod(Number.c_str(), nullptr));
	}

	FString Error;
	EXPECT_FALSE(Read(TEXT("[1e400]"), FJsonSerializer::EFlags::None, &Error).IsValid());
	EXPECT_TRUE(Error.StartsWith(TEXT("Number too big"))) << TCHAR_TO_UTF8(*Error);
}

TEST_F(FJsonReaderTest, StoreNumbersAsStringsKeepsTheWrittenText)
{
	const FString Text = TEXT("{\"big\":12345678901234567890,\"pi\":3.14159265,\"exp\":-1.5E+300,\"zero\":-0,\"list\":[0.10]}");
	const TSharedPtr<FJsonValue> Exact = Read(Text, FJsonSerializer::EFlags::StoreNumbersAsStrings);
	const TSharedPtr<FJsonValue> Rounded = Read(Text);
	ASSERT_TRUE(Exact.IsValid() && Rounded.IsValid());
	struct FCase
	{
		const TCHAR* Field;
		const char16_t* Stored;
		const char16_t* Converted;
	};
	const FCase Cases[] = {
		{TEXT("big"), u"12345678901234567890", u"12345678901234567168"},
		{TEXT("pi"), u"3.14159265", u"3.141593"},
		{TEXT("zero"), u"-0", u"0"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Field));
		FString Stored;
		FString Converted;
		EXPECT_TRUE(Exact->AsObject()->TryGetStringField(Case.Field, Stored));
		EXPECT_TRUE(Rounded->AsObject()->TryGetStringField(Case.Field, Converted));
		EXPECT_EQ(ExactText(Stored), Case.Stored);
		EXPECT_EQ(ExactText(Converted), Case.Converted);
		EXPECT_EQ(Exact->AsObject()->TryGetField(Case.Field)->Type, EJson::Number);
	}
	double Number = 0.0;
	EXPECT_TRUE(Exact->AsObject()->TryGetNumberField(TEXT("exp"), Number));
	EXPECT_EQ(Number, -1.5e300);
	EXPECT_EQ(ExactText(Exact->AsObject()->TryGetField(TEXT("list"))->AsArray()[0]->AsString()), u"0.10");
}

TEST_F(FJsonReaderTest, NestingIsBoundedAndDeepTextFailsCleanly)
{
	EXPECT_TRUE(Read(Nested(500)).IsValid()) << "ordinary depths read";

	for (const int32 Depth : {5000, 100000})
	{
		SCOPED_TRACE(Depth);
		FString Error;
		EXPECT_FALSE(Read(Nested(Depth), FJsonSerializer::EFlags::None, &Error).IsValid());
		EXPECT_TRUE(Error.StartsWith(TEXT("Nesting deeper than"))) << TCHAR_TO_UTF8(*Error);
		EXPECT_FALSE(ReadsAsArray(Nested(Depth)));
		EXPECT_FALSE(ReadsAsObject(TEXT("{\"deep\":") + Nested(Depth) + TEXT("}")));
		EXPECT_FALSE(Read(FString::ChrN(Depth, '['), FJsonSerializer::EFlags::StoreNumbersAsStrings).IsValid()) << "unclosed";
	}
}

TEST_F(FJsonReaderTest, TenMegabyteDocumentReadsWhole)
{
	// About 10 MB: 80,000 members, each a small object with text, numbers, booleans and an array.
	const int32 MemberCount = 80000;
	FString Text = TEXT("{");
	Text.Reserve(10 * 1024 * 1024 + 1024);
	for (int32 Index = 0; Index < MemberCount; ++Index)
	{
		Text += FString::Printf(TEXT("%s\"member%d\": {\"name\": \"名前 %d\", \"score\": %d.5, \"ok\": %s, \"tags\": [\"a\", null, %d], \"pad\": \""), Index == 0 ? TEXT("") : TEXT(","), Index, Index, Index, Index % 2 ? TEXT("true") : TEXT("false"), Index);
		Text += FString::ChrN(40, 'x');
		Text += TEXT("\"}");
	}
	Text += TEXT("}");
	ASSERT_GT(Text.Len(), 10 * 1000 * 1000);

	TSharedPtr<FJsonObject> Object;
	ASSERT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Object));
	EXPECT_EQ(Object->Values.Num(), MemberCount);
	for (const int32 Index : {0, 4321, MemberCount - 1})
	{
		SCOPED_TRACE(Index);
		const TSharedPtr<FJsonObject>* Member = nullptr;
		ASSERT_TRUE(Object->TryGetObjectField(FString::Printf(TEXT("MEMBER%d"), Index), Member));
		EXPECT_EQ(ExactText((*Member)->GetStringField(TEXT("name"))), ExactText(FString::Printf(TEXT("名前 %d"), Index)));
		double Score = 0.0;
		EXPECT_TRUE((*Member)->TryGetNumberField(TEXT("score"), Score));
		EXPECT_EQ(Score, Index + 0.5);
		const TArray<TSharedPtr<FJsonValue>>* Tags = nullptr;
		ASSERT_TRUE((*Member)->TryGetArrayField(TEXT("tags"), Tags));
		ASSERT_EQ(Tags->Num(), 3);
		EXPECT_TRUE((*Tags)[1]->IsNull());
		EXPECT_EQ((*Tags)[2]->AsNumber(), Index);
	}
}
