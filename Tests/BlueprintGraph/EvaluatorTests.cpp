#include "BlueprintTestFixture.h"
#include "GraphTestTypes.h"
#include "K2Node_CallFunction.h"
#include "K2Node_MakeArray.h"
#include "K2Node_MakeMap.h"

class FEvaluatorTest : public FBlueprintTest
{
protected:
	UK2Node_CallFunction* AddCall(const TCHAR* FunctionName)
	{
		return AddNode<UK2Node_CallFunction>([FunctionName](UK2Node_CallFunction* Node)
		{
			Node->SetFromFunction(UGraphTestLibrary::StaticClass()->FindFunctionByName(FunctionName));
		});
	}
};

TEST_F(FEvaluatorTest, CallsTakeLinkedValuesAndTypedDefaults)
{
	UK2Node_CallFunction* const Join = AddCall(TEXT("JoinWords"));
	Link(AddSource(UEdGraphSchema_K2::PC_String, TEXT("hello"))->GetValuePin(), Join->FindPinChecked(TEXT("First")));
	GetDefault<UEdGraphSchema_K2>()->TrySetDefaultValue(*Join->FindPinChecked(TEXT("Second")), TEXT("there"));
	UK2Node_CallFunction* const Split = AddCall(TEXT("SplitWords"));
	Split->FindPinChecked(TEXT("Text"))->DefaultValue = TEXT("a b c");
	Compile();

	EXPECT_EQ(Evaluate(Join->GetReturnValuePin())->Get<FString>(), TEXT("hello there"));
	EXPECT_EQ(Evaluate(Join->FindPinChecked(TEXT("First")))->Get<FString>(), TEXT("hello")) << "an input carries what its link brings";
	EXPECT_TRUE(Evaluate(Split->GetReturnValuePin())->Get<bool>());
	EXPECT_EQ(Evaluate(Split->FindPinChecked(TEXT("OutWords")))->Get<TArray<FString>>(), TArray<FString>({TEXT("a"), TEXT("b"), TEXT("c")}));
}

TEST_F(FEvaluatorTest, ArraysAndMapsAreBuiltFromTheirInputsInPinOrder)
{
	UK2Node_MakeArray* const MakeArray = AddNode<UK2Node_MakeArray>();
	UK2Node_CallFunction* const CountWords = AddCall(TEXT("CountWords"));
	Link(MakeArray->GetOutputPin(), CountWords->FindPinChecked(TEXT("Words")));
	MakeArray->AddInputPin();
	MakeArray->AddInputPin();
	Link(AddSource(UEdGraphSchema_K2::PC_String, TEXT("x"))->GetValuePin(), MakeArray->FindPinChecked(TEXT("[1]")));
	MakeArray->FindPinChecked(TEXT("[2]"))->DefaultValue = TEXT("typed");

	UK2Node_MakeMap* const MakeMap = AddNode<UK2Node_MakeMap>();
	UK2Node_CallFunction* const CountPairs = AddCall(TEXT("CountPairs"));
	Link(MakeMap->GetOutputPin(), CountPairs->FindPinChecked(TEXT("Pairs")));
	MakeMap->AddInputPin();
	MakeMap->AddInputPin();
	const TCHAR* const Keys[] = {TEXT("a"), TEXT("b"), TEXT("a")};
	for (int32 Index = 0; Index < 3; ++Index)
	{
		MakeMap->FindPinChecked(MakeMap->GetKeyPinName(Index))->DefaultValue = Keys[Index];
		MakeMap->FindPinChecked(MakeMap->GetValuePinName(Index))->DefaultValue = FString::Printf(TEXT("v%d"), Index);
	}
	Compile();
	ASSERT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());

	EXPECT_EQ(Evaluate(MakeArray->GetOutputPin())->Get<TArray<FString>>(), TArray<FString>({TEXT(""), TEXT("x"), TEXT("typed")}));
	EXPECT_EQ(Evaluate(CountWords->GetReturnValuePin())->Get<int32>(), 3);
	const TMap<FString, FString>& Map = Evaluate(MakeMap->GetOutputPin())->Get<TMap<FString, FString>>();
	ASSERT_EQ(Map.Num(), 2) << "a repeated key keeps one pair";
	EXPECT_EQ(Map.FindRef(TEXT("a")), TEXT("v2"));
	EXPECT_EQ(Map.FindRef(TEXT("b")), TEXT("v1"));
	EXPECT_EQ(Evaluate(CountPairs->GetReturnValuePin())->Get<int32>(), 2);
}

