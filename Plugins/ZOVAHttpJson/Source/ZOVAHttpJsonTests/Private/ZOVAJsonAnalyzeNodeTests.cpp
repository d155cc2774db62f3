// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Editor.h"
#include "K2Node_FunctionResult.h"
#include "Misc/AutomationTest.h"
#include "ScopedTransaction.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAStringArrayTest.h"
#include "ZOVATestBlueprint.h"

#if WITH_DEV_AUTOMATION_TESTS

namespace
{
	/** The parameters of a function made by AddReadFunction with NumKeys keys. */
	template <int32 NumKeys>
	struct TReadParms
	{
		FString Json;
		FString Values[NumKeys];
		bool bSuccess = false;
	};

	/**
	 * Adds FunctionName(Json) -> (Value0 ... ValueN-1, bSuccess): one Json Analyze node with the keys,
	 * key pin i linked to output i.
	 */
	UZOVAK2Node_Json* AddReadFunction(FAutomationTestBase& Test, FZOVATestBlueprint& Blueprint, const TCHAR* FunctionName, const TArray<FString>& Keys)
	{
		const FZOVATestBlueprint::FFunction Function = Blueprint.AddFunction(FunctionName);
		UEdGraphPin* const JsonPin = Function.AddInput(TEXT("Json"), UEdGraphSchema_K2::PC_String);
		TArray<UEdGraphPin*> ValuePins;
		for (int32 Index = 0; Index < Keys.Num(); ++Index)
		{
			ValuePins.Add(Function.AddOutput(*FString::Printf(TEXT("Value%d"), Index), UEdGraphSchema_K2::PC_String));
		}
		UEdGraphPin* const SuccessPin = Function.AddOutput(TEXT("bSuccess"), UEdGraphSchema_K2::PC_Boolean);

		UZOVAK2Node_Json* const Analyze = Blueprint.SpawnNode<UZOVAK2Node_Json>(Function.Graph);
		if (!Analyze)
		{
			return nullptr;
		}
		for (int32 Index = 0; Index < Keys.Num(); ++Index)
		{
			if (Test.TestTrue(*FString::Printf(TEXT("Key '%s' added"), *Keys[Index]), Analyze->AddKeyPin(Keys[Index], EGPD_Output)))
			{
				Blueprint.Link(Analyze->GetKeyPin(Keys[Index]), ValuePins[Index]);
			}
		}
		Blueprint.Link(JsonPin, Analyze->GetInJsonPin());
		Blueprint.Link(Analyze->GetSuccessPin(), SuccessPin);
		return Analyze;
	}

	/** Calls a function made by AddReadFunction; the values come back in key order. */
	template <int32 NumKeys>
	TArray<FString> Read(FZOVATestBlueprint& Blueprint, const TCHAR* FunctionName, const FString& Json, bool& bOutSuccess)
	{
		TReadParms<NumKeys> Parms;
		Parms.Json = Json;
		Blueprint.Call(FunctionName, Parms);
		bOutSuccess = Parms.bSuccess;
		return TArray<FString>(Parms.Values, NumKeys);
	}

