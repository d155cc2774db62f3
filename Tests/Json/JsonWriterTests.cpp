#include "../Core/ExactText.h"
#include "Dom/JsonObject.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "Serialization/JsonWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

class FJsonWriterTest : public testing::Test
{
protected:
	typedef TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>> FCondensedFactory;

	static FString Condensed(const TSharedRef<FJsonObject>& Object)
	{
		FString Text;
		EXPECT_TRUE(FJsonSerializer::Serialize(Object, FCondensedFactory::Create(&Text)));
		return Text;
	}

	static FString Condensed(const TArray<TSharedPtr<FJsonValue>>& Array)
	{
		FString Text;
		EXPECT_TRUE(FJsonSerializer::Serialize(Array, FCondensedFactory::Create(&Text)));
		return Text;
	}

	static FString Pretty(const TSharedRef<FJsonObject>& Object)
	{
		FString Text;
		EXPECT_TRUE(FJsonSerializer::Serialize(Object, TJsonWriterFactory<>::Create(&Text)));
		return Text;
	}

	static TSharedPtr<FJsonValue> ReadBack(const FString& Text)
	{
		TSharedPtr<FJsonValue> Value;
		EXPECT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Text), Value)) << TCHAR_TO_UTF8(*Text.Left(200));
		return Value;
	}

	static uint64 Bits(double Value)
	{
		uint64 Result = 0;
		std::memcpy(&Result, &Value, sizeof(Result));
		return Result;
	}
};

// UE 5.4, Json/Public/Serialization/JsonWriter.h
TEST_F(FJsonWriterTest, StringsAreEscapedOnlyWhereJsonRequires)
{
	struct FCase
	{
		std::u16string Text;
		std::u16string Written;
	};
	const FCase Cases[] = {
		{u"quote \" backslash \\ slash /", u"[\"quote \\\" backslash \\\\ slash /\"]"},
		{u"\n\t\b\f\r", u"[\"\\n\\t\\b\\f\\r\"]"},
		{std::u16string(u"\x01 \x1f \0 \x7f", 7), u"[\"\\u0001 \\u001f \\u0000 \x7f\"]"},
		{u"é 中文 😀", u"[\"é 中文 😀\"]"},
		{u"", u"[\"\"]"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(testing::PrintToString(Case.Text));
		const FString Text = FString::ConstructFromPtrSize(Case.Text.data(), (int32)Case.Text.size());
		const FString Written = Condensed({MakeShared<FJsonValueString>(Text)});
		// The engine prints \u escapes in lower case (UE 5.4 and later).
		EXPECT_EQ(ExactText(Written), Case.Written);
		const TSharedPtr<FJsonValue> Back = ReadBack(Written);
		ASSERT_TRUE(Back.IsValid());
		EXPECT_EQ(ExactText(Back->AsArray()[0]->AsString()), Case.Text);
	}
}

TEST_F(FJsonWriterTest, ChineseTextSurvivesARoundTrip)
{
	const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
	Object->SetStringField(TEXT("名字"), TEXT("张三"));
	Object->SetStringField(TEXT("city"), TEXT("北京 \"朝阳\"\n"));
	for (const FString& Text : {Condensed(Object), Pretty(Object)})
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Text));
		EXPECT_TRUE(Text.Contains(TEXT("\"名字\":"), ESearchCase::CaseSensitive)) << "non-ASCII is written as it is";
		const TSharedPtr<FJsonValue> Back = ReadBack(Text);
		ASSERT_TRUE(Back.IsValid());
		EXPECT_EQ(ExactText(Back->AsObject()->GetStringField(TEXT("名字"))), u"张三");
		EXPECT_EQ(ExactText(Back->AsObject()->GetStringField(TEXT("city"))), u"北京 \"朝阳\"\n");
	}
}

