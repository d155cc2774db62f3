#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZovaProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// zova graph run over clipboard texts written in the editor's form, and the --emit-nodes text of the
// json commands run back through it.
namespace
{
	std::string Fixture(const char* Name)
	{
		return std::string(ZOVA_CLIPBOARD_FIXTURES) + "/" + Name;
	}

	TSharedPtr<FJsonObject> ParseObject(const FZovaRun& Run)
	{
		TSharedPtr<FJsonObject> Object;
		EXPECT_TRUE(FJsonSerializer::Deserialize(TJsonReaderFactory<TCHAR>::Create(Run.StdOut), Object)) << TCHAR_TO_UTF8(*Run.StdOut) << Run.StdErr;
		return Object.IsValid() ? Object : MakeShared<FJsonObject>();
	}

	/** One entry of "pins": its value as JSON text, or "depends on NAME". */
	struct FPinEntry
	{
		FString Node;
		FString Pin;
		FString Result;
	};

	FString JsonText(const TSharedPtr<FJsonValue>& Value)
	{
		FString Text;
		FJsonSerializer::Serialize(Value, FString(), TJsonWriterFactory<TCHAR, TCondensedJsonPrintPolicy<TCHAR>>::Create(&Text));
		return Text;
	}

	/** "zova graph run WORDS --json": the pins in order and the names of the nodes not run. */
	struct FGraphRun
	{
		int ExitStatus = -1;
		TArray<FPinEntry> Pins;
		TArray<FString> UnknownNodes;
	};

	FGraphRun RunGraph(std::vector<std::string> Words, const std::string& StdIn = std::string())
	{
		Words.insert(Words.begin(), {"graph", "run"});
		Words.push_back("--json");
		const FZovaRun Run = RunZova(Words, StdIn);
		FGraphRun Result;
		Result.ExitStatus = Run.ExitStatus;
		const TSharedPtr<FJsonObject> Object = ParseObject(Run);
		const TArray<TSharedPtr<FJsonValue>>* Pins = nullptr;
		const TArray<TSharedPtr<FJsonValue>>* Unknown = nullptr;
		EXPECT_TRUE(Object->TryGetArrayField(TEXT("pins"), Pins) && Object->TryGetArrayField(TEXT("unknown_nodes"), Unknown)) << TCHAR_TO_UTF8(*Run.StdOut);
		for (int32 Index = 0; Pins && Index < Pins->Num(); ++Index)
		{
			const TSharedPtr<FJsonObject> Pin = (*Pins)[Index]->AsObject();
			const TSharedPtr<FJsonValue> Value = Pin->TryGetField(TEXT("value"));
			Result.Pins.Add({Pin->GetStringField(TEXT("node")), Pin->GetStringField(TEXT("pin")), Value ? JsonText(Value) : TEXT("depends on ") + Pin->GetStringField(TEXT("depends_on"))});
		}
		for (int32 Index = 0; Unknown && Index < Unknown->Num(); ++Index)
		{
			const TSharedPtr<FJsonObject> Node = (*Unknown)[Index]->AsObject();
			Result.UnknownNodes.Add(Node->GetStringField(TEXT("name")) + TEXT(" ") + Node->GetStringField(TEXT("class")));
		}
		return Result;
	}

	FString Describe(const TArray<FPinEntry>& Pins)
	{
		FString Text;
		for (const FPinEntry& Pin : Pins)
		{
			Text += Pin.Node + TEXT(".") + Pin.Pin + TEXT(" = ") + Pin.Result + TEXT("\n");
		}
		return Text;
	}
}