	/** Depth arrays, each the only element of the one around it: "[[[]]]" for 3. */
	FString NestedArrays(int32 Depth)
	{
		return FString::ChrN(Depth, '[') + FString::ChrN(Depth, ']');
	}
}

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonNodesAnalyzeZeroKeysTest, "ZOVA.Json.Nodes.Analyze.ZeroKeys", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonNodesAnalyzeManyKeysTest, "ZOVA.Json.Nodes.Analyze.ManyKeys", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonNodesAnalyzePointerKeysTest, "ZOVA.Json.Nodes.Analyze.PointerKeys", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonNodesAnalyzeInvalidJsonTest, "ZOVA.Json.Nodes.Analyze.InvalidJson", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonNodesAnalyzeDeepJsonTest, "ZOVA.Json.Nodes.Analyze.DeepJson", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonNodesAnalyzeUndoRedoKeyTest, "ZOVA.Json.Nodes.Analyze.UndoRedoKey", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FZOVAJsonNodesAnalyzeZeroKeysTest::RunTest(const FString& Parameters)
{
	FZOVATestBlueprint Blueprint(*this);
	const FZOVATestBlueprint::FFunction IsObject = Blueprint.AddFunction(TEXT("IsObject"));
	UEdGraphPin* const JsonPin = IsObject.AddInput(TEXT("Json"), UEdGraphSchema_K2::PC_String);
	UEdGraphPin* const SuccessPin = IsObject.AddOutput(TEXT("bSuccess"), UEdGraphSchema_K2::PC_Boolean);
	UZOVAK2Node_Json* const Analyze = Blueprint.SpawnNode<UZOVAK2Node_Json>(IsObject.Graph);
	UTEST_NOT_NULL(TEXT("Json Analyze"), Analyze);
	TestEqual(TEXT("Pins of a node without keys"), Analyze->Pins.Num(), 2);
	Blueprint.Link(JsonPin, Analyze->GetInJsonPin());
	Blueprint.Link(Analyze->GetSuccessPin(), SuccessPin);

	// Text typed into the unlinked input is what the node reads.
	const FZOVATestBlueprint::FFunction Typed = Blueprint.AddFunction(TEXT("TypedIsObject"));
	UEdGraphPin* const TypedSuccessPin = Typed.AddOutput(TEXT("bSuccess"), UEdGraphSchema_K2::PC_Boolean);
	UZOVAK2Node_Json* const TypedAnalyze = Blueprint.SpawnNode<UZOVAK2Node_Json>(Typed.Graph);
	UTEST_NOT_NULL(TEXT("Second Json Analyze"), TypedAnalyze);
	GetDefault<UEdGraphSchema_K2>()->TrySetDefaultValue(*TypedAnalyze->GetInJsonPin(), TEXT("{\"typed\":true}"));
	Blueprint.Link(TypedAnalyze->GetSuccessPin(), TypedSuccessPin);

	UTEST_TRUE(TEXT("Compiled"), Blueprint.Compile());
	const TPair<const TCHAR*, bool> Cases[] = {
		{TEXT("{\"a\":1}"), true},
		{TEXT("{}"), true},
		{TEXT("[1]"), false},
		{TEXT("\"text\""), false},
		{TEXT(""), false},
		{TEXT("not json"), false},
	};
	for (const TPair<const TCHAR*, bool>& Case : Cases)
	{
		struct
		{
			FString Json;
			bool bSuccess = false;
		} Parms;
		Parms.Json = Case.Key;
		Blueprint.Call(TEXT("IsObject"), Parms);
		TestEqual(FString::Printf(TEXT("Success for '%s'"), Case.Key), Parms.bSuccess, Case.Value);
	}
	struct
	{
		bool bSuccess = false;
	} TypedParms;
	Blueprint.Call(TEXT("TypedIsObject"), TypedParms);
	TestTrue(TEXT("Success for the typed text"), TypedParms.bSuccess);
	return true;
}

bool FZOVAJsonNodesAnalyzeManyKeysTest::RunTest(const FString& Parameters)
{
	constexpr int32 NumKeys = 32;
	TArray<FString> Keys;
	TArray<FString> Expected;
	// Members in the reverse order of the keys, and one more member for a key that no pin reads.
	FString Json = TEXT("{\"unlinked\":0");
	for (int32 Index = 0; Index < NumKeys; ++Index)
	{
		Keys.Add(FString::Printf(TEXT("k%d"), Index));
		Expected.Add(FString::Printf(TEXT("v%d"), Index));
	}
	for (int32 Index = NumKeys - 1; Index >= 0; --Index)
	{
		Json += FString::Printf(TEXT(",\"k%d\":\"v%d\""), Index, Index);
	}
	Json += TEXT("}");

	FZOVATestBlueprint Blueprint(*this);
	UZOVAK2Node_Json* const Analyze = AddReadFunction(*this, Blueprint, TEXT("Read"), Keys);
	UTEST_NOT_NULL(TEXT("Json Analyze"), Analyze);
	UTEST_TRUE(TEXT("Unlinked key added"), Analyze->AddKeyPin(TEXT("unlinked"), EGPD_Output));
	UTEST_TRUE(TEXT("Compiled"), Blueprint.Compile());

	bool bSuccess = false;
	TestStringArrayEqual(*this, TEXT("Values"), Read<NumKeys>(Blueprint, TEXT("Read"), Json, bSuccess), Expected);
	TestTrue(TEXT("Success"), bSuccess);

	// A missing key empties its own value only.
	TArray<FString> ExpectedWithoutFive = Expected;
	ExpectedWithoutFive[5].Reset();
	TestStringArrayEqual(*this, TEXT("Values without k5"), Read<NumKeys>(Blueprint, TEXT("Read"), Json.Replace(TEXT(",\"k5\":\"v5\""), TEXT("")), bSuccess), ExpectedWithoutFive);
	TestFalse(TEXT("Success without k5"), bSuccess);

	// Reordered keys still give each pin its own key's value.
	Analyze->MoveKeyPinUp(Analyze->GetKeyPin(TEXT("k31")));
	Analyze->MoveKeyPinDown(Analyze->GetKeyPin(TEXT("k0")));
	UTEST_TRUE(TEXT("Compiled after the moves"), Blueprint.Compile());
	TestStringArrayEqual(*this, TEXT("Values after the moves"), Read<NumKeys>(Blueprint, TEXT("Read"), Json, bSuccess), Expected);
	TestTrue(TEXT("Success after the moves"), bSuccess);
	return true;
}