TEST_F(FEvaluatorTest, AnArrayPassedByConstReferenceReachesEveryCallAndStaysWhole)
{
	UK2Node_MakeArray* const MakeArray = AddNode<UK2Node_MakeArray>();
	UK2Node_CallFunction* const FirstCount = AddCall(TEXT("CountWords"));
	UK2Node_CallFunction* const SecondCount = AddCall(TEXT("CountWords"));
	Link(MakeArray->GetOutputPin(), FirstCount->FindPinChecked(TEXT("Words")));
	Link(MakeArray->GetOutputPin(), SecondCount->FindPinChecked(TEXT("Words")));
	MakeArray->AddInputPin();
	MakeArray->FindPinChecked(TEXT("[0]"))->DefaultValue = TEXT("one");
	MakeArray->FindPinChecked(TEXT("[1]"))->DefaultValue = TEXT("two");
	Compile();
	ASSERT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());

	// The calls borrow the array the node gave; each must find it, and it must come back.
	EXPECT_EQ(Evaluate(FirstCount->GetReturnValuePin())->Get<int32>(), 2);
	EXPECT_EQ(Evaluate(SecondCount->GetReturnValuePin())->Get<int32>(), 2);
	EXPECT_EQ(FString::Join(Evaluate(MakeArray->GetOutputPin())->Get<TArray<FString>>(), TEXT(",")), FString(TEXT("one,two")));
	EXPECT_EQ(Evaluate(FirstCount->FindPinChecked(TEXT("Words")))->Get<TArray<FString>>().Num(), 2) << "the input reads the same array";
}

TEST_F(FEvaluatorTest, NumbersConvertBetweenIntegerAndRealValues)
{
	UK2Node_CallFunction* const Scale = AddCall(TEXT("Scale"));
	Link(AddSource(UEdGraphSchema_K2::PC_Real, TEXT("2.5"))->GetValuePin(), Scale->FindPinChecked(TEXT("Value")));
	Scale->FindPinChecked(TEXT("Factor"))->DefaultValue = TEXT("4");
	Compile();
	EXPECT_FLOAT_EQ(Evaluate(Scale->GetReturnValuePin())->Get<float>(), 10.0f);
	EXPECT_EQ(Evaluate(Scale->FindPinChecked(TEXT("Factor")))->ExportText(), TEXT("4"));
}

TEST_F(FEvaluatorTest, APureNodeReadTwiceRunsOnce)
{
	UK2Node_CallFunction* const Ticket = AddCall(TEXT("NextTicket"));
	UK2Node_MakeArray* const MakeArray = AddNode<UK2Node_MakeArray>();
	Link(Ticket->GetReturnValuePin(), MakeArray->FindPinChecked(TEXT("[0]")));
	MakeArray->AddInputPin();
	Link(Ticket->GetReturnValuePin(), MakeArray->FindPinChecked(TEXT("[1]")));
	Compile();

	const TArray<int32>& Tickets = Evaluate(MakeArray->GetOutputPin())->Get<TArray<int32>>();
	ASSERT_EQ(Tickets.Num(), 2);
	EXPECT_EQ(Tickets[0], Tickets[1]);
	EXPECT_EQ(Tickets[0], UGraphTestLibrary::Tickets);
}

TEST_F(FEvaluatorTest, PinsThatCannotBeEvaluatedSayWhy)
{
	UK2Node_MakeArray* const Untyped = AddNode<UK2Node_MakeArray>();
	UGraphTestNode* const Dropped = AddNode<UGraphTestNode>([](UGraphTestNode* Node) { Node->OutputNames = {TEXT("Out")}; });
	Compile();
	FHostGraphEvaluator Evaluation(*Compiler);
	struct FCase
	{
		const char* Name;
		const UEdGraphPin* Pin;
		const TCHAR* ExpectedError;
	};
	const FCase Cases[] = {
		{"wildcard array", Untyped->GetOutputPin(), TEXT("cannot build")},
		{"node removed by the compile", Dropped->FindPinChecked(TEXT("Out")), TEXT("has no part in the compiled graph")},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		FString Error;
		EXPECT_FALSE(Evaluation.EvaluatePin(Case.Pin, Error).IsValid());
		EXPECT_TRUE(Error.Contains(Case.ExpectedError)) << TCHAR_TO_UTF8(*Error);
	}
}
