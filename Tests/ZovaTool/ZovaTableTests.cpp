#include "ZovaToolTestSupport.h"

#include <vector>

using namespace ZovaToolTest;

namespace
{
	/** The rows of a json analyze table after its header and Success rows, as UTF-8. */
	std::vector<std::string> KeyRows(const FZovaRun& Run)
	{
		std::vector<std::string> Rows;
		const TArray<FString> All = Lines(Run);
		for (int32 Index = 2; Index < All.Num(); ++Index)
		{
			Rows.push_back(Utf8(All[Index]));
		}
		return Rows;
	}
}

TEST(ZovaTableTest, EveryValueStaysOnOneLineWithControlCharactersEscaped)
{
	struct FCase
	{
		const char* Key;
		const char* JsonValue;
		const char* Shown;
	};
	const FCase Cases[] = {
		{"newline", R"("one\ntwo")", R"(one\ntwo)"},
		{"tab", R"("a\tb")", R"(a\tb)"},
		{"return", R"("over\rwrite")", R"(over\rwrite)"},
		{"escape", R"("\u001b[31mred\u001b[0m")", R"(\u001b[31mred\u001b[0m)"},
		{"nul", R"("before\u0000after")", R"(before\u0000after)"},
		{"csi", R"("\u009b2J")", R"(\u009b2J)"},
		{"bidi", R"("abc\u202edef")", R"(abc\u202edef)"},
		{"bell", R"("\u0007")", R"(\u0007)"},
	};
	std::string Json = "{";
	std::vector<std::string> Words = {"json", "analyze", ""};
	for (const FCase& Case : Cases)
	{
		Json += std::string(Json.size() > 1 ? "," : "") + "\"" + Case.Key + "\":" + Case.JsonValue;
		Words.insert(Words.end(), {"--key", Case.Key});
	}
	Json += "}";
	Words[2] = Json;

	// --json carries every value exactly.
	std::vector<std::string> JsonWords = Words;
	JsonWords.push_back("--json");
	const FZovaRun AsJson = RunZova(JsonWords);
	ASSERT_EQ(AsJson.ExitStatus, 0) << AsJson.StdErr;
	const TSharedPtr<FJsonObject> Values = ObjectField(ParseObject(AsJson), TEXT("values"));
	TSharedPtr<FJsonObject> Expected;
	ASSERT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(FString(UTF8_TO_TCHAR(Json.c_str()))), Expected));
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Key);
		const FString Key(UTF8_TO_TCHAR(Case.Key));
		const FString Value = Values->GetStringField(Key);
		const FString ExpectedValue = Expected->GetStringField(Key);
		EXPECT_EQ(std::u16string(*Value, Value.Len()), std::u16string(*ExpectedValue, ExpectedValue.Len()));
	}

	// The table shows each escaped on its row, and nothing a terminal would act on.
	const FZovaRun Table = RunZova(Words);
	ASSERT_EQ(Table.ExitStatus, 0) << Table.StdErr;
	const std::vector<std::string> Rows = KeyRows(Table);
	ASSERT_EQ(Rows.size(), UE_ARRAY_COUNT(Cases));
	for (int32 Index = 0; Index < (int32)UE_ARRAY_COUNT(Cases); ++Index)
	{
		SCOPED_TRACE(Cases[Index].Key);
		const std::string Key = Cases[Index].Key;
		EXPECT_EQ(Rows[Index].substr(0, Key.size()), Key);
		EXPECT_EQ(Rows[Index].substr(Rows[Index].find_first_not_of(' ', Key.size())), Cases[Index].Shown);
	}
	const std::string Out = Utf8(Table.StdOut);
	for (const std::string& Forbidden : {std::string("\x1b"), std::string("\r"), std::string(1, '\0'), std::string("\xc2\x9b"), std::string("\xe2\x80\xae"), std::string("\x07")})
	{
		EXPECT_EQ(Out.find(Forbidden), std::string::npos);
	}
}

TEST(ZovaTableTest, WideCharactersAndEmojiKeepTheColumnsAligned)
{
	// Two columns each for the CJK character and the emoji, one for e with a combining accent.
	const FZovaRun Run = RunZova({"json", "analyze", "{\"ab\":\"1\",\"张\":\"2\",\"😀\":\"3\",\"e\xcc\x81\":\"4\"}", "--key", "ab", "--key", "张", "--key", "😀", "--key", "e\xcc\x81"});
	ASSERT_EQ(Run.ExitStatus, 0) << Run.StdErr;
	std::vector<std::string> All;
	for (const FString& Line : Lines(Run))
	{
		All.push_back(Utf8(Line));
	}
	const std::vector<std::string> Expected = {
		"Pin      Value",
		"Success  true",
		"ab       1",
		"张       2",
		"😀       3",
		"e\xcc\x81        4",
	};
	EXPECT_EQ(All, Expected);
}

TEST(ZovaTableTest, ErrorsAreOneLineWhateverTheInputHolds)
{
	const FZovaRun Run = RunZova({"json", "analyze", "{}", "--key", "a\nb\x1b[2J", "--key", "A\nB\x1b[2J"});
	ExpectUsageError(Run);
	EXPECT_EQ(Run.StdErr.find('\x1b'), std::string::npos) << Run.StdErr;
	EXPECT_NE(Run.StdErr.find(R"(\n)"), std::string::npos) << Run.StdErr;
}
