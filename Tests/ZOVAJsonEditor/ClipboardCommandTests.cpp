#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "Misc/FileHelper.h"
#include "Policies/CondensedJsonPrintPolicy.h"
#include "Serialization/JsonReader.h"
#include "Serialization/JsonSerializer.h"
#include "ZovaProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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
		// The string library's nodes (Append, To String (Integer), Parse Into Array into Join String Array) feed Json Create.
		{"StringNodesFeedCreate.txt", {}, {{Create, TEXT("Success"), TEXT("true")}, {Create, TEXT("Out Json"), TEXT("\"{\\\"name\\\":\\\"Zova\\\",\\\"count\\\":\\\"7\\\",\\\"tags\\\":\\\"a|b|c\\\"}\"")}}, {}},
		// Select nodes: an int index picking the option a function feeds, an index past the options
		// (the option type's empty value), and a bool index, whose "Option 0" is False.
		{"SelectFeedsCreate.txt", {}, {{Create, TEXT("Success"), TEXT("true")}, {Create, TEXT("Out Json"), TEXT("\"{\\\"picked\\\":\\\"7\\\",\\\"missing\\\":\\\"\\\",\\\"flag\\\":\\\"yes\\\"}\"")}}, {}},
		// Format Text with two text arguments made by To Text (String), read back by To String (Text).
		{"FormatTextFeedsCreate.txt", {}, {{Create, TEXT("Success"), TEXT("true")}, {Create, TEXT("Out Json"), TEXT("\"{\\\"summary\\\":\\\"Zova is 7\\\"}\"")}}, {}},
		// Enum literals of ESearchCase as Replace's search case: CaseSensitive replaces only the lower-case
		// word, IgnoreCase (also the pin's own default) every one.
		{"EnumLiteralFeedsReplace.txt", {}, {{Create, TEXT("Success"), TEXT("true")}, {Create, TEXT("Out Json"), TEXT("\"{\\\"exact\\\":\\\"Zova x ZOVA\\\",\\\"anycase\\\":\\\"x x x\\\"}\"")}}, {}},
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
		// UE 4.2x pin types, a split struct output named by a format of texts, and a subobject's second, defining pass.
		{"OlderEditorsAndSubobjects.txt", {}, {{TEXT("ZOVAK2Node_Json_4"), TEXT("Success"), TEXT("true")}, {TEXT("ZOVAK2Node_Json_4"), TEXT("name"), TEXT("\"Zova\"")}, {TEXT("ZOVAK2Node_Json_4"), TEXT("level"), TEXT("\"3\"")}},
			{TEXT("K2Node_Composite_0 /Script/BlueprintGraph.K2Node_Composite")}},
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
	const std::string ArrayHeader = "Begin Object Class=/Script/ZOVAJsonEditor.ZOVAK2Node_JsonArrayCreate Name=\"ZOVAK2Node_JsonArrayCreate_0\"\n";
	const FCase Cases[] = {
		{"no block", "just words\n", "line 1: expected Begin Object"},
		{"empty", "", "line 1: expected Begin Object"},
		{"block not ended", Header + "   NodePosX=3\n", "line 3: expected End Object for the Begin Object of line 1"},
		{"stray end", Header + "End Object\nEnd Object\n", "line 3: expected Begin Object before End Object"},
		{"no class", "Begin Object Name=\"A\"\nEnd Object\n", "line 1: expected Class="},
		{"not a property", Header + "   a line of prose\nEnd Object\n", "line 2: expected Name=Value"},
		// As many inputs as the text asks for would be made, in the editor too; the count read as the node's
		// property reads it, however the line spells the name or the number.
		{"inputs beyond count", "\n" + ArrayHeader + "   NumInputs=345555\nEnd Object\n", "line 3: expected NumInputs of at most 100000 (a node makes an input for each), not 345555"},
		{"inputs beyond count, spelt otherwise", ArrayHeader + "   numinputs (0) = 345555;\r\nEnd Object\r\n", "line 2: expected NumInputs of at most 100000"},
		{"inputs beyond count, in capitals", ArrayHeader + "   NUMINPUTS=345555\r\nEnd Object\r\n", "line 2: expected NumInputs of at most 100000"},
		{"inputs beyond count, quoted", ArrayHeader + "   \"NumInputs\"=345555\r\nEnd Object\r\n", "line 2: expected NumInputs of at most 100000"},
		{"inputs beyond count, past 32 bits", ArrayHeader + "   NumInputs=-4244967296\r\nEnd Object\r\n", "line 2: expected NumInputs of at most 100000 (a node makes an input for each), not 50000000"},
		{"inputs beyond count, the entry read last", ArrayHeader + "   NumInputs=2\r\n   NumInputs(0)=345555\r\nEnd Object\r\n", "line 3: expected NumInputs of at most 100000"},
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

namespace
{
	/** One pin line of clipboard text as the editor writes it; Links are "NodeName PinId" each. */
	std::string EditorPin(const std::string& Id, const std::string& Name, const std::string& Category, bool bOutput, const std::string& Default, const std::vector<std::string>& Links)
	{
		std::string Line = "   CustomProperties Pin (PinId=" + Id + ",PinName=\"" + Name + "\"," + (bOutput ? "Direction=\"EGPD_Output\"," : "");
		Line += "PinType.PinCategory=\"" + Category + "\",PinType.PinSubCategory=\"\",PinType.PinSubCategoryObject=None,PinType.PinSubCategoryMemberReference=(),PinType.PinValueType=(),PinType.ContainerType=None,PinType.bIsReference=False,PinType.bIsConst=False,PinType.bIsWeakPointer=False,PinType.bIsUObjectWrapper=False,PinType.bSerializeAsSinglePrecisionFloat=False,";
		Line += Default.empty() ? "" : "DefaultValue=\"" + Default + "\",";
		if (!Links.empty())
		{
			Line += "LinkedTo=(";
			for (const std::string& Link : Links)
			{
				Line += Link + ",";
			}
			Line += "),";
		}
		return Line + "PersistentGuid=00000000000000000000000000000000,bHidden=False,bNotConnectable=False,bDefaultValueIsReadOnly=False,bDefaultValueIsIgnored=False,bAdvancedView=False,bOrphanedPin=False,)\r\n";
	}

	std::string PinId(int32 Node, int32 Pin)
	{
		char Id[33];
		snprintf(Id, sizeof(Id), "%024X%08X", Node, Pin);
		return Id;
	}

	std::string BeginBlock(const std::string& Class, const std::string& Name)
	{
		return "Begin Object Class=/Script/BlueprintGraph." + Class + " Name=\"" + Name + "\" ExportPath=\"/Script/BlueprintGraph." + Class + "'/Game/Tests/BP_Clipboard.BP_Clipboard:EventGraph." + Name + "'\"\n";
	}

	/** A chain of Make Literal String calls, each fed by the one before; the first holds Value. */
	std::string LiteralChain(int32 Length, const std::string& Value)
	{
		std::string Text;
		for (int32 Index = 0; Index < Length; ++Index)
		{
			const std::string Name = "K2Node_CallFunction_" + std::to_string(Index);
			Text += BeginBlock("K2Node_CallFunction", Name) + "   FunctionReference=(MemberParent=\"/Script/CoreUObject.Class'/Script/Engine.KismetSystemLibrary'\",MemberName=\"MakeLiteralString\")\r\n";
			const std::vector<std::string> In = Index > 0 ? std::vector<std::string>{"K2Node_CallFunction_" + std::to_string(Index - 1) + " " + PinId(Index - 1, 2)} : std::vector<std::string>{};
			const std::vector<std::string> Out = Index + 1 < Length ? std::vector<std::string>{"K2Node_CallFunction_" + std::to_string(Index + 1) + " " + PinId(Index + 1, 1)} : std::vector<std::string>{};
			Text += EditorPin(PinId(Index, 1), "Value", "string", false, Index > 0 ? "" : Value, In);
			Text += EditorPin(PinId(Index, 2), "ReturnValue", "string", true, "", Out) + "End Object\r\n";
		}
		return Text;
	}

	/** Reroute knots in a chain from Make Literal String 0 to the "In Json" of a Json To Array node. */
	std::string KnotChain(int32 Length)
	{
		std::string Text = LiteralChain(1, "[\\\"via knots\\\"]");
		Text.replace(Text.find("PersistentGuid", Text.find("ReturnValue")), 0, "LinkedTo=(K2Node_Knot_0 " + PinId(1000000, 1) + ",),");
		for (int32 Index = 0; Index < Length; ++Index)
		{
			const std::string From = Index > 0 ? "K2Node_Knot_" + std::to_string(Index - 1) + " " + PinId(1000000 + Index - 1, 2) : "K2Node_CallFunction_0 " + PinId(0, 2);
			const std::string To = Index + 1 < Length ? "K2Node_Knot_" + std::to_string(Index + 1) + " " + PinId(1000000 + Index + 1, 1) : "ZOVAK2Node_JsonToArray_0 " + PinId(7, 1);
			Text += BeginBlock("K2Node_Knot", "K2Node_Knot_" + std::to_string(Index));
			Text += EditorPin(PinId(1000000 + Index, 1), "InputPin", "string", false, "", {From}) + EditorPin(PinId(1000000 + Index, 2), "OutputPin", "string", true, "", {To}) + "End Object\r\n";
		}
		Text += "Begin Object Class=/Script/ZOVAJsonEditor.ZOVAK2Node_JsonToArray Name=\"ZOVAK2Node_JsonToArray_0\"\n";
		Text += EditorPin(PinId(7, 1), "In Json", "string", false, "", {"K2Node_Knot_" + std::to_string(Length - 1) + " " + PinId(1000000 + Length - 1, 2)});
		Text += EditorPin(PinId(7, 2), "Success", "bool", true, "", {}) + "End Object\r\n";
		return Text;
	}
}

// Reroute knots, Make Literal String, Get (a ref) and the array reads (Length, Contains Item, Find Item)
// around the plug-in's nodes, in one text written in the editor's form: each value as the VM computes it.
TEST(ZovaGraphRunTest, EnginePureNodesAroundTheJsonNodesGiveTheGraphsValues)
{
	const std::string File = Fixture("EngineNodesAroundJson.txt");
	const FGraphRun Defaults = RunGraph({File});
	EXPECT_EQ(Defaults.ExitStatus, 0);
	const FString Create = TEXT("ZOVAK2Node_JsonCreate_0");
	const FPinEntry* const OutJson = Defaults.Pins.FindByPredicate([&Create](const FPinEntry& Pin) { return Pin.Node == Create && Pin.Pin == TEXT("Out Json"); });
	ASSERT_NE(OutJson, nullptr) << TCHAR_TO_UTF8(*Describe(Defaults.Pins));
	EXPECT_EQ(OutJson->Result, TEXT("\"{\\\"who\\\":\\\"Zova\\\",\\\"second\\\":\\\"b\\\"}\""));
	EXPECT_TRUE(Defaults.UnknownNodes.IsEmpty());

	const FGraphRun Asked = RunGraph({File, "--pin", "K2Node_CallArrayFunction_0.ReturnValue", "--pin", "K2Node_CallArrayFunction_1.ReturnValue", "--pin", "K2Node_CallArrayFunction_2.ReturnValue", "--pin", "K2Node_Knot_1.OutputPin", "--pin", "K2Node_GetArrayItem_0.Output", "--pin", "K2Node_CallFunction_0.ReturnValue"});
	EXPECT_EQ(Asked.ExitStatus, 0);
	const TArray<FPinEntry> Expected = {
		{TEXT("K2Node_CallArrayFunction_0"), TEXT("ReturnValue"), TEXT("2")},
		{TEXT("K2Node_CallArrayFunction_1"), TEXT("ReturnValue"), TEXT("true")},
		{TEXT("K2Node_CallArrayFunction_2"), TEXT("ReturnValue"), TEXT("-1")},
		{TEXT("K2Node_Knot_1"), TEXT("OutputPin"), TEXT("\"Zova\"")},
		{TEXT("K2Node_GetArrayItem_0"), TEXT("Output"), TEXT("\"b\"")},
		{TEXT("K2Node_CallFunction_0"), TEXT("ReturnValue"), TEXT("\"{\\\"name\\\":\\\"Zova\\\",\\\"tags\\\":[\\\"a\\\",\\\"b\\\"]}\"")},
	};
	EXPECT_EQ(TCHAR_TO_UTF8(*Describe(Asked.Pins)), std::string(TCHAR_TO_UTF8(*Describe(Expected))));

	// Outside the array Get gives the element type's empty value; Find Item and Contains Item compare letter case.
	FString Text;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Text, UTF8_TO_TCHAR(File.c_str())));
	Text.ReplaceInline(TEXT("PinName=\"Dimension 1\",PinType.PinCategory=\"int\",PinType.PinSubCategory=\"\",PinType.PinSubCategoryObject=None,PinType.PinSubCategoryMemberReference=(),PinType.PinValueType=(),PinType.ContainerType=None,PinType.bIsReference=False,PinType.bIsConst=False,PinType.bIsWeakPointer=False,PinType.bIsUObjectWrapper=False,PinType.bSerializeAsSinglePrecisionFloat=False,DefaultValue=\"1\""), TEXT("PinName=\"Dimension 1\",PinType.PinCategory=\"int\",PinType.PinSubCategory=\"\",PinType.PinSubCategoryObject=None,PinType.PinSubCategoryMemberReference=(),PinType.PinValueType=(),PinType.ContainerType=None,PinType.bIsReference=False,PinType.bIsConst=False,PinType.bIsWeakPointer=False,PinType.bIsUObjectWrapper=False,PinType.bSerializeAsSinglePrecisionFloat=False,DefaultValue=\"7\""), ESearchCase::CaseSensitive);
	Text.ReplaceInline(TEXT("DefaultValue=\"c\""), TEXT("DefaultValue=\"B\""), ESearchCase::CaseSensitive);
	const FTCHARToUTF8 Changed(*Text);
	const FGraphRun Outside = RunGraph({"-", "--pin", "K2Node_GetArrayItem_0.Output", "--pin", "K2Node_CallArrayFunction_2.ReturnValue"}, std::string(Changed.Get(), Changed.Length()));
	EXPECT_EQ(Outside.ExitStatus, 0);
	EXPECT_EQ(TCHAR_TO_UTF8(*Describe(Outside.Pins)), std::string("K2Node_GetArrayItem_0.Output = \"\"\nK2Node_CallArrayFunction_2.ReturnValue = -1\n"));
}

