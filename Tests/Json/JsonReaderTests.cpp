#include "../Core/ExactText.h"
#include "Dom/JsonObject.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

// What the engine's reader accepts and builds: UE 5.4 and 5.8, Json/Public/Serialization/JsonReader.h and JsonSerializer.h.
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

	static FString Condensed(const TSharedPtr<FJsonValue>& Root)
	{
		FString Text;
		const TSharedRef<TJsonWriter<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>> Writer = TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>::Create(&Text);
		EXPECT_TRUE(Root->Type == EJson::Object ? FJsonSerializer::Serialize(Root->AsObject().ToSharedRef(), Writer) : FJsonSerializer::Serialize(Root->AsArray(), Writer));
		return Text;
	}

	/** Text with characters a literal cannot hold, such as NUL. */
	static FString Chars(std::initializer_list<TCHAR> Characters)
	{
		return FString::ConstructFromPtrSize(Characters.begin(), (int32)Characters.size());
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

TEST_F(FJsonReaderTest, ReadsWhatTheEngineReadsAndRefusesTheRest)
{
	struct FCase
	{
		FString Text;
		/** The document written back condensed, or null when the engine refuses the text. */
		const char16_t* Built;
	};
	const FCase Cases[] = {
		// Literals in any letter case.
		{TEXT("{\"a\": TRUE}"), u"{\"a\":true}"},
		{TEXT("[True, fAlSe, NULL, nULl]"), u"[true,false,null,null]"},
		{TEXT("[tru]"), nullptr},
		{TEXT("[truex]"), nullptr},
		{TEXT("[true1]"), nullptr},
		{TEXT("[Infinity]"), nullptr},
		{TEXT("[inf]"), nullptr},
		{TEXT("[-NaN]"), nullptr},
		// A comma may end an array, not an object; an empty element is an error.
		{TEXT("[1,2,]"), u"[1,2]"},
		{TEXT("[[],{},]"), u"[[],{}]"},
		{TEXT("{\"a\":1,}"), nullptr},
		{TEXT("[,1]"), nullptr},
		{TEXT("[1,,2]"), nullptr},
		{TEXT("{,}"), nullptr},
		{TEXT("[1,"), nullptr},
		// A member without a value is dropped; a comma or colon as a value is an error.
		{TEXT("{\"a\":}"), u"{}"},
		{TEXT("{\"a\":1,\"b\":}"), u"{\"a\":1}"},
		{TEXT("{\"x\":{\"a\":}}"), u"{\"x\":{}}"},
		{TEXT("{\"a\":,\"b\":1}"), nullptr},
		{TEXT("{\"a\"::1}"), nullptr},
		// Closing brackets need not match; the root keeps its own kind.
		{TEXT("{\"a\":]"), u"{}"},
		{TEXT("[}"), u"[]"},
		{TEXT("{\"x\":{\"a\":]}"), u"{\"x\":[]}"},
		{TEXT("[{\"a\":]]"), u"[[]]"},
		{TEXT("{\"x\":{]}"), nullptr},
		{TEXT("{\"a\":1]"), nullptr},
		{TEXT("[1}"), nullptr},
		{TEXT("}"), nullptr},
		{TEXT("[]]"), nullptr},
		// Only an object or an array is a document, with nothing but space, tab, CR and LF around it.
		{TEXT(" \t\r\n{\"\":1} \t\r\n"), u"{\"\":1}"},
		{TEXT(""), nullptr},
		{TEXT(" \n "), nullptr},
		{TEXT("\"text\""), nullptr},
		{TEXT("1"), nullptr},
		{TEXT("true"), nullptr},
		{TEXT("{"), nullptr},
		{TEXT("{\"a\":1} x"), nullptr},
		{TEXT("[1] [2]"), nullptr},
		{Chars({'[', '1', ']', 0}), nullptr},
		{Chars({0, '[', ']'}), nullptr},
		{TEXT("{}\f"), nullptr},
		{TEXT("\u00A0{}"), nullptr},
		{TEXT("// note\n{}"), nullptr},
		{TEXT("{\"a\":1 /* note */}"), nullptr},
		{TEXT("{'a':1}"), nullptr},
		{TEXT("{a:1}"), nullptr},
		{TEXT("{\"a\" 1}"), nullptr},
		{TEXT("[1 2]"), nullptr},
		// Numbers follow the JSON grammar, and a character of a number that breaks it fails the token.
		{TEXT("[-0,0e1,1E+2,25e-1,-1.5]"), u"[-0,0,100,2.5,-1.5]"},
		{TEXT("[01]"), nullptr},
		{TEXT("[-01]"), nullptr},
		{TEXT("[1.]"), nullptr},
		{TEXT("[.5]"), nullptr},
		{TEXT("[+1]"), nullptr},
		{TEXT("[e1]"), nullptr},
		{TEXT("[1e]"), nullptr},
		{TEXT("[1e+]"), nullptr},
		{TEXT("[-]"), nullptr},
		{TEXT("[0x10]"), nullptr},
		{TEXT("[1-2]"), nullptr},
		{TEXT("[1.5.3]"), nullptr},
		// Strings: only the JSON escapes, four hexadecimal digits each.
		{TEXT("[\"\\\"\\\\\\/\"]"), u"[\"\\\"\\\\/\"]"},
		{TEXT("[\"\\x\"]"), nullptr},
		{TEXT("[\"\\u12G4\"]"), nullptr},
		{TEXT("[\"\\u12\"]"), nullptr},
		{TEXT("[\"unterminated]"), nullptr},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(testing::PrintToString(ExactText(Case.Text)));
		FString Error;
		const TSharedPtr<FJsonValue> Value = Read(Case.Text, FJsonSerializer::EFlags::None, &Error);
		if (Case.Built == nullptr)
		{
			EXPECT_FALSE(Value.IsValid()) << TCHAR_TO_UTF8(*Condensed(Value));
			EXPECT_TRUE(Error.Contains(TEXT(" Line: "), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Error);
		}
		else if (Value.IsValid())
		{
			EXPECT_EQ(ExactText(Condensed(Value)), Case.Built);
		}
		else
		{
			ADD_FAILURE() << "refused: " << TCHAR_TO_UTF8(*Error);
		}
	}
}

TEST_F(FJsonReaderTest, ErrorMessagesGiveTheEnginesReasonAndPlace)
{
	struct FCase
	{
		FString Text;
		const char16_t* Error;
	};
	const FCase Cases[] = {
		{TEXT(""), u"Null Stream Line: 1 Ch: 0"},
		{TEXT("   "), u"Invalid Json Token. Line: 1 Ch: 3"},
		{TEXT("{"), u"Improperly formatted. Line: 1 Ch: 1"},
		{TEXT("{\"a\":1}\n  x"), u"Unexpected additional input found. Line: 2 Ch: 2"},
		{Chars({'[', '1', ']', 0}), u"Unexpected additional input found. Line: 1 Ch: 3"},
		// A line break inside a string does not count as a line.
		{TEXT("{\"a\":\"x\ny\"}\n\n z"), u"Unexpected additional input found. Line: 3 Ch: 1"},
		{TEXT("\"x\""), u"Open Curly or Square Brace token expected, but not found. Line: 1 Ch: 3"},
		{TEXT("}"), u"Unknown state reached while parsing Json token. Line: 1 Ch: 1"},
		{TEXT("[1 2]"), u"Comma token expected, but not found. Line: 1 Ch: 4"},
		{TEXT("[\n1,\n2,\n\"a\" \"b\"]"), u"Comma token expected, but not found. Line: 4 Ch: 7"},
		{TEXT("{\"a\":1,}"), u"String token expected, but not found. Line: 1 Ch: 8"},
		{TEXT("{\"a\" 1}"), u"Colon token expected, but not found. Line: 1 Ch: 6"},
		{TEXT("[,1]"), u"Unknown Error Occurred Line: 1 Ch: 2"},
		{TEXT("[tru]"), u"Invalid Json Token. Check that your member names have quotes around them! Line: 1 Ch: 4"},
		{TEXT("[#]"), u"Invalid Json Token. Line: 1 Ch: 2"},
		{TEXT("[01]"), u"Poorly formed Json Number Token. Line: 1 Ch: 3"},
		{TEXT("[1-2]"), u"Poorly formed Json Number Token. Line: 1 Ch: 3"},
		{TEXT("[1"), u"Number Token Abruptly Ended. Line: 1 Ch: 2"},
		{TEXT("[\"abc"), u"String Token Abruptly Ended. Line: 1 Ch: 5"},
		{TEXT("[\"\\x\"]"), u"Bad Json escaped char. Line: 1 Ch: 4"},
		{TEXT("[\"\\u12G4\"]"), u"Invalid Hexadecimal digit parsed. Line: 1 Ch: 7"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(testing::PrintToString(ExactText(Case.Text)));
		FString Error;
		Read(Case.Text, FJsonSerializer::EFlags::None, &Error);
		EXPECT_EQ(ExactText(Error), Case.Error);
	}
}

TEST_F(FJsonReaderTest, ReadNextGivesOneTokenAtATime)
{
	const TSharedRef<TJsonReader<TCHAR>> Reader = TJsonReaderFactory<TCHAR>::Create(TEXT("{\"a\": [1.50, \"s\", TRUE], \"b\": null, \"c\":}"));
	EJsonNotation Notation = EJsonNotation::Error;
	const auto Next = [&Reader, &Notation](EJsonNotation Expected, const char16_t* Identifier)
	{
		EXPECT_TRUE(Reader->ReadNext(Notation));
		EXPECT_EQ(Notation, Expected);
		EXPECT_EQ(ExactText(Reader->GetIdentifier()), Identifier);
	};
	Next(EJsonNotation::ObjectStart, u"");
	Next(EJsonNotation::ArrayStart, u"a");
	Next(EJsonNotation::Number, u"");
	EXPECT_EQ(Reader->GetValueAsNumber(), 1.5);
	EXPECT_EQ(ExactText(Reader->GetValueAsNumberString()), u"1.50");
	Next(EJsonNotation::String, u"");
	EXPECT_EQ(ExactText(Reader->GetValueAsString()), u"s");
	Next(EJsonNotation::Boolean, u"");
	EXPECT_TRUE(Reader->GetValueAsBoolean());
	Next(EJsonNotation::ArrayEnd, u"");
	Next(EJsonNotation::Null, u"b");
	Next(EJsonNotation::ObjectEnd, u"c");
	EXPECT_FALSE(Reader->ReadNext(Notation)) << "the document is complete";
	EXPECT_TRUE(Reader->GetErrorMessage().IsEmpty());

	const TSharedRef<TJsonReader<TCHAR>> Failing = TJsonReaderFactory<TCHAR>::Create(TEXT("[1 2]"));
	EXPECT_TRUE(Failing->ReadNext(Notation));
	EXPECT_TRUE(Failing->ReadNext(Notation));
	EXPECT_EQ(Notation, EJsonNotation::Number);
	EXPECT_TRUE(Failing->ReadNext(Notation)) << "an error is reported as a token";
	EXPECT_EQ(Notation, EJsonNotation::Error);
	EXPECT_FALSE(Failing->ReadNext(Notation)) << "and reading stops after it";
	EXPECT_EQ(Notation, EJsonNotation::Error);
}

TEST_F(FJsonReaderTest, EachOverloadTakesOnlyItsRootKind)
{
	const TSharedPtr<FJsonObject> Untouched = MakeShared<FJsonObject>();
	TSharedPtr<FJsonObject> Object = Untouched;
	EXPECT_FALSE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(TEXT("[{\"a\":1}]")), Object));
	EXPECT_EQ(Object, Untouched) << "a failed read leaves the output alone";
	EXPECT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(TEXT("{\"a\":[1]}")), Object));
	EXPECT_TRUE(Object->HasTypedField(TEXT("a"), EJson::Array));

	TArray<TSharedPtr<FJsonValue>> Array;
	Array.Add(MakeShared<FJsonValueNull>());
	EXPECT_FALSE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(TEXT("{\"a\":1}")), Array));
	EXPECT_EQ(Array.Num(), 1);
	EXPECT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(TEXT("[{}, 2]")), Array));
	EXPECT_EQ(Array.Num(), 2);

	for (const TCHAR* Text : {TEXT("{}"), TEXT("[]")})
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Text));
		const TSharedPtr<FJsonValue> Value = Read(Text);
		ASSERT_TRUE(Value.IsValid());
		EXPECT_EQ(Value->Type, Text[0] == '{' ? EJson::Object : EJson::Array);
	}
}

