#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "HAL/PlatformProcess.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZovaProcess.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace
{
	/** Runs the zova tool beside the test executable, as a script would. */
	class FJsonKeyedCommandTest : public testing::Test
	{
	protected:
		typedef FZovaRun FRun;

		/** Standard output must be exactly one JSON object. */
		static TSharedPtr<FJsonObject> ParseObject(const FRun& Run)
		{
			TSharedPtr<FJsonObject> Object;
			EXPECT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Run.StdOut), Object)) << TCHAR_TO_UTF8(*Run.StdOut);
			return Object;
		}

		static bool ReadBool(const FJsonObject& Object, const TCHAR* Name)
		{
			bool bValue = false;
			EXPECT_TRUE(Object.TryGetBoolField(Name, bValue)) << "no boolean " << TCHAR_TO_UTF8(Name);
			return bValue;
		}

		static TSharedPtr<FJsonObject> ReadObject(const FJsonObject& Object, const TCHAR* Name)
		{
			const TSharedPtr<FJsonObject>* Field = nullptr;
			EXPECT_TRUE(Object.TryGetObjectField(Name, Field)) << "no object " << TCHAR_TO_UTF8(Name);
			return Field ? *Field : MakeShared<FJsonObject>();
		}

		static TArray<FString> ReadStrings(const FJsonObject& Object, const TCHAR* Name)
		{
			TArray<FString> Strings;
			const TArray<TSharedPtr<FJsonValue>>* Field = nullptr;
			EXPECT_TRUE(Object.TryGetArrayField(Name, Field)) << "no array " << TCHAR_TO_UTF8(Name);
			for (int32 Index = 0; Field && Index < Field->Num(); ++Index)
			{
				Strings.Add((*Field)[Index]->AsString());
			}
			return Strings;
		}
	};

	struct FOutJsonCase
	{
		const char* Label;
		std::vector<std::string> Words;
		const TCHAR* ExpectedOutJson;
	};
}

TEST_F(FJsonKeyedCommandTest, AnalyzeReportsEachKeysValueInKeyOrder)
{
	const FRun Run = RunZova({"json", "analyze", "{\"name\":\"Zova\",\"age\":7,\"address\":{\"city\":\"Paris\"}}", "--key", "name", "--key", "/address/city", "--key", "age", "--json"});
	ASSERT_EQ(Run.ExitStatus, 0) << Run.StdErr;
	const TSharedPtr<FJsonObject> Object = ParseObject(Run);
	ASSERT_TRUE(Object.IsValid());
	EXPECT_TRUE(ReadBool(*Object, TEXT("Success")));
	const TSharedPtr<FJsonObject> Values = ReadObject(*Object, TEXT("values"));
	EXPECT_EQ(Values->GetStringField(TEXT("name")), FString(TEXT("Zova")));
	EXPECT_EQ(Values->GetStringField(TEXT("/address/city")), FString(TEXT("Paris")));
	EXPECT_EQ(Values->GetStringField(TEXT("age")), FString(TEXT("7")));
	EXPECT_EQ(ReadStrings(*Object, TEXT("order")), TArray<FString>({TEXT("name"), TEXT("/address/city"), TEXT("age")}));
}

TEST_F(FJsonKeyedCommandTest, AMissingKeyOrTextFromStandardInputStillAnswers)
{
	const FRun Missing = RunZova({"json", "analyze", "-", "--key", "k", "--key", "gone", "--json"}, "{\"k\":\"v\"}");
	EXPECT_EQ(Missing.ExitStatus, 1) << "Success is false";
	const TSharedPtr<FJsonObject> Object = ParseObject(Missing);
	ASSERT_TRUE(Object.IsValid());
	EXPECT_FALSE(ReadBool(*Object, TEXT("Success")));
	EXPECT_EQ(ReadObject(*Object, TEXT("values"))->GetStringField(TEXT("k")), FString(TEXT("v")));
	EXPECT_EQ(ReadObject(*Object, TEXT("values"))->GetStringField(TEXT("gone")), FString());

	const FRun Table = RunZova({"json", "analyze", "{\"k\":\"v\"}", "--key", "k"});
	EXPECT_EQ(Table.ExitStatus, 0);
	EXPECT_TRUE(Table.StdOut.Contains(TEXT("Success"))) << TCHAR_TO_UTF8(*Table.StdOut);
	EXPECT_FALSE(Table.StdOut.StartsWith(TEXT("{")));
}