TEST(ZovaGraphRunTest, EditorTextRunsAsTheCompiledGraphAndNamesWhatDoesNotRun)
{
	struct FCase
	{
		const char* File;
		std::vector<std::string> Pins;
		TArray<FPinEntry> Expected;
		TArray<FString> ExpectedUnknown;
	};
	const FString Analyze = TEXT("ZOVAK2Node_Json_3");
	const FString Create = TEXT("ZOVAK2Node_JsonCreate_0");
	const FString Fed = TEXT("ZOVAK2Node_Json_0");
	const FString Split = TEXT("ZOVAK2Node_AnalyzeArray_1");
	const FCase Cases[] = {
		// Keys typed into a Json Analyze node, its In Json a literal; editor tokens the host does not model around them.
		{"AnalyzeWithKeys.txt", {}, {{Analyze, TEXT("Success"), TEXT("true")}, {Analyze, TEXT("name"), TEXT("\"Zova\"")}, {Analyze, TEXT("/address/city"), TEXT("\"Paris\"")}, {Analyze, TEXT("tags"), TEXT("\"[\\\"a\\\",1]\"")}}, {}},
		{"AnalyzeWithKeys.txt", {"--pin", "ZOVAK2Node_Json_3./address/city"}, {{Analyze, TEXT("/address/city"), TEXT("\"Paris\"")}}, {}},
		// The same keys by array operations, "[n]", a repeated index and trailing semicolons, which the editor reads but never writes.
		{"AnalyzeWithArrayOperations.txt", {}, {{Analyze, TEXT("Success"), TEXT("true")}, {Analyze, TEXT("name"), TEXT("\"Zova\"")}, {Analyze, TEXT("/address/city"), TEXT("\"Paris\"")}, {Analyze, TEXT("tags"), TEXT("\"[\\\"a\\\",1]\"")}}, {}},
		// Node and pin tokens the host keeps no value of: texts, parent and sub-pins, enabled state, compiler messages.
		{"ToArrayWithEditorTokens.txt", {}, {{TEXT("ZOVAK2Node_JsonToArray_5"), TEXT("Success"), TEXT("true")}, {TEXT("ZOVAK2Node_JsonToArray_5"), TEXT("String Array"), TEXT("[\"1\"]")}}, {}},
		// The text created by one node is read by the next.
		{"CreateFeedsAnalyze.txt", {}, {{Create, TEXT("Success"), TEXT("true")}, {Create, TEXT("Out Json"), TEXT("\"{\\\"name\\\":\\\"Zova\\\",\\\"sizes\\\":[1,2]}\"")}, {Fed, TEXT("Success"), TEXT("true")}, {Fed, TEXT("name"), TEXT("\"Zova\"")}, {Fed, TEXT("sizes"), TEXT("\"[1,2]\"")}}, {}},
		// An engine Make Array: the input linked to a node that was not copied loses the link and reads empty.
		{"MakeArrayLinkedOutside.txt", {}, {{Split, TEXT("[0]"), TEXT("\"first\"")}, {Split, TEXT("[1]"), TEXT("\"\"")}, {Split, TEXT("[2]"), TEXT("\"third\"")}}, {}},
		{"MakeArrayLinkedOutside.txt", {"--pin", "K2Node_MakeArray_2.Array"}, {{TEXT("K2Node_MakeArray_2"), TEXT("Array"), TEXT("[\"first\",\"\",\"third\"]")}}, {}},
		// A variable of a class the host lacks and a request node that only runs in a game.
		{"NodesNotRunHere.txt", {}, {
			{TEXT("ZOVAK2Node_Json_1"), TEXT("Success"), TEXT("depends on K2Node_VariableGet_1")},
			{TEXT("ZOVAK2Node_Json_1"), TEXT("name"), TEXT("depends on K2Node_VariableGet_1")},
			{TEXT("ZOVAK2Node_Json_2"), TEXT("Success"), TEXT("depends on K2Node_AsyncAction_0")},
			{TEXT("ZOVAK2Node_Json_2"), TEXT("token"), TEXT("depends on K2Node_AsyncAction_0")},
			{TEXT("ZOVAK2Node_JsonToArray_0"), TEXT("Success"), TEXT("true")},
			{TEXT("ZOVAK2Node_JsonToArray_0"), TEXT("String Array"), TEXT("[\"x\",\"true\"]")}},
			{TEXT("K2Node_VariableGet_1 /Script/BlueprintGraph.K2Node_VariableGet"), TEXT("K2Node_AsyncAction_0 /Script/BlueprintGraph.K2Node_AsyncAction")}},
		{"NodesNotRunHere.txt", {"--pin", "K2Node_VariableGet_1.Profile", "--pin", "K2Node_AsyncAction_0.Code"}, {
			{TEXT("K2Node_VariableGet_1"), TEXT("Profile"), TEXT("depends on K2Node_VariableGet_1")},
			{TEXT("K2Node_AsyncAction_0"), TEXT("Code"), TEXT("depends on K2Node_AsyncAction_0")}},
			{TEXT("K2Node_VariableGet_1 /Script/BlueprintGraph.K2Node_VariableGet"), TEXT("K2Node_AsyncAction_0 /Script/BlueprintGraph.K2Node_AsyncAction")}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.File + (Case.Pins.empty() ? std::string() : " " + Case.Pins[1]));
		std::vector<std::string> Words = {Fixture(Case.File)};
		Words.insert(Words.end(), Case.Pins.begin(), Case.Pins.end());
		const FGraphRun Run = RunGraph(Words);
		EXPECT_EQ(Run.ExitStatus, 0);
		EXPECT_EQ(TCHAR_TO_UTF8(*Describe(Run.Pins)), std::string(TCHAR_TO_UTF8(*Describe(Case.Expected))));
		EXPECT_EQ(Run.UnknownNodes, Case.ExpectedUnknown);
	}
}

