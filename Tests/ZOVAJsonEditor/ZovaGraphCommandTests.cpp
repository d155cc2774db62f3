#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "HAL/PlatformProcess.h"
#include "Misc/FileHelper.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZovaProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

/** Runs the zova tool beside the test executable, as a script would. */
class FZovaGraphCommandTest : public testing::Test
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

	/** The entries "zova nodes --json" lists. */
	static TArray<TSharedPtr<FJsonValue>> ListNodes()
	{
		const FRun Run = RunZova({"nodes", "--json"});
		EXPECT_EQ(Run.ExitStatus, 0) << Run.StdErr;
		const TSharedPtr<FJsonObject> Object = ParseObject(Run);
		const TArray<TSharedPtr<FJsonValue>>* Nodes = nullptr;
		EXPECT_TRUE(Object.IsValid() && Object->TryGetArrayField(TEXT("nodes"), Nodes));
		return Nodes ? *Nodes : TArray<TSharedPtr<FJsonValue>>();
	}

	static TArray<FString> ToStrings(const TArray<TSharedPtr<FJsonValue>>& Values)
	{
		TArray<FString> Strings;
		for (const TSharedPtr<FJsonValue>& Value : Values)
		{
			Strings.Add(Value->AsString());
		}
		return Strings;
	}
};