TEST_F(FJsonKeyedCommandTest, CreateAndArrayBuildTheirTextInArgumentOrder)
{
	const FOutJsonCase Cases[] = {
		{"create", {"json", "create", "b=2", "a=x=y", "nested={\"n\":1}", "Out Json=kept", "--json"}, TEXT("{\"b\":\"2\",\"a\":\"x=y\",\"nested\":{\"n\":1},\"Out Json\":\"kept\"}")},
		{"create with an empty value", {"json", "create", "empty=", "--json"}, TEXT("{\"empty\":\"\"}")},
		{"array", {"json", "array", "a", "2", "[1,2]", "--json"}, TEXT("[\"a\",\"2\",[1,2]]")},
		{"array of one", {"json", "array", "", "--json"}, TEXT("[\"\"]")},
	};
	for (const FOutJsonCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Label);
		const FRun Run = RunZova(Case.Words);
		ASSERT_EQ(Run.ExitStatus, 0) << Run.StdErr;
		const TSharedPtr<FJsonObject> Object = ParseObject(Run);
		ASSERT_TRUE(Object.IsValid());
		EXPECT_TRUE(ReadBool(*Object, TEXT("Success")));
		EXPECT_EQ(Object->GetStringField(TEXT("Out Json")), FString(Case.ExpectedOutJson));
		EXPECT_EQ(Object->Values.Num(), 2);
	}
}

TEST_F(FJsonKeyedCommandTest, BadInputIsOneLineOnStandardErrorWithStatusTwo)
{
	const std::vector<std::string> BadRuns[] = {
		{"json", "analyze", "{}", "--key", "Success", "--json"},
		{"json", "analyze", "{}", "--key", "a", "--key", "A", "--json"},
		{"json", "analyze", "{}", "--json"},
		{"json", "create", "a=1", "A=2", "--json"},
		{"json", "create", "=1", "--json"},
		{"json", "create", "novalue", "--json"},
		{"json", "create", "--json"},
		{"json", "array", "--json"},
	};
	for (const std::vector<std::string>& Words : BadRuns)
	{
		SCOPED_TRACE(Words[1] + " " + Words[2] + (Words.size() > 3 ? " " + Words[3] : std::string()));
		const FRun Run = RunZova(Words);
		EXPECT_EQ(Run.ExitStatus, 2);
		EXPECT_TRUE(Run.StdOut.IsEmpty()) << TCHAR_TO_UTF8(*Run.StdOut);
		EXPECT_EQ(Run.StdErr.rfind("zova: ", 0), 0u) << Run.StdErr;
		EXPECT_EQ(Run.StdErr.find('\n'), Run.StdErr.size() - 1) << Run.StdErr;
	}
}

