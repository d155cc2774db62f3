// Copyright ZOVA. All Rights Reserved.

#include "CoreMinimal.h"
#include "EdGraphSchema_K2.h"
#include "Misc/AutomationTest.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonArrayCreate.h"
#include "ZOVAK2Node_JsonCreate.h"
#include "ZOVATestBlueprint.h"

#if WITH_DEV_AUTOMATION_TESTS

namespace
{
	/** Types text into an unlinked input, as the author does in the pin's box. */
	void TypeDefault(UEdGraphPin* Pin, const FString& Text)
	{
		GetDefault<UEdGraphSchema_K2>()->TrySetDefaultValue(*Pin, Text);
	}
}

IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonNodesCreateTest, "ZOVA.Json.Nodes.Create", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
IMPLEMENT_SIMPLE_AUTOMATION_TEST(FZOVAJsonNodesArrayCreateTest, "ZOVA.Json.Nodes.ArrayCreate", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)

bool FZOVAJsonNodesCreateTest::RunTest(const FString& Parameters)
{
	FZOVATestBlueprint Blueprint(*this);
	// Make(Name, Profile) -> (Json, bSuccess, Level): Level is read back out of the made text.
	const FZOVATestBlueprint::FFunction Make = Blueprint.AddFunction(TEXT("Make"));
	UEdGraphPin* const NamePin = Make.AddInput(TEXT("Name"), UEdGraphSchema_K2::PC_String);
	UEdGraphPin* const ProfilePin = Make.AddInput(TEXT("Profile"), UEdGraphSchema_K2::PC_String);
	UEdGraphPin* const JsonPin = Make.AddOutput(TEXT("Json"), UEdGraphSchema_K2::PC_String);
	UEdGraphPin* const SuccessPin = Make.AddOutput(TEXT("bSuccess"), UEdGraphSchema_K2::PC_Boolean);
	UEdGraphPin* const LevelPin = Make.AddOutput(TEXT("Level"), UEdGraphSchema_K2::PC_String);
	UZOVAK2Node_JsonCreate* const Create = Blueprint.SpawnNode<UZOVAK2Node_JsonCreate>(Make.Graph);
	UZOVAK2Node_Json* const Analyze = Blueprint.SpawnNode<UZOVAK2Node_Json>(Make.Graph);
	UTEST_TRUE(TEXT("Json Create and Json Analyze"), Create && Analyze);
	// Keys may be named like the node's outputs: key pins are inputs.
	for (const TCHAR* const Key : {TEXT("name"), TEXT("age"), TEXT("profile"), TEXT("Out Json"), TEXT("Success")})
	{
		UTEST_TRUE(FString::Printf(TEXT("Key '%s' added"), Key), Create->AddKeyPin(Key, EGPD_Input));
	}
	UTEST_TRUE(TEXT("Key added to Json Analyze"), Analyze->AddKeyPin(TEXT("/profile/level"), EGPD_Output));
	Blueprint.Link(NamePin, Create->GetKeyPin(TEXT("name")));
	TypeDefault(Create->GetKeyPin(TEXT("age")), TEXT("30"));
	Blueprint.Link(ProfilePin, Create->GetKeyPin(TEXT("profile")));
	TypeDefault(Create->GetKeyPin(TEXT("Out Json")), TEXT("x"));
	TypeDefault(Create->GetKeyPin(TEXT("Success")), TEXT("y"));
	Blueprint.Link(Create->GetOutJsonPin(), JsonPin);
	Blueprint.Link(Create->GetSuccessPin(), SuccessPin);
	Blueprint.Link(Create->GetOutJsonPin(), Analyze->GetInJsonPin());
	Blueprint.Link(Analyze->GetKeyPin(TEXT("/profile/level")), LevelPin);

	// No key at all makes an empty object.
	const FZOVATestBlueprint::FFunction MakeEmpty = Blueprint.AddFunction(TEXT("MakeEmpty"));
	UEdGraphPin* const EmptyJsonPin = MakeEmpty.AddOutput(TEXT("Json"), UEdGraphSchema_K2::PC_String);
	UEdGraphPin* const EmptySuccessPin = MakeEmpty.AddOutput(TEXT("bSuccess"), UEdGraphSchema_K2::PC_Boolean);
	UZOVAK2Node_JsonCreate* const Keyless = Blueprint.SpawnNode<UZOVAK2Node_JsonCreate>(MakeEmpty.Graph);
	UTEST_NOT_NULL(TEXT("Json Create without keys"), Keyless);
	Blueprint.Link(Keyless->GetOutJsonPin(), EmptyJsonPin);
	Blueprint.Link(Keyless->GetSuccessPin(), EmptySuccessPin);

	struct FMakeParms
	{
		FString Name = TEXT("张三");
		FString Profile = TEXT(" {\"level\": 3} ");
		FString Json;
		bool bSuccess = false;
		FString Level;
	};
	struct FMakeEmptyParms
	{
		FString Json;
		bool bSuccess = false;
	};
	UTEST_TRUE(TEXT("Compiled"), Blueprint.Compile());
	FMakeParms Parms;
	Blueprint.Call(TEXT("Make"), Parms);
	TestEqualSensitive(TEXT("Object"), Parms.Json, TEXT("{\"name\":\"张三\",\"age\":\"30\",\"profile\":{\"level\":3},\"Out Json\":\"x\",\"Success\":\"y\"}"));
	TestTrue(TEXT("Success"), Parms.bSuccess);
	TestEqualSensitive(TEXT("Level read back"), Parms.Level, TEXT("3"));
	FMakeEmptyParms EmptyParms;
	Blueprint.Call(TEXT("MakeEmpty"), EmptyParms);
	TestEqualSensitive(TEXT("Object without keys"), EmptyParms.Json, TEXT("{}"));
	TestTrue(TEXT("Success without keys"), EmptyParms.bSuccess);

	// Members follow the key order.
	Create->MoveKeyPinDown(Create->GetKeyPin(TEXT("name")));
	UTEST_TRUE(TEXT("Compiled after the move"), Blueprint.Compile());
	FMakeParms MovedParms;
	Blueprint.Call(TEXT("Make"), MovedParms);
	TestEqualSensitive(TEXT("Object after the move"), MovedParms.Json, TEXT("{\"age\":\"30\",\"name\":\"张三\",\"profile\":{\"level\":3},\"Out Json\":\"x\",\"Success\":\"y\"}"));
	return true;
}