TEST(ZovaGraphRunTest, TheTableSaysWhichNodeAValueDependsOn)
{
	const FZovaRun Run = RunZova({"graph", "run", Fixture("NodesNotRunHere.txt"), "--pin", "ZOVAK2Node_Json_2.token"});
	EXPECT_EQ(Run.ExitStatus, 0) << Run.StdErr;
	EXPECT_NE(Run.StdOut.Find(TEXT("ZOVAK2Node_Json_2  token  depends on K2Node_AsyncAction_0 (class /Script/BlueprintGraph.K2Node_AsyncAction), not run here")), INDEX_NONE) << TCHAR_TO_UTF8(*Run.StdOut);
}

TEST(ZovaGraphRunTest, TextNotInTheEditorsFormIsRefusedNamingItsLine)
{
	struct FCase
	{
		const char* Name;
		std::string Text;
		const char* ExpectedError;
	};
	const std::string Header = "Begin Object Class=/Script/ZOVAJsonEditor.ZOVAK2Node_Json Name=\"ZOVAK2Node_Json_0\"\n";
	const FCase Cases[] = {
		{"no block", "just words\n", "line 1: expected Begin Object"},
		{"empty", "", "line 1: expected Begin Object"},
		{"pin id not a guid", Header + "   CustomProperties Pin (PinId=XYZ,PinName=\"In Json\",)\nEnd Object\n", "line 2: expected a pin in the editor's form"},
		{"pin text not closed", Header + "   NodeGuid=9F8E7D6C5B4A39281706F5E4D3C2B1A0\r\n   CustomProperties Pin (PinId=9F8E7D6C5B4A39281706F5E4D3C2B1A0,PinName=\"In Json\"\r\nEnd Object\r\n", "line 3: expected a pin"},
		{"block not ended", Header + "   NodePosX=3\n", "line 3: expected End Object for the Begin Object of line 1"},
		{"stray end", Header + "End Object\nEnd Object\n", "line 3: expected Begin Object before End Object"},
		{"no class", "Begin Object Name=\"A\"\nEnd Object\n", "line 1: expected Class="},
		{"not a property", Header + "   a line of prose\nEnd Object\n", "line 2: expected Name=Value"},
		// As many inputs as the text asks for would be made, in the editor too.
		{"inputs beyond count", "\n" + Header + "   NumInputs=345555\nEnd Object\n", "line 2: expected a node of at most 100000 inputs"},
		{"inputs beyond count, spelt otherwise", Header + "   numinputs (0) = 345555;\r\nEnd Object\r\n", "line 1: expected a node of at most 100000 inputs"},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const FZovaRun Run = RunZova({"graph", "run", "-"}, Case.Text);
		EXPECT_EQ(Run.ExitStatus, 2);
		EXPECT_TRUE(Run.StdOut.IsEmpty());
		EXPECT_EQ(Run.StdErr.rfind(std::string("zova: ") + Case.ExpectedError, 0), 0u) << Run.StdErr;
	}
}