bool FZOVAJsonNodesAnalyzePointerKeysTest::RunTest(const FString& Parameters)
{
	FZOVATestBlueprint Blueprint(*this);
	const TArray<FString> Keys = {TEXT("/data/items/1/id"), TEXT("/data/a~1b"), TEXT("/data/m~0n"), TEXT("name"), TEXT("/data/items/0")};
	UTEST_NOT_NULL(TEXT("Json Analyze"), AddReadFunction(*this, Blueprint, TEXT("Read"), Keys));
	UTEST_TRUE(TEXT("Compiled"), Blueprint.Compile());

	bool bSuccess = false;
	const TArray<FString> Values = Read<5>(Blueprint, TEXT("Read"), TEXT("{\"name\":\"Zova\",\"data\":{\"items\":[{\"id\":7},{\"id\":\"b\"}],\"a/b\":1,\"m~n\":2}}"), bSuccess);
	TestStringArrayEqual(*this, TEXT("Values"), Values, {TEXT("b"), TEXT("1"), TEXT("2"), TEXT("Zova"), TEXT("{\"id\":7}")});
	TestTrue(TEXT("Success"), bSuccess);
	return true;
}

bool FZOVAJsonNodesAnalyzeInvalidJsonTest::RunTest(const FString& Parameters)
{
	FZOVATestBlueprint Blueprint(*this);
	UTEST_NOT_NULL(TEXT("Json Analyze"), AddReadFunction(*this, Blueprint, TEXT("Read"), {TEXT("a"), TEXT("b")}));
	UTEST_TRUE(TEXT("Compiled"), Blueprint.Compile());

	const TCHAR* const Invalid[] = {TEXT(""), TEXT("not json"), TEXT("[1,2]"), TEXT("{\"a\":1,}"), TEXT("{\"a\":1} trailing"), TEXT("{\"a\":\"x\",\"b\":")};
	for (const TCHAR* const Json : Invalid)
	{
		bool bSuccess = true;
		TestStringArrayEqual(*this, FString::Printf(TEXT("Values for '%s'"), Json), Read<2>(Blueprint, TEXT("Read"), Json, bSuccess), {TEXT(""), TEXT("")});
		TestFalse(FString::Printf(TEXT("Success for '%s'"), Json), bSuccess);
	}
	return true;
}