// A pin of a node the host does not run says why, in both forms, and the other pins asked for still
// print; the table then names the nodes not run, also in a text without a JSON node.
TEST(ZovaGraphRunTest, EveryPinAskedForPrintsAValueOrWhyNotAndTheTableNamesTheNodesNotRun)
{
	const std::string File = Fixture("NodesNotRunHere.txt");
	const FGraphRun Json = RunGraph({File, "--pin", "K2Node_AsyncAction_0.NoSuchPin", "--pin", "ZOVAK2Node_JsonToArray_0.Success"});
	EXPECT_EQ(Json.ExitStatus, 0);
	EXPECT_EQ(TCHAR_TO_UTF8(*Describe(Json.Pins)), std::string("K2Node_AsyncAction_0.NoSuchPin = depends on K2Node_AsyncAction_0\nZOVAK2Node_JsonToArray_0.Success = true\n"));

	const FZovaRun Table = RunZova({"graph", "run", File, "--pin", "K2Node_AsyncAction_0.NoSuchPin", "--pin", "ZOVAK2Node_JsonToArray_0.Success"});
	EXPECT_EQ(Table.ExitStatus, 0) << Table.StdErr;
	EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Table.StdOut)),
		"Node                      Pin        Value\n"
		"K2Node_AsyncAction_0      NoSuchPin  depends on K2Node_AsyncAction_0 (class /Script/BlueprintGraph.K2Node_AsyncAction), not run here\n"
		"ZOVAK2Node_JsonToArray_0  Success    true\n"
		"\n"
		"Not run here          Class\n"
		"K2Node_VariableGet_1  /Script/BlueprintGraph.K2Node_VariableGet\n"
		"K2Node_AsyncAction_0  /Script/BlueprintGraph.K2Node_AsyncAction\n");

	// A call of a function the host lacks: pasted without pins, not run, and its block still listed.
	const std::string Unknown = BeginBlock("K2Node_CallFunction", "K2Node_CallFunction_4") + "   FunctionReference=(MemberParent=\"/Script/CoreUObject.Class'/Script/Engine.KismetSystemLibrary'\",MemberName=\"PrintString\")\r\n" + EditorPin(PinId(4, 1), "InString", "string", false, "Hello", {}) + "End Object\r\n";
	const FZovaRun Alone = RunZova({"graph", "run", "-"}, Unknown);
	EXPECT_EQ(Alone.ExitStatus, 0) << Alone.StdErr;
	EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Alone.StdOut)), "Node  Pin  Value\n\nNot run here           Class\nK2Node_CallFunction_4  /Script/BlueprintGraph.K2Node_CallFunction\n");
}