TEST_F(FJsonWriterTest, CondensedAndPrettyLayouts)
{
	const TSharedRef<FJsonObject> Flat = MakeShared<FJsonObject>();
	Flat->SetStringField(TEXT("a"), TEXT("1"));
	Flat->SetBoolField(TEXT("b"), true);
	EXPECT_EQ(ExactText(Condensed(Flat)), u"{\"a\":\"1\",\"b\":true}");
	EXPECT_EQ(ExactText(Pretty(Flat)), u"{\n\t\"a\": \"1\",\n\t\"b\": true\n}");

	const TSharedRef<FJsonObject> Inner = MakeShared<FJsonObject>();
	Inner->SetArrayField(TEXT("k"), {MakeShared<FJsonValueNumber>(1), MakeShared<FJsonValueString>(TEXT("s")), MakeShared<FJsonValueBoolean>(false), MakeShared<FJsonValueNull>(), MakeShared<FJsonValueObject>(MakeShared<FJsonObject>()), MakeShared<FJsonValueArray>(TArray<TSharedPtr<FJsonValue>>())});
	const TSharedRef<FJsonObject> Outer = MakeShared<FJsonObject>();
	Outer->SetObjectField(TEXT("o"), Inner);
	Outer->SetField(TEXT(""), MakeShared<FJsonValueNull>());
	Outer->SetArrayField(TEXT("e"), {});
	EXPECT_EQ(ExactText(Condensed(Outer)), u"{\"o\":{\"k\":[1,\"s\",false,null,{},[]]},\"\":null,\"e\":[]}");
	EXPECT_EQ(ExactText(Condensed(TArray<TSharedPtr<FJsonValue>>{MakeShared<FJsonValueObject>(Outer), MakeShared<FJsonValueNull>()})),
		u"[{\"o\":{\"k\":[1,\"s\",false,null,{},[]]},\"\":null,\"e\":[]},null]");

	const FString PrettyText = Pretty(Outer);
	EXPECT_FALSE(PrettyText.Contains(TEXT("\r"))) << "line ends are \\n on Linux";
	EXPECT_TRUE(PrettyText.Contains(TEXT("\n\t\t\"k\": ["), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*PrettyText);
	const TSharedPtr<FJsonValue> Back = ReadBack(PrettyText);
	ASSERT_TRUE(Back.IsValid());
	EXPECT_EQ(ExactText(Condensed(Back->AsObject().ToSharedRef())), ExactText(Condensed(Outer)));
}

// UE 5.4 and 5.8, Json/Public/Serialization/JsonWriter.h: a double goes to the print policy's
// WriteDouble, which prints it with "%.17g"; numbers kept as text are written as they were read.
TEST_F(FJsonWriterTest, NumbersAreWrittenWithSeventeenSignificantDigits)
{
	struct FCase
	{
		TSharedPtr<FJsonValue> Value;
		const char16_t* Written;
	};
	const FCase Cases[] = {
		{MakeShared<FJsonValueNumber>(3.0), u"3"},
		{MakeShared<FJsonValueNumber>(-42.0), u"-42"},
		{MakeShared<FJsonValueNumber>(1e15), u"1000000000000000"},
		{MakeShared<FJsonValueNumber>(0.1), u"0.10000000000000001"},
		{MakeShared<FJsonValueNumber>(1.0 / 3.0), u"0.33333333333333331"},
		{MakeShared<FJsonValueNumber>(1.5), u"1.5"},
		{MakeShared<FJsonValueNumber>(-0.0), u"-0"},
		{MakeShared<FJsonValueNumber>(12345678901234567.0), u"12345678901234568"},
		{MakeShared<FJsonValueNumber>(1e17), u"1e+17"},
		{MakeShared<FJsonValueNumber>(123456789012345678.0), u"1.2345678901234568e+17"},
		{MakeShared<FJsonValueNumber>(1e-5), u"1.0000000000000001e-05"},
		{MakeShared<FJsonValueNumber>(5e-324), u"4.9406564584124654e-324"},
		// Not JSON, but what the platform's printf gives: the engine writes these too.
		{MakeShared<FJsonValueNumber>(std::numeric_limits<double>::infinity()), u"inf"},
		{MakeShared<FJsonValueNumber>(-std::numeric_limits<double>::infinity()), u"-inf"},
		{MakeShared<FJsonValueNumber>(std::numeric_limits<double>::quiet_NaN()), u"nan"},
		{MakeShared<FJsonValueNumberString>(TEXT("12345678901234567890")), u"12345678901234567890"},
		{MakeShared<FJsonValueNumberString>(TEXT("3.14159265")), u"3.14159265"},
		{MakeShared<FJsonValueNumberString>(TEXT("0.1")), u"0.1"},
		{MakeShared<FJsonValueNumberString>(TEXT("1E+2")), u"1E+2"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(testing::PrintToString(std::u16string(Case.Written)));
		const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
		Object->SetField(TEXT("n"), Case.Value);
		EXPECT_EQ(ExactText(Condensed(Object)), u"{\"n\":" + std::u16string(Case.Written) + u"}");
	}

	for (const double Number : {0.1, 1.0 / 3.0, -2.5e-300, 123456.789, 1.2345678901234567e19, 5e-324, 1.7976931348623157e308})
	{
		SCOPED_TRACE(Number);
		const TSharedPtr<FJsonValue> Back = ReadBack(Condensed({MakeShared<FJsonValueNumber>(Number)}));
		ASSERT_TRUE(Back.IsValid());
		EXPECT_EQ(Bits(Back->AsArray()[0]->AsNumber()), Bits(Number));
	}
}

// UE 5.4, Json/Public/Serialization/JsonWriter.h
TEST_F(FJsonWriterTest, TextReachesTheStringWhenTheWriterCloses)
{
	FString Text = TEXT("old");
	const TSharedRef<TJsonWriter<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>> Writer = FCondensedFactory::Create(&Text);
	Writer->WriteObjectStart();
	Writer->WriteValue(TEXT("name"), TEXT("value"));
	Writer->WriteValue(TEXT("count"), 7);
	Writer->WriteRawJSONValue(TEXT("raw"), TEXT("[1, 2]"));
	Writer->WriteNull(TEXT("none"));
	Writer->WriteArrayStart(TEXT("list"));
	Writer->WriteValue(1.5);
	// A float is printed with "%g", six significant digits.
	Writer->WriteValue(16777217.0f);
	Writer->WriteValue(FString(TEXT("s")));
	Writer->WriteArrayEnd();
	Writer->WriteObjectEnd();
	EXPECT_EQ(ExactText(Text), u"old");
	EXPECT_TRUE(Writer->Close());
	EXPECT_EQ(ExactText(Text), u"{\"name\":\"value\",\"count\":7,\"raw\":[1, 2],\"none\":null,\"list\":[1.5,1.67772e+07,\"s\"]}");

	FString Unclosed;
	FJsonSerializer::Serialize(MakeShared<FJsonObject>(), FCondensedFactory::Create(&Unclosed), false);
	EXPECT_TRUE(Unclosed.IsEmpty()) << "a writer left open hands nothing over";
}

TEST_F(FJsonWriterTest, DeepTreesAreWrittenWithoutADepthLimit)
{
	// UE 5.4 and 5.8, Json/Public/Serialization/JsonSerializer.h: the writer keeps its place on a heap
	// stack. Freeing the tree takes a call per level, as the engine's defaulted destructors do, so the
	// depth stays one that any stack survives.
	const int32 Depth = 5000;
	TSharedPtr<FJsonValue> Deep = MakeShared<FJsonValueString>(TEXT("leaf"));
	for (int32 Level = 0; Level < Depth; ++Level)
	{
		if (Level % 2 == 0)
		{
			Deep = MakeShared<FJsonValueArray>(TArray<TSharedPtr<FJsonValue>>{Deep, MakeShared<FJsonValueNull>()});
		}
		else
		{
			const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			Object->SetField(TEXT("k"), Deep);
			Deep = MakeShared<FJsonValueObject>(Object);
		}
	}
	const FString Text = Condensed({Deep});
	EXPECT_TRUE(Text.StartsWith(TEXT("[{\"k\":[{\"k\":["), ESearchCase::CaseSensitive));
	EXPECT_TRUE(Text.Contains(TEXT("[\"leaf\",null]"), ESearchCase::CaseSensitive));
	EXPECT_EQ(Text.Len(), 2 + Depth / 2 * (6 + 7) + 6);

	const TSharedPtr<FJsonValue> Back = ReadBack(Text);
	ASSERT_TRUE(Back.IsValid());
	EXPECT_EQ(ExactText(Condensed(Back->AsArray())), ExactText(Text));
}

TEST_F(FJsonWriterTest, AMissingValueAsserts)
{
	// UE 5.4 and 5.8, Json/Public/Serialization/JsonSerializer.h: every value is dereferenced, so a null
	// pointer in an array or object, or an object value without an object, fails an assertion.
	const TSharedRef<FJsonObject> WithNullMember = MakeShared<FJsonObject>();
	WithNullMember->SetField(TEXT("a"), nullptr);
	EXPECT_DEATH(Condensed(WithNullMember), "IsValid");
	EXPECT_DEATH(Condensed(TArray<TSharedPtr<FJsonValue>>{nullptr}), "IsValid");
	EXPECT_DEATH(Condensed({MakeShared<FJsonValueObject>(TSharedPtr<FJsonObject>())}), "IsValid");
}