TEST_F(FZovaGraphCommandTest, JsonToArrayPrintsTheNodeOutputsAndExitsBySuccess)
{
	struct FCase
	{
		const char* Name;
		std::vector<std::string> Words;
		std::string StdIn;
		int ExpectedExit;
		bool bExpectedSuccess;
		TArray<FString> ExpectedArray;
	};
	const FCase Cases[] = {
		{"array text", {"json", "to-array", "[\"a\", 2, true, \"中文\"]", "--json"}, "", 0, true, {TEXT("a"), TEXT("2"), TEXT("true"), TEXT("中文")}},
		{"not an array", {"json", "to-array", "{\"a\": 1}", "--json"}, "", 1, false, {}},
		{"text from standard input", {"json", "to-array", "-", "--json"}, "[\"it's\", \"x\"]", 0, true, {TEXT("it's"), TEXT("x")}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const FRun Run = RunZova(Case.Words, Case.StdIn);
		EXPECT_EQ(Run.ExitStatus, Case.ExpectedExit) << Run.StdErr;
		const TSharedPtr<FJsonObject> Object = ParseObject(Run);
		ASSERT_TRUE(Object.IsValid());
		EXPECT_EQ(Object->Values.Num(), 2);
		bool bSuccess = !Case.bExpectedSuccess;
		EXPECT_TRUE(Object->TryGetBoolField(TEXT("Success"), bSuccess));
		EXPECT_EQ(bSuccess, Case.bExpectedSuccess);
		const TArray<TSharedPtr<FJsonValue>>* Array = nullptr;
		ASSERT_TRUE(Object->TryGetArrayField(TEXT("String Array"), Array));
		EXPECT_EQ(ToStrings(*Array), Case.ExpectedArray);
	}

	const FRun Table = RunZova({"json", "to-array", "[\"first\", \"second\"]"});
	EXPECT_EQ(Table.ExitStatus, 0);
	EXPECT_TRUE(Table.StdOut.Contains(TEXT("String Array [1]"))) << TCHAR_TO_UTF8(*Table.StdOut);
	EXPECT_TRUE(Table.StdOut.Contains(TEXT("second")));
}

TEST_F(FZovaGraphCommandTest, JsonToArrayRefusesBadUsageWithOneLine)
{
	const std::vector<std::vector<std::string>> BadUsages = {{"json", "to-array"}, {"json", "to-array", "[1]", "[2]"}, {"json", "to-array", "[1]", "--key", "x"}};
	for (const std::vector<std::string>& Words : BadUsages)
	{
		SCOPED_TRACE(Words.size());
		const FRun Run = RunZova(Words);
		EXPECT_EQ(Run.ExitStatus, 2);
		EXPECT_TRUE(Run.StdOut.IsEmpty());
		EXPECT_EQ(std::count(Run.StdErr.begin(), Run.StdErr.end(), '\n'), 1) << Run.StdErr;
	}
}

TEST_F(FZovaGraphCommandTest, NodesListsJsonToArrayWithItsPinsButNotTheAnalyzeArrayNode)
{
	TSharedPtr<FJsonObject> JsonToArray;
	for (const TSharedPtr<FJsonValue>& Node : ListNodes())
	{
		const TSharedPtr<FJsonObject> Entry = Node->AsObject();
		EXPECT_NE(Entry->GetStringField(TEXT("class")), TEXT("ZOVAK2Node_AnalyzeArray"));
		if (Entry->GetStringField(TEXT("title")) == TEXT("Json To Array"))
		{
			JsonToArray = Entry;
		}
	}
	ASSERT_TRUE(JsonToArray.IsValid());
	EXPECT_EQ(JsonToArray->GetStringField(TEXT("category")), TEXT("ZOVA Http Json"));
	EXPECT_EQ(JsonToArray->GetStringField(TEXT("tooltip")), TEXT("Parse Json To Array String"));
	EXPECT_EQ(JsonToArray->GetStringField(TEXT("class")), TEXT("ZOVAK2Node_JsonToArray"));
	const TArray<TSharedPtr<FJsonValue>>* PinValues = nullptr;
	ASSERT_TRUE(JsonToArray->TryGetArrayField(TEXT("pins"), PinValues));
	const TArray<TSharedPtr<FJsonValue>>& Pins = *PinValues;
	const TCHAR* const Expected[][4] = {
		{TEXT("In Json"), TEXT("input"), TEXT("string"), TEXT("none")},
		{TEXT("Success"), TEXT("output"), TEXT("bool"), TEXT("none")},
		{TEXT("String Array"), TEXT("output"), TEXT("string"), TEXT("array")},
	};
	ASSERT_EQ(Pins.Num(), 3);
	for (int32 Index = 0; Index < Pins.Num(); ++Index)
	{
		SCOPED_TRACE(Index);
		const TSharedPtr<FJsonObject> Pin = Pins[Index]->AsObject();
		EXPECT_EQ(Pin->GetStringField(TEXT("name")), Expected[Index][0]);
		EXPECT_EQ(Pin->GetStringField(TEXT("direction")), Expected[Index][1]);
		EXPECT_EQ(Pin->GetStringField(TEXT("category")), Expected[Index][2]);
		EXPECT_EQ(Pin->GetStringField(TEXT("container")), Expected[Index][3]);
	}

	const FRun Table = RunZova({"nodes"});
	EXPECT_EQ(Table.ExitStatus, 0);
	EXPECT_TRUE(Table.StdOut.Contains(TEXT("Json To Array")));
	EXPECT_TRUE(Table.StdOut.Contains(TEXT("out String Array: string (array)"))) << TCHAR_TO_UTF8(*Table.StdOut);
}

TEST_F(FZovaGraphCommandTest, NodesListsTheThreeRequestNodesAsLatentNodes)
{
	const TArray<TSharedPtr<FJsonValue>> Nodes = ListNodes();

	struct FRequestNode
	{
		const TCHAR* Title;
		const TCHAR* Tooltip;
		TArray<FString> Inputs;
	};
	const FRequestNode Expected[] = {
		{TEXT("Http Get Request"), TEXT("Http Get 请求"), {TEXT("execute"), TEXT("Url")}},
		{TEXT("Http Post Request（Form）"), TEXT("Http Post 请求"), {TEXT("execute"), TEXT("Url"), TEXT("Form")}},
		{TEXT("Http Post Request（Json）"), TEXT("Http Post 请求"), {TEXT("execute"), TEXT("Url"), TEXT("Json")}},
	};
	for (const FRequestNode& Request : Expected)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Request.Title));
		const TSharedPtr<FJsonValue>* Found = Nodes.FindByPredicate([&Request](const TSharedPtr<FJsonValue>& Node)
		{
			return Node->AsObject()->GetStringField(TEXT("title")).Equals(Request.Title, ESearchCase::CaseSensitive);
		});
		ASSERT_NE(Found, nullptr);
		const TSharedPtr<FJsonObject> Entry = (*Found)->AsObject();
		EXPECT_TRUE(Entry->GetStringField(TEXT("category")).Equals(TEXT("ZOVA Http Json"), ESearchCase::CaseSensitive));
		EXPECT_TRUE(Entry->GetStringField(TEXT("class")).Equals(TEXT("K2Node_AsyncAction"), ESearchCase::CaseSensitive));
		// The menu shows the factory's own tooltip, then the class it belongs to by its display name.
		EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Entry->GetStringField(TEXT("tooltip")))), std::string(TCHAR_TO_UTF8(Request.Tooltip)) + "\n\nTarget is ZOVAHttp Request");

		const TArray<TSharedPtr<FJsonValue>>* Pins = nullptr;
		ASSERT_TRUE(Entry->TryGetArrayField(TEXT("pins"), Pins));
		TArray<FString> Outputs;
		TArray<FString> Inputs;
		std::vector<std::string> OutputLabels;
		for (const TSharedPtr<FJsonValue>& Pin : *Pins)
		{
			const TSharedPtr<FJsonObject> PinObject = Pin->AsObject();
			const bool bInput = PinObject->GetStringField(TEXT("direction")) == TEXT("input");
			(bInput ? Inputs : Outputs).Add(PinObject->GetStringField(TEXT("name")) + TEXT(":") + PinObject->GetStringField(TEXT("category")));
			if (!bInput)
			{
				OutputLabels.push_back(TCHAR_TO_UTF8(*PinObject->GetStringField(TEXT("label"))));
			}
		}
		EXPECT_EQ(Outputs, TArray<FString>({TEXT("then:exec"), TEXT("OnSuccess:exec"), TEXT("OnFail:exec"), TEXT("Code:int"), TEXT("Data:string")}));
		EXPECT_EQ(OutputLabels, std::vector<std::string>({"", "On Success", "On Fail", "Code", "Data"})) << "as the editor labels them";
		TArray<FString> ExpectedInputs;
		for (const FString& Input : Request.Inputs)
		{
			ExpectedInputs.Add(Input + (Input == TEXT("execute") ? TEXT(":exec") : TEXT(":string")));
		}
		EXPECT_EQ(Inputs, ExpectedInputs);
	}

	const FRun Table = RunZova({"nodes"});
	EXPECT_TRUE(Table.StdOut.Contains(TEXT("in execute: exec, out then: exec, out OnSuccess \"On Success\": exec, out OnFail \"On Fail\": exec, out Code: int, out Data: string, in Url: string"), ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Table.StdOut);
}

