#include "Dom/JsonValue.h"
#include "ZovaToolTestSupport.h"

#include <vector>

using namespace ZovaToolTest;

namespace
{
	/** "Out Json" of a json create or json array run with --json, as UTF-8. */
	std::string OutJson(const FZovaRun& Run)
	{
		const TSharedPtr<FJsonObject> Object = ParseObject(Run);
		return Object ? Utf8(Object->GetStringField(TEXT("Out Json"))) : std::string();
	}
}

TEST(ZovaArgumentTest, DoubleDashEndsTheOptionsSoValuesMayStartWithADash)
{
	const FZovaRun AfterDashes = RunZova({"json", "array", "--json", "--", "--help", "-h", "--json", "--"});
	EXPECT_EQ(AfterDashes.ExitStatus, 0) << AfterDashes.StdErr;
	EXPECT_EQ(OutJson(AfterDashes), R"(["--help","-h","--json","--"])");

	const FZovaRun SingleDash = RunZova({"json", "array", "-1", "-x", "--json"});
	EXPECT_EQ(SingleDash.ExitStatus, 0) << SingleDash.StdErr;
	EXPECT_EQ(OutJson(SingleDash), R"(["-1","-x"])") << "a word with one dash is a value";

	const FZovaRun KeyValue = RunZova({"json", "create", "--json", "--", "--k=-v"});
	EXPECT_EQ(OutJson(KeyValue), R"({"--k":"-v"})");

	const FZovaRun StillHelp = RunZova({"json", "array", "a", "--help"});
	EXPECT_EQ(StillHelp.ExitStatus, 0);
	EXPECT_EQ(Utf8(StillHelp.StdOut).rfind("Usage: zova json array", 0), 0u) << "before \"--\", --help is help";
}

TEST(ZovaArgumentTest, StandardInputFeedsOneArgumentOnly)
{
	const std::vector<std::string> Cases[] = {
		{"json", "array", "-", "-"},
		{"json", "analyze", "-", "--key", "-"},
		{"json", "analyze", "{}", "--key", "-", "--key", "-"},
		{"json", "create", "a=1", "-", "-", "--json"},
		{"http", "post-json", "-", "-"},
		{"launcher", "read", "--dir", ".", "--app-key", "-", "--node-name", "-"},
	};
	for (const std::vector<std::string>& Words : Cases)
	{
		SCOPED_TRACE(Words[1]);
		const FZovaRun Run = RunZova(Words, "input");
		ExpectUsageError(Run);
		EXPECT_NE(Run.StdErr.find("standard input"), std::string::npos) << Run.StdErr;
	}
}

TEST(ZovaArgumentTest, AKeyFromStandardInputLosesOneTrailingNewlineAndATextNone)
{
	const std::string Json = R"({"k":"plain","k\n":"with newline","k\r\n":"with CR LF"})";
	const std::pair<const char*, const char*> Keys[] = {{"k\n", "plain"}, {"k\r\n", "plain"}, {"k\n\n", "with newline"}, {"k", "plain"}};
	for (const auto& [Input, Expected] : Keys)
	{
		SCOPED_TRACE(Input);
		const FZovaRun Run = RunZova({"json", "analyze", Json, "--key", "-", "--json"}, Input);
		EXPECT_EQ(Run.ExitStatus, 0) << Run.StdErr;
		const TSharedPtr<FJsonObject> Object = ParseObject(Run);
		ASSERT_TRUE(Object.IsValid());
		const TArray<TSharedPtr<FJsonValue>>* Order = nullptr;
		ASSERT_TRUE(Object->TryGetArrayField(TEXT("order"), Order));
		ASSERT_EQ(Order->Num(), 1);
		const FString Key = (*Order)[0]->AsString();
		EXPECT_EQ(Utf8(ObjectField(Object, TEXT("values"))->GetStringField(Key)), Expected);
	}

	// A text is taken as it is: the value keeps its newline.
	EXPECT_EQ(OutJson(RunZova({"json", "create", "-", "--json"}, "k=v\n")), R"({"k":"v\n"})");
	EXPECT_EQ(OutJson(RunZova({"json", "array", "-", "--json"}, "line\n")), R"(["line\n"])");
}

TEST(ZovaArgumentTest, AnOptionThatTakesOneValueIsRefusedTwice)
{
	const std::vector<std::string> Cases[] = {
		{"launcher", "read", "--dir", "a", "--dir", "b", "--app-key", "k"},
		{"launcher", "pack", "--document", "d.json", "--token", "a", "--token", "b", "--out", "o"},
		{"http", "get", "http://127.0.0.1:9/", "--timeout", "1", "--timeout", "2"},
	};
	for (const std::vector<std::string>& Words : Cases)
	{
		SCOPED_TRACE(Words[1]);
		const FZovaRun Run = RunZova(Words);
		ExpectUsageError(Run);
		EXPECT_NE(Run.StdErr.find("given twice"), std::string::npos) << Run.StdErr;
	}
	const FZovaRun Repeatable = RunZova({"json", "analyze", R"({"a":"1","b":"2"})", "--key", "a", "--key", "b", "--json", "--json"});
	EXPECT_EQ(Repeatable.ExitStatus, 0) << "--key repeats, and a flag may be given twice";
}