TEST_F(FJsonReaderTest, AViewReaderReadsTheViewedCharactersInPlace)
{
	// UE 5.4 and 5.8: CreateFromView reads through a buffer reader over the view's own characters.
	TArray<TCHAR> Buffer;
	Buffer.Append(TEXT("[1,2]xyz"), 8);
	const TSharedRef<TJsonReader<TCHAR>> Reader = TJsonReaderFactory<TCHAR>::CreateFromView(FStringView(Buffer.GetData(), 5));
	Buffer[3] = '7';
	TSharedPtr<FJsonValue> Value;
	ASSERT_TRUE(FJsonSerializer::Deserialize(Reader, Value));
	EXPECT_EQ(ExactText(Condensed(Value)), u"[1,7]") << "the text is read where it lies, not copied, and only as far as the view goes";

	const FString WithTrailingText = TEXT("[1]x");
	EXPECT_FALSE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::CreateFromView(WithTrailingText), Value));

	const TSharedRef<TJsonReader<TCHAR>> Empty = TJsonReaderFactory<TCHAR>::CreateFromView(FStringView());
	EXPECT_FALSE(FJsonSerializer::Deserialize(Empty, Value));
	EXPECT_EQ(ExactText(Empty->GetErrorMessage()), u"Null Stream Line: 1 Ch: 0") << "an empty view has no stream, as an empty string has none";
}

