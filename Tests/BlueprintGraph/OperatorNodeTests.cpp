#include "BlueprintTestFixture.h"
#include "EdGraphUtilities.h"
#include "K2Node_CallFunction.h"
#include "K2Node_CommutativeAssociativeBinaryOperator.h"
#include "K2Node_PromotableOperator.h"
#include "Kismet/KismetMathLibrary.h"
#include "LogCapture.h"

#include <map>
#include <utility>
#include <vector>

// The math operator nodes as the editor pastes them (UE 5.4, 5.8 BlueprintGraph/Private/
// K2Node_PromotableOperator.cpp; 5.2 K2Node_CommutativeAssociativeBinaryOperator.cpp) and what their
// compile leaves: one call of the operator function per pair of inputs, the result of one call being
// the first input of the next.
class FOperatorNodeTest : public FBlueprintTest
{
protected:
	struct FPinLine
	{
		const TCHAR* Name;
		const TCHAR* Category;
		const TCHAR* SubCategory = TEXT("");
		const TCHAR* Default = nullptr;
		/** "NodeName.PinName" of the pin it is linked to; the link is written on both pins, as the editor does. */
		const TCHAR* LinkedTo = nullptr;
		bool bOutput = false;
		bool bHidden = false;
	};

	struct FNodeBlock
	{
		const TCHAR* Class;
		FString Name;
		TArray<FString> Properties;
		std::vector<FPinLine> Pins;
	};

	static constexpr const TCHAR* MathLibrary = TEXT("\"/Script/CoreUObject.Class'/Script/Engine.KismetMathLibrary'\"");

	static FString PinId(int32 NodeIndex, int32 PinIndex)
	{
		return FString::Printf(TEXT("%08X%08X0000000000000000"), NodeIndex + 1, PinIndex + 1);
	}