// UE 5.2, Editor/BlueprintGraph/Private/K2Node_MakeContainer.cpp: a Make Array or Make Map pasted without
// the node it fed keeps the type that its typed values give it, so graph run can build it.
TEST_F(FZovaGraphCommandTest, GraphRunPrintsPastedContainersOfLiteralsWhoseLinksLeftTheText)
{
	const std::string File = std::string(ZOVA_CLIPBOARD_FIXTURES) + "/PastedContainersOfLiterals.txt";
	const std::string ExpectedTable =
		"Node                Pin        Value\n"
		"K2Node_MakeArray_0  Array [0]  a\n"
		"K2Node_MakeArray_0  Array [1]  b\n"
		"K2Node_MakeMap_1    Map [0]    level = 3\n";
	const FRun Table = RunZova({"graph", "run", File, "--pin", "K2Node_MakeArray_0.Array", "--pin", "K2Node_MakeMap_1.Map"});
	EXPECT_EQ(Table.ExitStatus, 0) << Table.StdErr;
	EXPECT_EQ(TCHAR_TO_UTF8(*Table.StdOut), ExpectedTable);

	const FRun Json = RunZova({"graph", "run", File, "--pin", "K2Node_MakeArray_0.Array", "--json"});
	EXPECT_EQ(Json.ExitStatus, 0) << Json.StdErr;
	const TSharedPtr<FJsonObject> Object = ParseObject(Json);
	const TArray<TSharedPtr<FJsonValue>>* Pins = nullptr;
	const TArray<TSharedPtr<FJsonValue>>* Value = nullptr;
	ASSERT_TRUE(Object.IsValid() && Object->TryGetArrayField(TEXT("pins"), Pins) && Pins->Num() == 1);
	ASSERT_TRUE((*Pins)[0]->AsObject()->TryGetArrayField(TEXT("value"), Value));
	EXPECT_EQ(ToStrings(*Value), TArray<FString>({TEXT("a"), TEXT("b")}));
}