TEST_F(FJsonReaderTest, NumbersBecomeTheNearestDouble)
{
	const char* Numbers[] = {"0", "-0.0", "42", "-7", "0.1", "4.35", "0.30000000000000004", "1e23", "2.2250738585072011e-308", "5e-324",
		"1.7976931348623157e308", "9007199254740993", "12345678901234567890", "-123456789012345678901234567890", "3.14159265358979323846264338327950288",
		"1e-400", "1e400", "-1e400",
		// Where a quick exact conversion ends and the general one begins: 2^53, 10^22, three exponent digits.
		"9007199254740992", "-9007199254740992e-22", "90071992547409921", "1e22", "1e-22", "1e23", "-1.5e+22", "1e+022", "123.456e-10",
		"0.000001e22", "1E3", "1e999", "1e-999", "17976931348623157e292", "4.9406564584124654e-324", "0.1e-21", "100000000000000000000000e-2"};
	for (const char* Number : Numbers)
	{
		SCOPED_TRACE(Number);
		const TSharedPtr<FJsonValue> Value = Read(TEXT("[") + FString(Number) + TEXT("]"));
		ASSERT_TRUE(Value.IsValid());
		EXPECT_EQ(Value->AsArray()[0]->Type, EJson::Number);
		EXPECT_EQ(Value->AsArray()[0]->AsNumber(), std::strtod(Number, nullptr)) << "out of range is infinity or zero, not an error";
	}

	// Long runs of digits take the slow path of the conversion.
	const std::string Zeros(70, '0');
	for (const std::string& Number : {"0." + Zeros, "-0." + Zeros + "1", "1" + Zeros + "e-70"})
	{
		SCOPED_TRACE(Number);
		const TSharedPtr<FJsonValue> Value = Read(TEXT("[") + FString(Number.c_str()) + TEXT("]"));
		ASSERT_TRUE(Value.IsValid());
		EXPECT_EQ(Value->AsArray()[0]->AsNumber(), std::strtod(Number.c_str(), nullptr));
	}

	// UE 5.4, Json/Public/Serialization/JsonReader.h: NaN in any letter case; not its negative, nor infinity.
	const TSharedPtr<FJsonValue> NotNumbers = Read(TEXT("[NaN, nan, NAN]"));
	ASSERT_TRUE(NotNumbers.IsValid());
	for (const TSharedPtr<FJsonValue>& Element : NotNumbers->AsArray())
	{
		EXPECT_EQ(Element->Type, EJson::Number);
		EXPECT_TRUE(std::isnan(Element->AsNumber()));
	}
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

TEST_F(FJsonReaderTest, NaNKeepsTheTextOfTheTokenBeforeIt)
{
	// UE 5.4, Json/Public/Serialization/JsonReader.h: NaN sets the number, not the text, which stays
	// that of the last string (member names included) or number read.
	struct FCase
	{
		const TCHAR* Text;
		std::u16string Stored;
	};
	const FCase Cases[] = {
		{TEXT("[NaN]"), u""},
		{TEXT("{\"name\":NaN}"), u"name"},
		{TEXT("[1.50, true, NaN]"), u"1.50"},
		{TEXT("[\"a\\u0000\\n\", nan]"), std::u16string(u"a\0\n", 3)},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Text));
		const TSharedPtr<FJsonValue> Value = Read(Case.Text, FJsonSerializer::EFlags::StoreNumbersAsStrings);
		ASSERT_TRUE(Value.IsValid());
		const TSharedPtr<FJsonValue> NaN = Value->Type == EJson::Object ? Value->AsObject()->Values.begin()->Value : Value->AsArray().Last();
		EXPECT_EQ(NaN->Type, EJson::Number);
		EXPECT_EQ(ExactText(NaN->AsString()), Case.Stored);
	}
}