	/** The editor's copy text of the nodes: one Begin Object block each, pins in full, lines ending "\r\n". */
	static FString NodesText(const std::vector<FNodeBlock>& Nodes)
	{
		std::map<std::pair<int32, int32>, TArray<FString>> Links;
		for (int32 NodeIndex = 0; NodeIndex < int32(Nodes.size()); ++NodeIndex)
		{
			for (int32 PinIndex = 0; PinIndex < int32(Nodes[NodeIndex].Pins.size()); ++PinIndex)
			{
				const TCHAR* const Target = Nodes[NodeIndex].Pins[PinIndex].LinkedTo;
				if (!Target)
				{
					continue;
				}
				FString TargetNode;
				FString TargetPin;
				check(FString(Target).Split(TEXT("."), &TargetNode, &TargetPin));
				for (int32 Other = 0; Other < int32(Nodes.size()); ++Other)
				{
					for (int32 OtherPin = 0; Nodes[Other].Name == TargetNode && OtherPin < int32(Nodes[Other].Pins.size()); ++OtherPin)
					{
						if (TargetPin == Nodes[Other].Pins[OtherPin].Name)
						{
							Links[{NodeIndex, PinIndex}].Add(TargetNode + TEXT(" ") + PinId(Other, OtherPin));
							Links[{Other, OtherPin}].Add(Nodes[NodeIndex].Name + TEXT(" ") + PinId(NodeIndex, PinIndex));
						}
					}
				}
			}
		}

		FString Text;
		for (int32 NodeIndex = 0; NodeIndex < int32(Nodes.size()); ++NodeIndex)
		{
			const FNodeBlock& Node = Nodes[NodeIndex];
			Text += FString::Printf(TEXT("Begin Object Class=/Script/BlueprintGraph.%s Name=\"%s\" ExportPath=\"/Script/BlueprintGraph.%s'/Game/Tests/BP_Math.BP_Math:EventGraph.%s'\"\r\n"), Node.Class, *Node.Name, Node.Class, *Node.Name);
			for (const FString& Property : Node.Properties)
			{
				Text += TEXT("   ") + Property + TEXT("\r\n");
			}
			Text += FString::Printf(TEXT("   NodeGuid=%08X00000000000000000000000F\r\n"), NodeIndex + 1);
			for (int32 PinIndex = 0; PinIndex < int32(Node.Pins.size()); ++PinIndex)
			{
				const FPinLine& Pin = Node.Pins[PinIndex];
				const bool bSelf = FString(Pin.Name) == TEXT("self");
				Text += FString::Printf(TEXT("   CustomProperties Pin (PinId=%s,PinName=\"%s\","), *PinId(NodeIndex, PinIndex), Pin.Name);
				if (Pin.bOutput)
				{
					Text += TEXT("Direction=\"EGPD_Output\",");
				}
				Text += FString::Printf(TEXT("PinType.PinCategory=\"%s\",PinType.PinSubCategory=\"%s\",PinType.PinSubCategoryObject=%s,"), Pin.Category, Pin.SubCategory, bSelf ? MathLibrary : TEXT("None"));
				Text += TEXT("PinType.PinSubCategoryMemberReference=(),PinType.PinValueType=(),PinType.ContainerType=None,PinType.bIsReference=False,PinType.bIsConst=False,PinType.bIsWeakPointer=False,PinType.bIsUObjectWrapper=False,PinType.bSerializeAsSinglePrecisionFloat=False,");
				if (Pin.Default)
				{
					Text += FString::Printf(TEXT("DefaultValue=\"%s\","), Pin.Default);
				}
				if (bSelf)
				{
					Text += TEXT("DefaultObject=\"/Script/Engine.Default__KismetMathLibrary\",");
				}
				const auto Found = Links.find({NodeIndex, PinIndex});
				if (Found != Links.end())
				{
					Text += TEXT("LinkedTo=(") + FString::Join(Found->second, TEXT(",")) + TEXT(",),");
				}
				Text += FString::Printf(TEXT("PersistentGuid=00000000000000000000000000000000,bHidden=%s,bNotConnectable=False,bDefaultValueIsReadOnly=False,bDefaultValueIsIgnored=False,bAdvancedView=False,bOrphanedPin=False,)\r\n"), Pin.bHidden || bSelf ? TEXT("True") : TEXT("False"));
			}
			Text += TEXT("End Object\r\n");
		}
		return Text;
	}

	/** A "+"-like node of the function: inputs A, B, then C, D... of the given values, and ReturnValue. */
	static FNodeBlock Operator(const FString& Name, const TCHAR* Function, const TCHAR* Category, const TCHAR* SubCategory, const std::vector<const TCHAR*>& Values, const TCHAR* OutputCategory = nullptr)
	{
		static const TCHAR* const InputNames[] = {TEXT("A"), TEXT("B"), TEXT("C"), TEXT("D"), TEXT("E"), TEXT("F")};
		FNodeBlock Node{TEXT("K2Node_PromotableOperator"), Name, {}, {}};
		const UFunction* const Target = UKismetMathLibrary::StaticClass()->FindFunctionByName(Function);
		check(Target);
		Node.Properties.Add(FString::Printf(TEXT("OperationName=\"%s\""), *OperationNameOf(Function)));
		if (Values.size() > 2)
		{
			Node.Properties.Add(FString::Printf(TEXT("NumAdditionalInputs=%d"), int32(Values.size()) - 2));
		}
		Node.Properties.Add(TEXT("bIsPureFunc=True"));
		Node.Properties.Add(FString::Printf(TEXT("FunctionReference=(MemberParent=%s,MemberName=\"%s\")"), MathLibrary, Function));
		for (size_t Index = 0; Index < Values.size(); ++Index)
		{
			Node.Pins.push_back({InputNames[Index], Category, SubCategory, Values[Index]});
			if (Index == 1)
			{
				Node.Pins.push_back({TEXT("ReturnValue"), OutputCategory ? OutputCategory : Category, OutputCategory ? TEXT("") : SubCategory, nullptr, nullptr, true});
			}
		}
		return Node;
	}