TEST(ZovaGraphRunTest, PinsAskedForMustNameAPinOfTheText)
{
	const std::pair<const char*, const char*> Cases[] = {
		{"name", "--pin name is not NODE.PIN"},
		{"ZOVAK2Node_Json_3.", "is not NODE.PIN"},
		{"ZOVAK2Node_Json_9.name", "the text holds no node named ZOVAK2Node_Json_9"},
		{"ZOVAK2Node_Json_3.city", "the node ZOVAK2Node_Json_3 has no pin \"city\""},
	};
	for (const auto& [Pin, Expected] : Cases)
	{
		SCOPED_TRACE(Pin);
		const FZovaRun Run = RunZova({"graph", "run", Fixture("AnalyzeWithKeys.txt"), "--pin", Pin});
		EXPECT_EQ(Run.ExitStatus, 2);
		EXPECT_NE(Run.StdErr.find(Expected), std::string::npos) << Run.StdErr;
	}
}

// The text each json command emits, run back through graph run, gives what the command gives.
TEST(ZovaGraphRunTest, EmittedNodesRunBackToTheCommandsOwnResult)
{
	struct FCase
	{
		std::vector<std::string> Words;
		/** The member of the command's --json object that holds the key pins' values, if any. */
		const TCHAR* KeyValues;
	};
	const FCase Cases[] = {
		{{"json", "to-array", "[\"a\", 2, {\"b\":null}]"}, nullptr},
		{{"json", "to-array", "not json"}, nullptr},
		{{"json", "analyze", "{\"k\":\"v\",\"n\":{\"m\":[1,\"\\u00e9\"]}}", "--key", "k", "--key", "/n/m", "--key", "absent"}, TEXT("values")},
		{{"json", "create", "name=Zo\"va", "list=[1,2]", "obj={\"a\":true}", "empty="}, nullptr},
		{{"json", "array", "a", "2", "{\"n\":1}", "line\nbreak"}, nullptr},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Words[1] + " " + Case.Words[2]);
		std::vector<std::string> Direct = Case.Words;
		Direct.push_back("--json");
		const FZovaRun DirectRun = RunZova(Direct);
		ASSERT_LE(DirectRun.ExitStatus, 1) << DirectRun.StdErr;
		const TSharedPtr<FJsonObject> Expected = ParseObject(DirectRun);

		std::vector<std::string> Emit = Case.Words;
		Emit.push_back("--emit-nodes");
		const FZovaRun EmitRun = RunZova(Emit);
		ASSERT_EQ(EmitRun.ExitStatus, 0) << EmitRun.StdErr;
		EXPECT_TRUE(EmitRun.StdOut.StartsWith(TEXT("Begin Object Class=/Script/ZOVAJsonEditor.ZOVAK2Node_"))) << TCHAR_TO_UTF8(*EmitRun.StdOut);
		const FTCHARToUTF8 EmittedText(*EmitRun.StdOut);

		const FGraphRun Run = RunGraph({"-"}, std::string(EmittedText.Get(), EmittedText.Length()));
		EXPECT_EQ(Run.ExitStatus, 0);
		EXPECT_TRUE(Run.UnknownNodes.IsEmpty());
		const TSharedPtr<FJsonObject>* KeyValues = nullptr;
		ASSERT_TRUE(!Case.KeyValues || Expected->TryGetObjectField(Case.KeyValues, KeyValues));
		int32 NumCompared = 0;
		for (const FPinEntry& Pin : Run.Pins)
		{
			const TSharedPtr<FJsonObject> Holder = KeyValues && Pin.Pin != TEXT("Success") ? *KeyValues : Expected;
			const TSharedPtr<FJsonValue> Value = Holder->TryGetField(Pin.Pin);
			ASSERT_TRUE(Value.IsValid()) << "the command has no value for " << TCHAR_TO_UTF8(*Pin.Pin);
			EXPECT_EQ(TCHAR_TO_UTF8(*Pin.Result), std::string(TCHAR_TO_UTF8(*JsonText(Value)))) << TCHAR_TO_UTF8(*Pin.Pin);
			++NumCompared;
		}
		const int32 NumValues = KeyValues ? (*KeyValues)->Values.Num() + 1 : Expected->Values.Num();
		EXPECT_EQ(NumCompared, NumValues) << "every output of the node is evaluated";
	}
}

