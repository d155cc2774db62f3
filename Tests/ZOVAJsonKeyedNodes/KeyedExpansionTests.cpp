#include "EdGraphUtilities.h"
#include "JsonTextCheckCases.h"
#include "K2Node_CallFunction.h"
#include "KeyedNodeTestFixture.h"
#include "ZOVABlueprintFunctionLibrary.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonArrayCreate.h"
#include "ZOVAK2Node_JsonCreate.h"

namespace
{
	class FKeyedExpansionTest : public FKeyedNodeTest
	{
	protected:
		/** A node from the action menu whose keys were typed into its widget. */
		template <typename NodeType>
		NodeType* SpawnWithKeys(const TArray<FString>& Keys)
		{
			NodeType* const Node = SpawnNode<NodeType>();
			if (Node)
			{
				const TSharedRef<SGraphNode> Widget = BuildWidget(Node);
				for (const FString& Key : Keys)
				{
					TypeKeyAndAdd(Widget, Key);
				}
			}
			return Node;
		}

		/** Compiles and expects a clean compile: every expanded node ended without links. */
		void CompileCleanly()
		{
			Compile();
			EXPECT_EQ(Blueprint->Status, BS_UpToDate);
			EXPECT_TRUE(GetCompilerMessages().IsEmpty()) << TCHAR_TO_UTF8(*GetCompilerMessages());
		}

		/** The compiled calls of one library function. */
		TArray<UK2Node_CallFunction*> GetCompiledCalls(FName FunctionName) const
		{
			return GetCompiledNodes<UK2Node_CallFunction>().FilterByPredicate([FunctionName](const UK2Node_CallFunction* Call) { return Call->FunctionReference.GetMemberName() == FunctionName; });
		}

		TArray<FString> EvaluateStrings(const UEdGraphPin* Pin)
		{
			const TSharedPtr<const FHostPinValue> Value = Evaluate(Pin);
			return Value.IsValid() ? Value->Get<TArray<FString>>() : TArray<FString>();
		}
	};
}



TEST_F(FKeyedExpansionTest, AnalyzesSuccessStaysTheLibrarysResultWhateverTheKeys)
{
	// A key "Success" would share the output's name and take over its links; the widget refuses it.
	UZOVAK2Node_Json* const Analyze = SpawnWithKeys<UZOVAK2Node_Json>({TEXT("Success"), TEXT("In Json"), TEXT("name")});
	ASSERT_NE(Analyze, nullptr);
	Link(AddSource(UEdGraphSchema_K2::PC_String, TEXT("{\"Success\":\"no\",\"In Json\":\"yes\",\"name\":\"Zova\"}"))->GetValuePin(), Analyze->FindPinChecked(TEXT("In Json"), EGPD_Input));

	CompileCleanly();
	const TArray<UK2Node_CallFunction*> Calls = GetCompiledCalls(GET_FUNCTION_NAME_CHECKED(UZOVABlueprintFunctionLibrary, OnJsonAnalyze));
	ASSERT_EQ(Calls.Num(), 1);
	EXPECT_EQ(EvaluateStrings(Calls[0]->FindPinChecked(TEXT("InKey"))), TArray<FString>({TEXT("In Json"), TEXT("name")}));
	EXPECT_TRUE(EvaluateBool(Analyze->FindPinChecked(TEXT("Success"), EGPD_Output)));
	EXPECT_EQ(EvaluateString(Analyze->FindPinChecked(TEXT("In Json"), EGPD_Output)), FString(TEXT("yes")));
}