	/** The operation name a function's node stands for: its name up to the first '_'. */
	static FString OperationNameOf(const TCHAR* Function)
	{
		FString Operation;
		FString Rest;
		return FString(Function).Split(TEXT("_"), &Operation, &Rest) ? Operation : FString(Function);
	}

	TArray<UEdGraphNode*> Paste(const std::vector<FNodeBlock>& Nodes)
	{
		TArray<UEdGraphNode*> Pasted;
		FEdGraphUtilities::ImportNodesFromText(Graph, NodesText(Nodes), Pasted);
		EXPECT_EQ(Pasted.Num(), int32(Nodes.size()));
		return Pasted;
	}

	/** The calls of the function in the last compiled graph. */
	int32 CountCompiledCalls(const TCHAR* Function) const
	{
		int32 Count = 0;
		for (UK2Node_CallFunction* Call : GetCompiledNodes<UK2Node_CallFunction>())
		{
			Count += Call->GetTargetFunction() && Call->GetTargetFunction()->GetName() == Function ? 1 : 0;
		}
		return Count;
	}

	static FString Describe(const TCHAR* Function, const std::vector<const TCHAR*>& Values)
	{
		FString Text = FString(Function) + TEXT(" of");
		for (const TCHAR* Value : Values)
		{
			Text += TEXT(" ") + FString(Value ? Value : TEXT("-"));
		}
		return Text;
	}

	static FString PinTypeText(const UEdGraphPin* Pin)
	{
		return Pin->PinType.PinSubCategory.IsNone() ? Pin->PinType.PinCategory.ToString() : Pin->PinType.PinCategory.ToString() + TEXT("/") + Pin->PinType.PinSubCategory.ToString();
	}
};

TEST_F(FOperatorNodeTest, APastedOperatorBecomesOneCallPerPairOfItsInputs)
{
	struct FCase
	{
		const TCHAR* Function;
		const TCHAR* Category;
		const TCHAR* SubCategory;
		std::vector<const TCHAR*> Values;
		const TCHAR* Expected;
	};
	const FCase Cases[] = {
		{TEXT("Add_IntInt"), TEXT("int"), TEXT(""), {TEXT("40"), TEXT("2"), TEXT("-5")}, TEXT("37")},
		{TEXT("Add_IntInt"), TEXT("int"), TEXT(""), {TEXT("2147483647"), TEXT("1")}, TEXT("-2147483648")},
		{TEXT("Multiply_IntInt"), TEXT("int"), TEXT(""), {TEXT("2"), TEXT("3"), TEXT("4"), TEXT("5")}, TEXT("120")},
		{TEXT("Subtract_IntInt"), TEXT("int"), TEXT(""), {TEXT("10"), TEXT("3"), TEXT("2")}, TEXT("5")},
		{TEXT("Divide_IntInt"), TEXT("int"), TEXT(""), {TEXT("-100"), TEXT("7"), TEXT("2")}, TEXT("-7")},
		{TEXT("Percent_IntInt"), TEXT("int"), TEXT(""), {TEXT("-7"), TEXT("3")}, TEXT("-1")},
		{TEXT("Add_Int64Int64"), TEXT("int64"), TEXT(""), {TEXT("9223372036854775807"), TEXT("1")}, TEXT("-9223372036854775808")},
		{TEXT("Add_DoubleDouble"), TEXT("real"), TEXT("double"), {TEXT("0.5"), TEXT("0.25"), TEXT("1.0")}, TEXT("1.75")},
		{TEXT("Less_IntInt"), TEXT("int"), TEXT(""), {TEXT("-3"), TEXT("2")}, TEXT("True")},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Describe(Case.Function, Case.Values)));
		Graph->Nodes.Empty();
		const bool bComparison = FString(Case.Function).StartsWith(TEXT("Less"));
		const TArray<UEdGraphNode*> Pasted = Paste({Operator(TEXT("K2Node_PromotableOperator_0"), Case.Function, Case.Category, Case.SubCategory, Case.Values, bComparison ? TEXT("bool") : nullptr)});
		UK2Node_PromotableOperator* const Node = Cast<UK2Node_PromotableOperator>(Pasted.IsEmpty() ? nullptr : Pasted[0]);
		ASSERT_TRUE(Node);
		EXPECT_EQ(Node->GetTargetFunction(), UKismetMathLibrary::StaticClass()->FindFunctionByName(Case.Function));

		Compile();
		EXPECT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
		EXPECT_TRUE(GetCompiledNodes<UK2Node_PromotableOperator>().IsEmpty()) << "the calls take the node's place";
		EXPECT_EQ(CountCompiledCalls(Case.Function), int32(Case.Values.size()) - 1);
		const TSharedPtr<const FHostPinValue> Value = Evaluate(Node->GetOutputPin());
		ASSERT_TRUE(Value);
		EXPECT_EQ(Value->ExportText(), Case.Expected);
	}
}