// Networks of any depth run without the call stack: paste, compile and evaluation walk them with lists
// of their own.
TEST(ZovaGraphRunTest, ChainsOfThousandsOfPureNodesRun)
{
	const FGraphRun Literals = RunGraph({"-", "--pin", "K2Node_CallFunction_5999.ReturnValue"}, LiteralChain(6000, "deep"));
	EXPECT_EQ(Literals.ExitStatus, 0);
	EXPECT_EQ(TCHAR_TO_UTF8(*Describe(Literals.Pins)), std::string("K2Node_CallFunction_5999.ReturnValue = \"deep\"\n"));

	const FGraphRun Knots = RunGraph({"-"}, KnotChain(400));
	EXPECT_EQ(Knots.ExitStatus, 0);
	EXPECT_EQ(TCHAR_TO_UTF8(*Describe(Knots.Pins)), std::string("ZOVAK2Node_JsonToArray_0.Success = true\nZOVAK2Node_JsonToArray_0.String Array = [\"via knots\"]\n"));
}

// UE 5.4 Engine/Private/EdGraph/EdGraphNode.cpp and EdGraphPin.cpp, 5.8 UnrealEd/Private/EdGraphUtilities.cpp:
// the editor's paste skips a pin line that does not read, with the engine's warnings, and pastes the
// rest; zova says on which line, and which field does not read, and runs the graph.
TEST(ZovaGraphRunTest, APinLineThatDoesNotReadIsSkippedNamingItsLineAndField)
{
	FString Fixture;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Fixture, UTF8_TO_TCHAR(::Fixture("AnalyzeWithKeys.txt").c_str())));
	struct FCase
	{
		const char* Name;
		const TCHAR* From;
		const TCHAR* To;
		std::vector<std::string> StdErr;
	};
	const FCase Cases[] = {
		{"a member the pin type does not have", TEXT("PinName=\"name\","), TEXT("PinName=\"name\",PinType.bIsFrozen=True,"),
			{"zova: line 12: the editor's paste skips the pin \"name\", as it cannot read the field PinType.bIsFrozen=True", "Warning: Unknown pin type member: bIsFrozen.", "Warning: name: Parse error while importing property values (PinName = name)."}},
		{"a pin id that is no guid", TEXT("PinId=8C1E2F3A4B5C6D7E8F9011223344A003"), TEXT("PinId=XYZ"),
			{"zova: line 12: the editor's paste skips a pin, as it cannot read the field PinId=XYZ", "Warning: None: Parse error while importing property values (PinName = None)."}},
		{"a friendly name that is no text", TEXT("PinName=\"name\","), TEXT("PinName=\"name\",PinFriendlyName=LOCGEN_NUMBER(1),"),
			{"zova: line 12: the editor's paste skips the pin \"name\", as it cannot read the field PinFriendlyName=LOCGEN_NUMBER(1)", "Warning: name: Parse error while importing property values (PinName = name)."}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const FString Text = Fixture.Replace(Case.From, Case.To, ESearchCase::CaseSensitive);
		ASSERT_NE(Text, Fixture);
		const FZovaRun Run = RunZova({"graph", "run", "-", "--pin", "ZOVAK2Node_Json_3.name"}, std::string(TCHAR_TO_UTF8(*Text)));
		EXPECT_EQ(Run.ExitStatus, 0) << Run.StdErr;
		std::vector<std::string> Lines;
		for (size_t Start = 0; Start < Run.StdErr.size();)
		{
			const size_t End = Run.StdErr.find('\n', Start);
			Lines.push_back(Run.StdErr.substr(Start, End - Start));
			Start = End == std::string::npos ? Run.StdErr.size() : End + 1;
		}
		EXPECT_EQ(Lines, Case.StdErr);
		// The node makes the key's output again from its keys, so the value is still there.
		EXPECT_NE(Run.StdOut.Find(TEXT("ZOVAK2Node_Json_3  name  Zova")), INDEX_NONE) << TCHAR_TO_UTF8(*Run.StdOut);
	}
}