// An empty path (an unset variable) is bad usage wherever a path is taken, and a FILE may be any
// readable path, such as /dev/stdin or what a shell's <(...) gives.
TEST_F(FZovaGraphCommandTest, PathsMustNotBeEmptyAndAFileMayBeAnyReadablePath)
{
	const std::vector<std::vector<std::string>> EmptyPaths = {
		{"graph", "run", ""},
		{"nodes", "--svg", ""},
		{"launcher", "pack", "--document", "-", "--token", "t", "--out", ""},
		{"launcher", "pack", "--document", "", "--token", "t", "--out", "x"},
		{"launcher", "read", "--dir", "", "--app-key", "k"},
	};
	for (const std::vector<std::string>& Words : EmptyPaths)
	{
		SCOPED_TRACE(Words[0] + " " + Words[1]);
		const FRun Run = RunZova(Words, "{}");
		EXPECT_EQ(Run.ExitStatus, 2);
		EXPECT_TRUE(Run.StdOut.IsEmpty());
		EXPECT_NE(Run.StdErr.find("is an empty path"), std::string::npos) << Run.StdErr;
		EXPECT_EQ(std::count(Run.StdErr.begin(), Run.StdErr.end(), '\n'), 1) << Run.StdErr;
	}

	FString Text;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Text, UTF8_TO_TCHAR(ZOVA_CLIPBOARD_FIXTURES "/AnalyzeWithKeys.txt")));
	const FTCHARToUTF8 Utf8(*Text);
	const FRun FromDevice = RunZova({"graph", "run", "/dev/stdin", "--pin", "ZOVAK2Node_Json_3.name"}, std::string(Utf8.Get(), Utf8.Length()));
	EXPECT_EQ(FromDevice.ExitStatus, 0) << FromDevice.StdErr;
	EXPECT_TRUE(FromDevice.StdOut.Contains(TEXT("ZOVAK2Node_Json_3  name  Zova"))) << TCHAR_TO_UTF8(*FromDevice.StdOut);
	const FRun Folder = RunZova({"graph", "run", "/"});
	EXPECT_EQ(Folder.ExitStatus, 2);
	EXPECT_NE(Folder.StdErr.find("cannot read the file /"), std::string::npos) << Folder.StdErr;
}

// The engine's log lines carry what the user typed (a URL); zova shows them on standard error with
// control characters escaped, one line each.
TEST_F(FZovaGraphCommandTest, LogLinesShowWhatTheUserTypedEscaped)
{
	const FRun Run = RunZova({"http", "get", "http://127.0.0.1:9/\x1b[2J\r\nX-Injected: 1", "--timeout", "5"});
	EXPECT_EQ(Run.ExitStatus, 3) << Run.StdErr;
	EXPECT_EQ(Run.StdErr.find('\x1b'), std::string::npos) << Run.StdErr;
	EXPECT_EQ(Run.StdErr.find('\r'), std::string::npos) << Run.StdErr;
	EXPECT_NE(Run.StdErr.find("\\u001b[2J\\r\\nX-Injected: 1"), std::string::npos) << Run.StdErr;
	EXPECT_EQ(Run.StdErr.find("\nX-Injected"), std::string::npos) << Run.StdErr;
}