TEST_F(FOperatorNodeTest, AnAddedInputLinkedAfterThePasteTakesItsPlaceInTheChain)
{
	const TArray<UEdGraphNode*> Pasted = Paste({Operator(TEXT("K2Node_PromotableOperator_0"), TEXT("Subtract_IntInt"), TEXT("int"), TEXT(""), {TEXT("100"), TEXT("1"), TEXT("2")})});
	UK2Node_PromotableOperator* const Node = Cast<UK2Node_PromotableOperator>(Pasted[0]);
	ASSERT_TRUE(Node && Node->CanAddPin());
	Node->AddInputPin();
	UEdGraphPin* const D = Node->FindPin(TEXT("D"));
	ASSERT_TRUE(D);
	EXPECT_EQ(PinTypeText(D), TEXT("int")) << "an added input takes the type of the others";
	Link(AddSource(UEdGraphSchema_K2::PC_Int, TEXT("30"))->GetValuePin(), D);

	Compile();
	EXPECT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(CountCompiledCalls(TEXT("Subtract_IntInt")), 3);
	EXPECT_EQ(Evaluate(Node->GetOutputPin())->Get<int32>(), 67) << "((100 - 1) - 2) - 30";
}

// UE 5.4, 5.8 K2Node_PromotableOperator.cpp (PostPasteNode, ResetNodeToWildcard, AllocateDefaultPins).
TEST_F(FOperatorNodeTest, APastedOperatorHoldingNoLinkOrValueGoesBackToWildcards)
{
	struct FCase
	{
		const char* Name;
		FNodeBlock Node;
		const TCHAR* ExpectedTypes;
	};
	const FCase Cases[] = {
		{"typed \"+\" without values", Operator(TEXT("K2Node_PromotableOperator_0"), TEXT("Add_IntInt"), TEXT("int"), TEXT(""), {nullptr, nullptr, nullptr}), TEXT("A wildcard, B wildcard, ReturnValue wildcard, C wildcard")},
		{"typed \"+\" with a value", Operator(TEXT("K2Node_PromotableOperator_0"), TEXT("Add_IntInt"), TEXT("int"), TEXT(""), {TEXT("3"), nullptr, nullptr}), TEXT("A int, B int, ReturnValue int, C int")},
		{"float \"*\" with a value", Operator(TEXT("K2Node_PromotableOperator_0"), TEXT("Multiply_DoubleDouble"), TEXT("real"), TEXT("double"), {nullptr, TEXT("2.0")}), TEXT("A real/double, B real/double, ReturnValue real/double")},
		{"\"<\" without values keeps its bool", Operator(TEXT("K2Node_PromotableOperator_0"), TEXT("Less_IntInt"), TEXT("int"), TEXT(""), {nullptr, nullptr}, TEXT("bool")), TEXT("A wildcard, B wildcard, ReturnValue bool")},
		{"\"<\" with a value", Operator(TEXT("K2Node_PromotableOperator_0"), TEXT("Less_IntInt"), TEXT("int"), TEXT(""), {nullptr, TEXT("4")}, TEXT("bool")), TEXT("A int, B int, ReturnValue bool, ErrorTolerance hidden")},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		Graph->Nodes.Empty();
		const TArray<UEdGraphNode*> Pasted = Paste({Case.Node});
		ASSERT_EQ(Pasted.Num(), 1);
		TArray<FString> Types;
		for (const UEdGraphPin* Pin : Pasted[0]->Pins)
		{
			Types.Add(Pin->PinName.ToString() + TEXT(" ") + (Pin->bHidden ? TEXT("hidden") : *PinTypeText(Pin)));
		}
		EXPECT_EQ(FString::Join(Types, TEXT(", ")), Case.ExpectedTypes);
	}
}