TEST_F(FJsonReaderTest, StringsKeepEveryCharacterAndEveryEscapedCodeUnit)
{
	const TSharedPtr<FJsonValue> Value = Read(TEXT("[\"q\\\"b\\\\s\\/c\\b\\f\\n\\r\\t\\u0041\\u00e9\\u4E2D\\uD834\\uDD1E\", \"中文 é 😀\", \"a\\u0000b\", \"\\u0000\"]"));
	ASSERT_TRUE(Value.IsValid());
	const TArray<TSharedPtr<FJsonValue>>& Strings = Value->AsArray();
	ASSERT_EQ(Strings.Num(), 4);
	EXPECT_EQ(ExactText(Strings[0]->AsString()), u"q\"b\\s/c\b\f\n\r\tAé中\U0001D11E");
	EXPECT_EQ(ExactText(Strings[1]->AsString()), u"中文 é 😀");
	EXPECT_EQ(ExactText(Strings[2]->AsString()), std::u16string(u"a\0b", 3));
	EXPECT_EQ(ExactText(Strings[3]->AsString()), std::u16string(u"\0", 1));

	// Raw control characters, NUL and lone surrogates are taken as they are, and escaped surrogates
	// stay single code units in their order.
	const FString Raw = Chars({'[', '"', '\t', 0, 0x1F, 0xD800, 'x', 0xDC00, '"', ',', '"', '\\', 'u', 'D', 'D', '1', 'E', '\\', 'u', 'D', '8', '3', '4', '"', ']'});
	const TSharedPtr<FJsonValue> Kept = Read(Raw);
	ASSERT_TRUE(Kept.IsValid());
	EXPECT_EQ(ExactText(Kept->AsArray()[0]->AsString()), std::u16string({u'\t', 0, 0x1F, 0xD800, u'x', 0xDC00}));
	EXPECT_EQ(ExactText(Kept->AsArray()[1]->AsString()), std::u16string({0xDD1E, 0xD834}));

	const TSharedPtr<FJsonValue> Key = Read(TEXT("{\"\\uDC00\":1}"));
	ASSERT_TRUE(Key.IsValid());
	EXPECT_EQ(ExactText(Key->AsObject()->Values.begin()->Key), std::u16string(1, char16_t(0xDC00)));
}