bool FZOVAJsonNodesAnalyzeDeepJsonTest::RunTest(const FString& Parameters)
{
	FZOVATestBlueprint Blueprint(*this);
	UTEST_NOT_NULL(TEXT("Json Analyze"), AddReadFunction(*this, Blueprint, TEXT("Read"), {TEXT("first"), TEXT("a")}));
	UTEST_TRUE(TEXT("Compiled"), Blueprint.Compile());

	// 512 levels are read; past them the whole text is refused, its shallow member too.
	const auto ObjectOfDepth = [](int32 Depth)
	{
		return TEXT("{\"first\":\"1\",\"a\":") + NestedArrays(Depth - 1) + TEXT("}");
	};
	bool bSuccess = false;
	TestStringArrayEqual(*this, TEXT("Values at 512 levels"), Read<2>(Blueprint, TEXT("Read"), ObjectOfDepth(512), bSuccess), {TEXT("1"), NestedArrays(511)});
	TestTrue(TEXT("Success at 512 levels"), bSuccess);
	for (const int32 Depth : {513, 100000})
	{
		bSuccess = true;
		TestStringArrayEqual(*this, FString::Printf(TEXT("Values at %d levels"), Depth), Read<2>(Blueprint, TEXT("Read"), ObjectOfDepth(Depth), bSuccess), {TEXT(""), TEXT("")});
		TestFalse(FString::Printf(TEXT("Success at %d levels"), Depth), bSuccess);
	}
	return true;
}

bool FZOVAJsonNodesAnalyzeUndoRedoKeyTest::RunTest(const FString& Parameters)
{
	UTEST_NOT_NULL(TEXT("The editor"), GEditor);
	FZOVATestBlueprint Blueprint(*this);
	const FZOVATestBlueprint::FFunction Function = Blueprint.AddFunction(TEXT("Read"));
	UEdGraphPin* const JsonPin = Function.AddInput(TEXT("Json"), UEdGraphSchema_K2::PC_String);
	UEdGraphPin* const NamePin = Function.AddOutput(TEXT("Name"), UEdGraphSchema_K2::PC_String);
	UEdGraphPin* const CityPin = Function.AddOutput(TEXT("City"), UEdGraphSchema_K2::PC_String);
	UZOVAK2Node_Json* const Analyze = Blueprint.SpawnNode<UZOVAK2Node_Json>(Function.Graph);
	UTEST_NOT_NULL(TEXT("Json Analyze"), Analyze);
	UTEST_TRUE(TEXT("Key name added"), Analyze->AddKeyPin(TEXT("name"), EGPD_Output));
	Blueprint.Link(JsonPin, Analyze->GetInJsonPin());
	Blueprint.Link(Analyze->GetKeyPin(TEXT("name")), NamePin);

	const auto ReadNameAndCity = [this, &Blueprint]()
	{
		struct
		{
			FString Json = TEXT("{\"name\":\"Zova\",\"city\":\"Paris\"}");
			FString Name;
			FString City;
		} Parms;
		if (Blueprint.Compile())
		{
			Blueprint.Call(TEXT("Read"), Parms);
		}
		return TArray<FString>({Parms.Name, Parms.City});
	};
	TestStringArrayEqual(*this, TEXT("Before the key"), ReadNameAndCity(), {TEXT("Zova"), TEXT("")});

	{
		const FScopedTransaction Transaction(FText::FromString(TEXT("Add Json Key")));
		UTEST_TRUE(TEXT("Key city added"), Analyze->AddKeyPin(TEXT("city"), EGPD_Output));
		Blueprint.Link(Analyze->GetKeyPin(TEXT("city")), CityPin);
	}
	TestStringArrayEqual(*this, TEXT("With the key"), ReadNameAndCity(), {TEXT("Zova"), TEXT("Paris")});

	UTEST_TRUE(TEXT("Undone"), GEditor->UndoTransaction());
	TestNull(TEXT("Key pin after the undo"), Analyze->FindPin(TEXT("city")));
	// The pins an undo restores may be new ones; the output is looked up again.
	const UEdGraphPin* const RestoredCityPin = Function.Result->FindPin(TEXT("City"));
	UTEST_NOT_NULL(TEXT("City output after the undo"), RestoredCityPin);
	TestEqual(TEXT("Links of the City output after the undo"), RestoredCityPin->LinkedTo.Num(), 0);
	TestStringArrayEqual(*this, TEXT("After the undo"), ReadNameAndCity(), {TEXT("Zova"), TEXT("")});

	UTEST_TRUE(TEXT("Redone"), GEditor->RedoTransaction());
	TestNotNull(TEXT("Key pin after the redo"), Analyze->FindPin(TEXT("city")));
	TestStringArrayEqual(*this, TEXT("After the redo"), ReadNameAndCity(), {TEXT("Zova"), TEXT("Paris")});
	return true;
}

#endif