// UE 5.4, 5.8 K2Node_PromotableOperator.cpp (UpdatePinsFromFunction keeps a linked lower type;
// CreateIntermediateCast converts it through the schema's autocast function).
TEST_F(FOperatorNodeTest, AnInputOfALowerTypeIsConvertedBeforeTheCall)
{
	FNodeBlock Sum = Operator(TEXT("K2Node_PromotableOperator_0"), TEXT("Add_IntInt"), TEXT("int"), TEXT(""), {TEXT("1"), TEXT("2")});
	FNodeBlock Half = Operator(TEXT("K2Node_PromotableOperator_1"), TEXT("Add_DoubleDouble"), TEXT("real"), TEXT("double"), {nullptr, TEXT("0.5")});
	Half.Pins[0].Category = TEXT("int");
	Half.Pins[0].SubCategory = TEXT("");
	Half.Pins[0].LinkedTo = TEXT("K2Node_PromotableOperator_0.ReturnValue");
	const TArray<UEdGraphNode*> Pasted = Paste({Sum, Half});
	UK2Node_PromotableOperator* const Node = Cast<UK2Node_PromotableOperator>(Pasted[1]);
	ASSERT_TRUE(Node);
	EXPECT_EQ(PinTypeText(Node->FindPinChecked(TEXT("A"))), TEXT("int")) << "a linked input keeps the lower type of its link";

	Compile();
	EXPECT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(CountCompiledCalls(TEXT("Conv_IntToDouble")), 1);
	EXPECT_EQ(Evaluate(Node->GetOutputPin())->Get<double>(), 3.5);
}

TEST_F(FOperatorNodeTest, DivisionByZeroInTheGraphGivesZeroAndAScriptWarning)
{
	const TArray<UEdGraphNode*> Pasted = Paste({Operator(TEXT("K2Node_PromotableOperator_0"), TEXT("Divide_IntInt"), TEXT("int"), TEXT(""), {TEXT("7"), TEXT("0")})});
	Compile();
	FLogCapture Log;
	EXPECT_EQ(Evaluate(CastChecked<UK2Node_PromotableOperator>(Pasted[0])->GetOutputPin())->Get<int32>(), 0);
	EXPECT_EQ(Log.Lines, TArray<FString>{TEXT("LogScript: Warning: Script Msg: Divide by zero: Divide_IntInt")});
}