TEST_F(FJsonReaderTest, DuplicateMembersKeepTheLastValueUnderTheLastSpelling)
{
	// UE 5.4, Core/Public/Containers/Set.h: adding an existing key replaces the whole pair in its slot.
	const TSharedPtr<FJsonValue> Value = Read(TEXT("{\"a\":1,\"b\":2,\"a\":{\"x\":3},\"Key\":\"first\",\"KEY\":\"second\"}"));
	ASSERT_TRUE(Value.IsValid());
	const TSharedPtr<FJsonObject>& Object = Value->AsObject();
	ASSERT_EQ(Object->Values.Num(), 3) << "names that differ only in case are one member";
	const TSharedPtr<FJsonObject>* Inner = nullptr;
	ASSERT_TRUE(Object->TryGetObjectField(TEXT("a"), Inner));
	EXPECT_TRUE((*Inner)->HasField(TEXT("x")));
	EXPECT_EQ(ExactText(Object->GetStringField(TEXT("key"))), u"second");
	TArray<FString> Keys;
	Object->Values.GenerateKeyArray(Keys);
	EXPECT_EQ(ExactText(Keys[0]), u"a") << "a replaced member keeps its place";
	EXPECT_EQ(ExactText(Keys[2]), u"KEY") << "and takes the spelling of the last";
}