bool FZOVAJsonNodesArrayCreateTest::RunTest(const FString& Parameters)
{
	FZOVATestBlueprint Blueprint(*this);
	const FZOVATestBlueprint::FFunction Make = Blueprint.AddFunction(TEXT("Make"));
	UEdGraphPin* const SecondPin = Make.AddInput(TEXT("Second"), UEdGraphSchema_K2::PC_String);
	UEdGraphPin* const JsonPin = Make.AddOutput(TEXT("Json"), UEdGraphSchema_K2::PC_String);
	UEdGraphPin* const SuccessPin = Make.AddOutput(TEXT("bSuccess"), UEdGraphSchema_K2::PC_Boolean);
	UZOVAK2Node_JsonArrayCreate* const ArrayCreate = Blueprint.SpawnNode<UZOVAK2Node_JsonArrayCreate>(Make.Graph);
	UTEST_NOT_NULL(TEXT("Json Array Create"), ArrayCreate);
	UTEST_TRUE(TEXT("Second input added"), ArrayCreate->AddInputPin());
	UTEST_TRUE(TEXT("Third input added"), ArrayCreate->AddInputPin());
	TypeDefault(ArrayCreate->FindPin(TEXT("[0]"), EGPD_Input), TEXT("a"));
	Blueprint.Link(SecondPin, ArrayCreate->FindPin(TEXT("[1]"), EGPD_Input));
	Blueprint.Link(ArrayCreate->GetOutJsonPin(), JsonPin);
	Blueprint.Link(ArrayCreate->GetSuccessPin(), SuccessPin);

	struct FMakeParms
	{
		FString Second = TEXT("{\"n\": 1}");
		FString Json;
		bool bSuccess = false;
	};
	const auto MakeArray = [this, &Blueprint]()
	{
		FMakeParms Parms;
		if (Blueprint.Compile())
		{
			Blueprint.Call(TEXT("Make"), Parms);
		}
		TestTrue(TEXT("Success"), Parms.bSuccess);
		return Parms.Json;
	};
	// Every input is an element, linked, typed or left empty.
	TestEqualSensitive(TEXT("Three inputs"), MakeArray(), TEXT("[\"a\",{\"n\":1},\"\"]"));

	UTEST_TRUE(TEXT("Last input removed"), ArrayCreate->RemoveInputPin());
	TestEqualSensitive(TEXT("Two inputs"), MakeArray(), TEXT("[\"a\",{\"n\":1}]"));

	// Input [10] comes after [9].
	for (int32 NumInputs = 2; NumInputs < 11; ++NumInputs)
	{
		ArrayCreate->AddInputPin();
	}
	UEdGraphPin* const TenthPin = ArrayCreate->FindPin(TEXT("[10]"), EGPD_Input);
	UTEST_NOT_NULL(TEXT("Input [10]"), TenthPin);
	TypeDefault(TenthPin, TEXT("ten"));
	TestEqualSensitive(TEXT("Eleven inputs"), MakeArray(), TEXT("[\"a\",{\"n\":1},\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"ten\"]"));
	return true;
}

#endif
