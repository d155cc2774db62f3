// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "EdGraphSchema_K2.h"
#include "Misc/AutomationTest.h"
#include "ZOVAK2Node_JsonToArray.h"
#include "ZOVAStringArrayTest.h"
#include "ZOVATestBlueprint.h"

#if WITH_DEV_AUTOMATION_TESTS

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonNodesToArrayTest, "ZOVA.Json.Nodes.ToArray", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FZOVAJsonNodesToArrayTest::RunTest(const FString& Parameters)
{
	FZOVATestBlueprint Blueprint(*this);
	const FZOVATestBlueprint::FFunction Split = Blueprint.AddFunction(TEXT("Split"));
	UEdGraphPin* const JsonPin = Split.AddInput(TEXT("Json"), UEdGraphSchema_K2::PC_String);
	UEdGraphPin* const ElementsPin = Split.AddOutput(TEXT("Elements"), UEdGraphSchema_K2::PC_String, EPinContainerType::Array);
	UEdGraphPin* const SuccessPin = Split.AddOutput(TEXT("bSuccess"), UEdGraphSchema_K2::PC_Boolean);
	UZOVAK2Node_JsonToArray* const ToArray = Blueprint.SpawnNode<UZOVAK2Node_JsonToArray>(Split.Graph);
	UTEST_NOT_NULL(TEXT("Json To Array"), ToArray);
	Blueprint.Link(JsonPin, ToArray->GetInJsonPin());
	Blueprint.Link(ToArray->GetStringArrayPin(), ElementsPin);
	Blueprint.Link(ToArray->GetSuccessPin(), SuccessPin);

	// Typed text, and no use of the elements.
	const FZOVATestBlueprint::FFunction IsArray = Blueprint.AddFunction(TEXT("TypedIsArray"));
	UEdGraphPin* const TypedSuccessPin = IsArray.AddOutput(TEXT("bSuccess"), UEdGraphSchema_K2::PC_Boolean);
	UZOVAK2Node_JsonToArray* const Typed = Blueprint.SpawnNode<UZOVAK2Node_JsonToArray>(IsArray.Graph);
	UTEST_NOT_NULL(TEXT("Second Json To Array"), Typed);
	GetDefault<UEdGraphSchema_K2>()->TrySetDefaultValue(*Typed->GetInJsonPin(), TEXT("[\"x\"]"));
	Blueprint.Link(Typed->GetSuccessPin(), TypedSuccessPin);
	UTEST_TRUE(TEXT("Compiled"), Blueprint.Compile());

	const FString AtTheLimit = FString::ChrN(511, '[') + FString::ChrN(511, ']');
	struct FCase
	{
		FString Json;
		TArray<FString> Elements;
		bool bSuccess;
	};
	const FCase Cases[] = {
		{TEXT("[\"a\", 2, true, {\"k\": [1]}, \"中文\"]"), {TEXT("a"), TEXT("2"), TEXT("true"), TEXT("{\"k\":[1]}"), TEXT("中文")}, true},
		{TEXT("[]"), {}, true},
		{TEXT("{\"a\":1}"), {}, false},
		{TEXT("[1,"), {}, false},
		{TEXT("[1,") + AtTheLimit + TEXT("]"), {TEXT("1"), AtTheLimit}, true},
		{TEXT("[1,[") + AtTheLimit + TEXT("]]"), {}, false},
	};
	for (const FCase& Case : Cases)
	{
		struct
		{
			FString Json;
			TArray<FString> Elements;
			bool bSuccess = false;
		} Parms;
		Parms.Json = Case.Json;
		Blueprint.Call(TEXT("Split"), Parms);
		const FString What = FString::Printf(TEXT("'%s'"), *Case.Json.Left(20));
		TestStringArrayEqual(*this, TEXT("Elements of ") + What, Parms.Elements, Case.Elements);
		TestEqual(TEXT("Success for ") + What, Parms.bSuccess, Case.bSuccess);
	}

	struct
	{
		bool bSuccess = false;
	} TypedParms;
	Blueprint.Call(TEXT("TypedIsArray"), TypedParms);
	TestTrue(TEXT("Success for the typed text"), TypedParms.bSuccess);
	return true;
}

#endif