TEST_F(FJsonReaderTest, AnArrayClosedAsAnObjectHoldsNoObject)
{
	// The engine builds an object value around the array's never-made object; writing it asserts.
	const TSharedPtr<FJsonValue> Value = Read(TEXT("{\"x\":[1,}}"));
	ASSERT_TRUE(Value.IsValid());
	const TSharedPtr<FJsonValue> Member = Value->AsObject()->TryGetField(TEXT("x"));
	ASSERT_TRUE(Member.IsValid());
	EXPECT_EQ(Member->Type, EJson::Object);
	const TSharedPtr<FJsonObject>* Object = nullptr;
	EXPECT_TRUE(Member->TryGetObject(Object));
	EXPECT_FALSE(Object->IsValid());
	EXPECT_DEATH(Condensed(Value), "IsValid");
}

TEST_F(FJsonReaderTest, TextEndingInsideAnEscapeAsserts)
{
	// The engine reads past the end of its buffer there, which its buffer reader checks
	// (UE 5.4 and 5.8, Json/Public/Serialization/JsonReader.h; Core/Public/Serialization/BufferReader.h).
	EXPECT_DEATH(Read(TEXT("{\"a\":\"x\\")), "escape sequence");
	EXPECT_FALSE(Read(TEXT("{\"a\":\"x\\\\")).IsValid()) << "an escaped backslash at the end is an unfinished string";
}

TEST_F(FJsonReaderTest, DepthHasNoLimit)
{
	// UE 5.4 and 5.8: the reader and the serializer keep open containers on heap stacks.
	const FString Deep = Nested(5000);
	const TSharedPtr<FJsonValue> Value = Read(Deep);
	ASSERT_TRUE(Value.IsValid());
	EXPECT_EQ(ExactText(Condensed(Value)), ExactText(Deep));

	FString Error;
	EXPECT_FALSE(Read(FString::ChrN(5000, '['), FJsonSerializer::EFlags::None, &Error).IsValid());
	EXPECT_TRUE(Error.StartsWith(TEXT("Improperly formatted."))) << TCHAR_TO_UTF8(*Error);
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