TEST_F(FKeyedExpansionTest, TextNestedPastTheLimitIsRefusedByAnalyzeAndQuotedByCreate)
{
	using namespace JsonTextCheckCases;
	const FString Deep = NestedArrays(100000);
	const FString AtTheLimit = NestedArrays(Limit - 1);
	UZOVAK2Node_JsonCreate* const Create = SpawnWithKeys<UZOVAK2Node_JsonCreate>({TEXT("deep"), TEXT("nested")});
	UZOVAK2Node_Json* const ReadBack = SpawnWithKeys<UZOVAK2Node_Json>({TEXT("deep"), TEXT("nested")});
	UZOVAK2Node_Json* const AnalyzeDeep = SpawnWithKeys<UZOVAK2Node_Json>({TEXT("name")});
	UZOVAK2Node_JsonArrayCreate* const ArrayCreate = SpawnNode<UZOVAK2Node_JsonArrayCreate>();
	ASSERT_TRUE(Create && ReadBack && AnalyzeDeep && ArrayCreate);
	Link(AddSource(UEdGraphSchema_K2::PC_String, Deep)->GetValuePin(), Create->FindPinChecked(TEXT("deep"), EGPD_Input));
	Create->FindPinChecked(TEXT("nested"), EGPD_Input)->DefaultValue = AtTheLimit;
	Link(Create->FindPinChecked(TEXT("Out Json"), EGPD_Output), ReadBack->FindPinChecked(TEXT("In Json"), EGPD_Input));
	Link(AddSource(UEdGraphSchema_K2::PC_String, TEXT("{\"name\":\"Zova\",\"x\":") + Deep + TEXT("}"))->GetValuePin(), AnalyzeDeep->FindPinChecked(TEXT("In Json"), EGPD_Input));
	ArrayCreate->FindPinChecked(TEXT("[0]"), EGPD_Input)->DefaultValue = NestedArrays(Limit + 1);

	CompileCleanly();
	EXPECT_EQ(EvaluateString(Create->FindPinChecked(TEXT("Out Json"), EGPD_Output)), TEXT("{\"deep\":\"") + Deep + TEXT("\",\"nested\":") + AtTheLimit + TEXT("}"));
	EXPECT_TRUE(EvaluateBool(ReadBack->FindPinChecked(TEXT("Success"), EGPD_Output))) << "the created object is at the limit";
	EXPECT_EQ(EvaluateString(ReadBack->FindPinChecked(TEXT("deep"), EGPD_Output)), Deep);
	EXPECT_EQ(EvaluateString(ReadBack->FindPinChecked(TEXT("nested"), EGPD_Output)), AtTheLimit);
	EXPECT_FALSE(EvaluateBool(AnalyzeDeep->FindPinChecked(TEXT("Success"), EGPD_Output)));
	EXPECT_EQ(EvaluateString(AnalyzeDeep->FindPinChecked(TEXT("name"), EGPD_Output)), FString()) << "the whole text is refused";
	EXPECT_EQ(EvaluateString(ArrayCreate->FindPinChecked(TEXT("Out Json"), EGPD_Output)), TEXT("[\"") + NestedArrays(Limit + 1) + TEXT("\"]"));
}

TEST_F(FKeyedExpansionTest, PastedKeysTheNodeWouldRefuseAreDroppedAndTheOthersCompile)
{
	UZOVAK2Node_Json* const Analyze = SpawnWithKeys<UZOVAK2Node_Json>({TEXT("name"), TEXT("placeholder")});
	UZOVAK2Node_JsonCreate* const Create = SpawnWithKeys<UZOVAK2Node_JsonCreate>({TEXT("name"), TEXT("placeholder")});
	ASSERT_TRUE(Analyze && Create);
	Analyze->FindPinChecked(TEXT("In Json"), EGPD_Input)->DefaultValue = TEXT("{\"name\":\"Zova\",\"\":\"empty\"}");
	Create->FindPinChecked(TEXT("name"), EGPD_Input)->DefaultValue = TEXT("Zova");
	FString Copied;
	FEdGraphUtilities::ExportNodesToText({Analyze, Create}, Copied);
	ASSERT_TRUE(Copied.Contains(TEXT("PinNames(1)=\"placeholder\"")));

	// Hand-edited or damaged text; an unquoted name is read as an empty element, as the engine reads it.
	const FString SecondKeys[] = {TEXT("\"\""), TEXT("\"None\""), TEXT("\"_5\""), TEXT("placeholder"), TEXT("\"NAME\""), TEXT("\"") + FString::ChrN(NAME_SIZE, TEXT('k')) + TEXT("\"")};
	for (const FString& SecondKey : SecondKeys)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*SecondKey.Left(20)));
		Graph->Nodes.Reset();
		TArray<UEdGraphNode*> Pasted;
		FEdGraphUtilities::ImportNodesFromText(Graph, Copied.Replace(TEXT("PinNames(1)=\"placeholder\""), *(TEXT("PinNames(1)=") + SecondKey)), Pasted);
		ASSERT_EQ(Pasted.Num(), 2);
		UZOVAK2Node_Json* const PastedAnalyze = Cast<UZOVAK2Node_Json>(Pasted[0]);
		UZOVAK2Node_JsonCreate* const PastedCreate = Cast<UZOVAK2Node_JsonCreate>(Pasted[1]);
		ASSERT_TRUE(PastedAnalyze && PastedCreate);
		EXPECT_EQ(PinNamesOf(PastedAnalyze, EGPD_Output), TArray<FString>({TEXT("Success"), TEXT("name")}));
		EXPECT_EQ(PinNamesOf(PastedCreate, EGPD_Input), TArray<FString>({TEXT("name")}));

		CompileCleanly();
		EXPECT_TRUE(EvaluateBool(PastedAnalyze->FindPinChecked(TEXT("Success"), EGPD_Output)));
		EXPECT_EQ(EvaluateString(PastedAnalyze->FindPinChecked(TEXT("name"), EGPD_Output)), FString(TEXT("Zova")));
		EXPECT_EQ(EvaluateString(PastedCreate->FindPinChecked(TEXT("Out Json"), EGPD_Output)), FString(TEXT("{\"name\":\"Zova\"}")));
	}
}