// UE 5.2 K2Node_CommutativeAssociativeBinaryOperator.cpp (ExpandNode): only a node with added inputs
// is replaced; without, it compiles as the call it is.
TEST_F(FOperatorNodeTest, TheOlderOperatorChainsOnlyWhenItHasAddedInputs)
{
	struct FCase
	{
		const TCHAR* Function;
		const TCHAR* Category;
		std::vector<const TCHAR*> Values;
		const TCHAR* Expected;
	};
	const FCase Cases[] = {
		{TEXT("Min"), TEXT("int"), {TEXT("5"), TEXT("9")}, TEXT("5")},
		{TEXT("Min"), TEXT("int"), {TEXT("50"), TEXT("37"), TEXT("12")}, TEXT("12")},
		{TEXT("Max"), TEXT("int"), {TEXT("-4"), TEXT("-9"), TEXT("-1"), TEXT("-2")}, TEXT("-1")},
		{TEXT("BooleanAND"), TEXT("bool"), {TEXT("true"), TEXT("true"), TEXT("false")}, TEXT("False")},
		{TEXT("BooleanOR"), TEXT("bool"), {TEXT("false"), TEXT("false"), TEXT("true")}, TEXT("True")},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Describe(Case.Function, Case.Values)));
		Graph->Nodes.Empty();
		FNodeBlock Block = Operator(TEXT("K2Node_CommutativeAssociativeBinaryOperator_0"), Case.Function, Case.Category, TEXT(""), Case.Values);
		Block.Class = TEXT("K2Node_CommutativeAssociativeBinaryOperator");
		Block.Properties.RemoveAt(0);
		Block.Pins.insert(Block.Pins.begin(), FPinLine{TEXT("self"), TEXT("object")});
		const TArray<UEdGraphNode*> Pasted = Paste({Block});
		UK2Node_CommutativeAssociativeBinaryOperator* const Node = Cast<UK2Node_CommutativeAssociativeBinaryOperator>(Pasted.IsEmpty() ? nullptr : Pasted[0]);
		ASSERT_TRUE(Node);

		Compile();
		EXPECT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
		// The chain is of nodes of the same class, each without added inputs.
		const TArray<UK2Node_CommutativeAssociativeBinaryOperator*> Compiled = GetCompiledNodes<UK2Node_CommutativeAssociativeBinaryOperator>();
		EXPECT_EQ(Compiled.Num(), int32(Case.Values.size()) - 1);
		EXPECT_FALSE(Compiled.ContainsByPredicate([](const UK2Node_CommutativeAssociativeBinaryOperator* Call) { return Call->FindPin(TEXT("C")) != nullptr; }));
		EXPECT_EQ(CountCompiledCalls(Case.Function), int32(Case.Values.size()) - 1);
		const TSharedPtr<const FHostPinValue> Value = Evaluate(Node->FindOutPin());
		ASSERT_TRUE(Value);
		EXPECT_EQ(Value->ExportText(), Case.Expected);
	}
}

// Public 5.x clipboard texts name the function's class in each of these forms.
TEST_F(FOperatorNodeTest, TheMathLibraryIsFoundByEveryFormOfItsPath)
{
	const TCHAR* const Forms[] = {
		TEXT("Class'\"/Script/Engine.KismetMathLibrary\"'"),
		TEXT("/Script/CoreUObject.Class'\"/Script/Engine.KismetMathLibrary\"'"),
		TEXT("\"/Script/CoreUObject.Class'/Script/Engine.KismetMathLibrary'\""),
		TEXT("/Script/Engine.KismetMathLibrary"),
	};
	for (const TCHAR* Form : Forms)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Form));
		Graph->Nodes.Empty();
		FNodeBlock Block = Operator(TEXT("K2Node_PromotableOperator_0"), TEXT("Add_IntInt"), TEXT("int"), TEXT(""), {TEXT("1"), TEXT("2")});
		Block.Properties.Last() = FString::Printf(TEXT("FunctionReference=(MemberParent=%s,MemberName=\"Add_IntInt\")"), Form);
		const TArray<UEdGraphNode*> Pasted = Paste({Block});
		UK2Node_PromotableOperator* const Node = Cast<UK2Node_PromotableOperator>(Pasted.IsEmpty() ? nullptr : Pasted[0]);
		ASSERT_TRUE(Node);
		EXPECT_EQ(Node->GetTargetFunction(), UKismetMathLibrary::StaticClass()->FindFunctionByName(TEXT("Add_IntInt")));
		Compile();
		EXPECT_EQ(Evaluate(Node->GetOutputPin())->Get<int32>(), 3);
	}
}