// UE 5.8 UnrealEd/Public/Factories.h (ClearObjectNameUsage): of two blocks of one name the later takes the
// name and the earlier gets another, so --pin NAME.PIN names the later block, and the earlier is named as
// the output and a note on standard error show it. A linked text pasted twice links into its second copy
// by the names that copy holds, and the graph then does not compile, as in the editor.
TEST(ZovaGraphRunTest, RepeatedBlockNamesGoToTheLaterBlockAsTheEditorsPasteGivesThem)
{
	FString Analyze;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Analyze, UTF8_TO_TCHAR(Fixture("AnalyzeWithKeys.txt").c_str())));
	const FString Twice = Analyze + Analyze.Replace(TEXT("Zova"), TEXT("Later"), ESearchCase::CaseSensitive);
	const int32 SecondLine = 1 + Analyze.Len() - Analyze.Replace(TEXT("\n"), TEXT("")).Len();
	ASSERT_GT(SecondLine, 1);

	const FZovaRun Named = RunZova({"graph", "run", "-", "--pin", "ZOVAK2Node_Json_3.name"}, std::string(TCHAR_TO_UTF8(*Twice)));
	EXPECT_EQ(Named.ExitStatus, 0) << Named.StdErr;
	EXPECT_NE(Named.StdOut.Find(TEXT("ZOVAK2Node_Json_3  name  Later")), INDEX_NONE) << TCHAR_TO_UTF8(*Named.StdOut);
	const std::string Note = "zova: line 1: the editor's paste names the node of this block ";
	ASSERT_EQ(Named.StdErr.rfind(Note, 0), 0u) << Named.StdErr;
	const std::string EarlierName = Named.StdErr.substr(Note.size(), Named.StdErr.find(',', Note.size()) - Note.size());
	EXPECT_NE(EarlierName, "ZOVAK2Node_Json_3");

	const FZovaRun Earlier = RunZova({"graph", "run", "-", "--pin", EarlierName + ".name"}, std::string(TCHAR_TO_UTF8(*Twice)));
	EXPECT_EQ(Earlier.ExitStatus, 0) << Earlier.StdErr;
	EXPECT_NE(Earlier.StdOut.Find(UTF8_TO_TCHAR((EarlierName + "  name  Zova").c_str())), INDEX_NONE) << TCHAR_TO_UTF8(*Earlier.StdOut);

	FString Linked;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Linked, UTF8_TO_TCHAR(Fixture("CreateFeedsAnalyze.txt").c_str())));
	const FZovaRun Copies = RunZova({"graph", "run", "-"}, std::string(TCHAR_TO_UTF8(*(Linked + Linked))));
	EXPECT_EQ(Copies.ExitStatus, 2);
	EXPECT_NE(Copies.StdErr.find("zova: line 1: the editor's paste names the node of this block ZOVAK2Node_JsonCreate_"), std::string::npos) << Copies.StdErr;
	EXPECT_NE(Copies.StdErr.find("zova: the graph does not compile: "), std::string::npos) << Copies.StdErr;
}