TEST(ZovaGraphRunTest, APastedKeyTheNodeCannotHoldIsDroppedWithOneWarning)
{
	const FZovaRun EmitRun = RunZova({"json", "analyze", "{\"name\":\"Zova\"}", "--key", "name", "--key", "placeholder", "--emit-nodes"});
	ASSERT_EQ(EmitRun.ExitStatus, 0) << EmitRun.StdErr;
	const std::string Emitted(TCHAR_TO_UTF8(*EmitRun.StdOut));
	const std::string Placeholder = "PinNames(1)=\"placeholder\"";
	const size_t At = Emitted.find(Placeholder);
	ASSERT_NE(At, std::string::npos) << Emitted;
	for (const std::string& SecondKey : {std::string("\"\""), std::string("\"None\""), std::string("\"_5\""), std::string("placeholder")})
	{
		SCOPED_TRACE(SecondKey);
		const std::string Text = std::string(Emitted).replace(At, Placeholder.size(), "PinNames(1)=" + SecondKey);
		const FZovaRun Run = RunZova({"graph", "run", "-", "--json"}, Text);
		EXPECT_EQ(Run.ExitStatus, 0) << Run.StdErr;
		EXPECT_EQ(std::count(Run.StdErr.begin(), Run.StdErr.end(), '\n'), 1) << Run.StdErr;
		EXPECT_NE(Run.StdErr.find("ZOVAK2Node_Json_1: the key \""), std::string::npos) << Run.StdErr;
		EXPECT_NE(Run.StdErr.find("\" was dropped: "), std::string::npos) << Run.StdErr;
		const TSharedPtr<FJsonObject> Object = ParseObject(Run);
		const TArray<TSharedPtr<FJsonValue>>* Pins = nullptr;
		ASSERT_TRUE(Object->TryGetArrayField(TEXT("pins"), Pins));
		ASSERT_EQ(Pins->Num(), 2) << TCHAR_TO_UTF8(*Run.StdOut);
		EXPECT_EQ((*Pins)[1]->AsObject()->GetStringField(TEXT("pin")), FString(TEXT("name")));
		EXPECT_EQ((*Pins)[1]->AsObject()->GetStringField(TEXT("value")), FString(TEXT("Zova")));
	}
}

TEST(ZovaGraphRunTest, EmittedNodesAreFreshAndRefuseJsonOutput)
{
	const std::vector<std::string> Words = {"json", "array", "a", "--emit-nodes"};
	const FZovaRun First = RunZova(Words);
	const FZovaRun Second = RunZova(Words);
	ASSERT_EQ(First.ExitStatus, 0);
	const int32 GuidAt = First.StdOut.Find(TEXT("NodeGuid="));
	ASSERT_NE(GuidAt, INDEX_NONE);
	EXPECT_NE(First.StdOut.Mid(GuidAt, 41), Second.StdOut.Mid(GuidAt, 41)) << "each text has a GUID of its own";
	// The text as the editor copies it: the header line ends with LINE_TERMINATOR, every other with "\r\n".
	EXPECT_TRUE(First.StdOut.StartsWith(TEXT("Begin Object ")));
	const int32 HeaderEnd = First.StdOut.Find(TEXT("\n"));
	ASSERT_NE(HeaderEnd, INDEX_NONE);
	const int32 SecondEnd = First.StdOut.Find(TEXT("\n"), ESearchCase::CaseSensitive, ESearchDir::FromStart, HeaderEnd + 1);
	ASSERT_NE(SecondEnd, INDEX_NONE);
	EXPECT_EQ(First.StdOut[HeaderEnd - 1] == '\r', FString(LINE_TERMINATOR) == TEXT("\r\n"));
	EXPECT_EQ(First.StdOut[SecondEnd - 1], '\r');
	EXPECT_TRUE(First.StdOut.EndsWith(TEXT("End Object\r\n")));

	const FZovaRun WithJson = RunZova({"json", "array", "a", "--emit-nodes", "--json"});
	EXPECT_EQ(WithJson.ExitStatus, 2);
	EXPECT_NE(WithJson.StdErr.find("--emit-nodes"), std::string::npos) << WithJson.StdErr;
}