// The engine prunes a pure node nothing reads before it expands (UE 5.4 KismetCompiler.cpp), so a
// wildcard "+" left in a graph does not stop the compile.
TEST_F(FOperatorNodeTest, AnUnreadWildcardOperatorCompilesAndGivesNoValue)
{
	const TArray<UEdGraphNode*> Pasted = Paste({
		Operator(TEXT("K2Node_PromotableOperator_0"), TEXT("Add_IntInt"), TEXT("wildcard"), TEXT(""), {nullptr, nullptr}),
		Operator(TEXT("K2Node_PromotableOperator_1"), TEXT("Add_IntInt"), TEXT("int"), TEXT(""), {TEXT("4"), TEXT("5")})});
	UK2Node_PromotableOperator* const Wildcard = Cast<UK2Node_PromotableOperator>(Pasted[0]);
	ASSERT_TRUE(Wildcard);
	EXPECT_EQ(PinTypeText(Wildcard->GetOutputPin()), TEXT("wildcard"));

	Compile();
	EXPECT_EQ(Results->NumErrors, 0) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(Evaluate(CastChecked<UK2Node_PromotableOperator>(Pasted[1])->GetOutputPin())->Get<int32>(), 9);
	FString Error;
	FHostGraphEvaluator WildcardEvaluator(*Compiler);
	EXPECT_FALSE(WildcardEvaluator.EvaluatePin(Wildcard->GetOutputPin(), Error).IsValid());
}

// UE 5.4 K2Node_AddPinInterface.h (GetMaxInputPinsNum, GetNameForAdditionalPin), K2Node_PromotableOperator.cpp
// (CanAddPin), 5.2 K2Node_CommutativeAssociativeBinaryOperator.cpp (CanAddPin, AddInputPin).
TEST_F(FOperatorNodeTest, InputsAreAddedUpToTwentyFiveForArithmeticOnly)
{
	struct FCase
	{
		const char* Name;
		UK2Node* Node;
		int32 ExpectedAdded;
		const TCHAR* ExpectedLastName;
	};
	const auto PromotableOf = [this](const TCHAR* Function)
	{
		return AddNode<UK2Node_PromotableOperator>([Function](UK2Node_PromotableOperator* Node) { Node->SetFromFunction(UKismetMathLibrary::StaticClass()->FindFunctionByName(Function)); });
	};
	const FCase Cases[] = {
		{"promotable \"+\"", PromotableOf(TEXT("Add_IntInt")), 23, TEXT("Y")},
		{"promotable \"<\"", PromotableOf(TEXT("Less_IntInt")), 0, TEXT("B")},
		{"older Max", AddNode<UK2Node_CommutativeAssociativeBinaryOperator>([](UK2Node_CommutativeAssociativeBinaryOperator* Node) { Node->SetFromFunction(UKismetMathLibrary::StaticClass()->FindFunctionByName(TEXT("Max"))); }), 23, TEXT("Y")},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		IK2Node_AddPinInterface* const AddPin = dynamic_cast<IK2Node_AddPinInterface*>(Case.Node);
		ASSERT_TRUE(AddPin);
		int32 Added = 0;
		while (AddPin->CanAddPin() && Added < 30)
		{
			AddPin->AddInputPin();
			++Added;
		}
		EXPECT_EQ(Added, Case.ExpectedAdded);
		FName LastInput;
		for (const UEdGraphPin* Pin : Case.Node->Pins)
		{
			LastInput = Pin->Direction == EGPD_Input && Pin->PinName != UEdGraphSchema_K2::PN_Self ? Pin->PinName : LastInput;
		}
		EXPECT_EQ(LastInput.ToString(), Case.ExpectedLastName);
	}
}