TEST_F(FJsonKeyedCommandTest, KeysThatMakeNoNameAreRefusedInOneShortLine)
{
	const std::string Huge(100000, 'k');
	const std::vector<std::string> RefusedRuns[] = {
		{"json", "analyze", "{}", "--key", Huge, "--json"},
		{"json", "create", Huge + "=1", "--json"},
		{"json", "analyze", "{}", "--key", "_1", "--json"},
		{"json", "create", "None=1", "--json"},
	};
	for (const std::vector<std::string>& Words : RefusedRuns)
	{
		SCOPED_TRACE(Words[1] + " " + Words[Words[1] == "create" ? 2 : 4].substr(0, 20));
		const FRun Run = RunZova(Words);
		EXPECT_EQ(Run.ExitStatus, 2) << Run.StdErr.substr(0, 400);
		EXPECT_TRUE(Run.StdOut.IsEmpty());
		EXPECT_EQ(Run.StdErr.rfind("zova: ", 0), 0u) << Run.StdErr.substr(0, 400);
		EXPECT_NE(Run.StdErr.find("refused the key"), std::string::npos) << Run.StdErr.substr(0, 400);
		EXPECT_EQ(Run.StdErr.find('\n'), Run.StdErr.size() - 1);
		EXPECT_LT(Run.StdErr.size(), 400u) << "a long key is not echoed whole";
	}

	// A key that keeps a number suffix is a name like any other.
	const FRun Numbered = RunZova({"json", "analyze", "{\"id_1\":\"a\",\"id_01\":\"b\"}", "--key", "id_1", "--key", "id_01", "--json"});
	ASSERT_EQ(Numbered.ExitStatus, 0) << Numbered.StdErr;
	const TSharedPtr<FJsonObject> Object = ParseObject(Numbered);
	ASSERT_TRUE(Object.IsValid());
	EXPECT_EQ(ReadStrings(*Object, TEXT("order")), TArray<FString>({TEXT("id_1"), TEXT("id_01")}));
	EXPECT_EQ(ReadObject(*Object, TEXT("values"))->GetStringField(TEXT("id_01")), FString(TEXT("b")));
}

TEST_F(FJsonKeyedCommandTest, ARefusedKeyIsNamedWithTheReasonTheNodeRefusedIt)
{
	struct FRefusalCase
	{
		std::vector<std::string> Words;
		const char* Reason;
		std::string StdIn;
	};
	using namespace std::string_literals;
	const FRefusalCase Cases[] = {
		{{"json", "analyze", "{}", "--key", "name", "--key", "NAME"}, "the key \"NAME\": The node already has this key; keys are compared ignoring letter case."},
		{{"json", "analyze", "{}", "--key", ""}, "the key \"\": A key may not be empty."},
		{{"json", "analyze", "{}", "--key", "Success"}, "the key \"Success\": One of the node's own pins on this side already has this name."},
		{{"json", "analyze", "{}", "--key", "none"}, "the key \"none\": \"None\", in any letter case, is the engine's empty name and cannot name a pin."},
		{{"json", "analyze", "{}", "--key", "_25"}, "the key \"_25\": An underscore and a number alone make an empty name with a number"},
		{{"json", "create", "a=1", "A=2"}, "\"Json Create\" node refused the key \"A\": The node already has this key"},
		{{"json", "create", std::string(1024, 'k') + "=1"}, "(1024 characters): A key may have at most 1,023 characters"},
		// Only standard input can carry a NUL; it is shown escaped, and the key is refused whole.
		{{"json", "analyze", "{}", "--key", "-"}, "the key \"a\\u0000b\": A key may not hold the character U+0000, where a pin name ends.", "a\0b"s},
		{{"json", "create", "-"}, "the key \"a\\u0000b\": A key may not hold the character U+0000", "a\0b=1"s},
	};
	for (const auto& [Words, Reason, StdIn] : Cases)
	{
		SCOPED_TRACE(Reason);
		const FRun Run = RunZova(Words, StdIn);
		EXPECT_EQ(Run.ExitStatus, 2);
		EXPECT_TRUE(Run.StdOut.IsEmpty());
		EXPECT_NE(Run.StdErr.find(Reason), std::string::npos) << Run.StdErr;
		EXPECT_EQ(std::count(Run.StdErr.begin(), Run.StdErr.end(), '\n'), 1) << Run.StdErr;
	}
}

TEST_F(FJsonKeyedCommandTest, AKeyLongerThanANameCanBeIsRefusedAtOnceWithItsReason)
{
	const std::string LongKey(100000, 'k');
	const FRun Run = RunZova({"json", "analyze", "{}", "--key", "short", "--key", LongKey});
	EXPECT_EQ(Run.ExitStatus, 2);
	EXPECT_TRUE(Run.StdOut.IsEmpty());
	EXPECT_NE(Run.StdErr.find("(100000 characters): A key may have at most 1,023 characters, the most a pin name holds."), std::string::npos) << Run.StdErr.substr(0, 300);
	EXPECT_LT(Run.StdErr.size(), 400u) << "the key is shown cut short";
}