TEST(ZovaGraphRunTest, TheHelpExampleWorksAsPrinted)
{
	const FZovaRun Help = RunZova({"graph", "run", "--help"});
	const FString Prompt = TEXT("  $ zova ");
	const int32 Start = Help.StdOut.Find(Prompt);
	ASSERT_NE(Start, INDEX_NONE);
	TArray<FString> Lines;
	Help.StdOut.Mid(Start + Prompt.Len()).ParseIntoArray(Lines, TEXT("\n"), true);
	FString Emit;
	FString Run;
	ASSERT_TRUE(Lines[0].Split(TEXT(" | zova "), &Emit, &Run)) << TCHAR_TO_UTF8(*Lines[0]);
	EXPECT_EQ(Run, TEXT("graph run -"));

	// The words of "json analyze '...' --key ..." as a shell splits them.
	std::vector<std::string> Words;
	TArray<FString> Quoted;
	Emit.ParseIntoArray(Quoted, TEXT("'"), false);
	ASSERT_EQ(Quoted.Num(), 3);
	for (int32 Part = 0; Part < Quoted.Num(); ++Part)
	{
		TArray<FString> Split;
		Part == 1 ? (void)Split.Add(Quoted[Part]) : (void)Quoted[Part].ParseIntoArray(Split, TEXT(" "), true);
		for (const FString& Word : Split)
		{
			Words.push_back(TCHAR_TO_UTF8(*Word));
		}
	}
	const FZovaRun Emitted = RunZova(Words);
	ASSERT_EQ(Emitted.ExitStatus, 0) << Emitted.StdErr;
	const FTCHARToUTF8 EmittedText(*Emitted.StdOut);
	const FZovaRun Ran = RunZova({"graph", "run", "-"}, std::string(EmittedText.Get(), EmittedText.Length()));
	EXPECT_EQ(Ran.ExitStatus, 0) << Ran.StdErr;
	FString Printed;
	for (int32 Index = 1; Index < Lines.Num() && Lines[Index].StartsWith(TEXT("  ")); ++Index)
	{
		Printed += Lines[Index].Mid(2) + TEXT("\n");
	}
	EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Ran.StdOut)), std::string(TCHAR_TO_UTF8(*Printed)));
}

// UE 5.4, 5.8 BlueprintGraph/Private/K2Node_PromotableOperator.cpp and 5.2
// K2Node_CommutativeAssociativeBinaryOperator.cpp (ExpandNode), 5.4 Engine/Classes/Kismet/
// KismetMathLibrary.inl: an editor text of math nodes only, a "+" of three integers feeding a Min of
// three, a ">" and a conversion of its bool; every value is computed by the compiled calls.
TEST(ZovaGraphRunTest, MathOperatorNodesOfATextRunAsTheirChainedCalls)
{
	const FGraphRun Run = RunGraph({Fixture("MathOperatorNodes.txt"),
		"--pin", "K2Node_PromotableOperator_0.ReturnValue",
		"--pin", "K2Node_CommutativeAssociativeBinaryOperator_0.ReturnValue",
		"--pin", "K2Node_PromotableOperator_1.ReturnValue",
		"--pin", "K2Node_CallFunction_0.ReturnValue"});
	EXPECT_EQ(Run.ExitStatus, 0);
	const TArray<FPinEntry> Expected = {
		{TEXT("K2Node_PromotableOperator_0"), TEXT("ReturnValue"), TEXT("37")},
		{TEXT("K2Node_CommutativeAssociativeBinaryOperator_0"), TEXT("ReturnValue"), TEXT("12")},
		{TEXT("K2Node_PromotableOperator_1"), TEXT("ReturnValue"), TEXT("true")},
		{TEXT("K2Node_CallFunction_0"), TEXT("ReturnValue"), TEXT("1")},
	};
	EXPECT_EQ(TCHAR_TO_UTF8(*Describe(Run.Pins)), std::string(TCHAR_TO_UTF8(*Describe(Expected))));
	EXPECT_TRUE(Run.UnknownNodes.IsEmpty());
}
