#include "BlueprintTestFixture.h"
#include "GraphTestTypes.h"
#include "K2Node_CallFunction.h"
#include "K2Node_MakeArray.h"
#include "K2Node_MakeMap.h"
#include "NodeFactory.h"
#include "SGraphPin.h"
#include "ScopedTestEditor.h"
#include "Settings/EditorStyleSettings.h"

#include <string>

class FSchemaTest : public FBlueprintTest
{
protected:
	UEdGraphPin* AddPin(EEdGraphPinDirection Direction, const FEdGraphPinType& Type)
	{
		UGraphTestNode* const Node = AddNode<UGraphTestNode>();
		return Node->CreatePin(Direction, Type, TEXT("Pin"));
	}

	static FEdGraphPinType MakeType(FName Category, EPinContainerType Container = EPinContainerType::None, FName ValueCategory = NAME_None)
	{
		FEdGraphTerminalType Value;
		Value.TerminalCategory = ValueCategory;
		return FEdGraphPinType(Category, NAME_None, nullptr, Container, false, Value);
	}

	const UEdGraphSchema_K2* Schema = GetDefault<UEdGraphSchema_K2>();
};

TEST_F(FSchemaTest, ConnectionRulesFollowDirectionTypeAndExistingLinks)
{
	const FEdGraphPinType String = MakeType(UEdGraphSchema_K2::PC_String);
	const FEdGraphPinType Bool = MakeType(UEdGraphSchema_K2::PC_Boolean);
	const FEdGraphPinType StringArray = MakeType(UEdGraphSchema_K2::PC_String, EPinContainerType::Array);
	const FEdGraphPinType Wildcard = MakeType(UEdGraphSchema_K2::PC_Wildcard);
	const FEdGraphPinType StringMap = MakeType(UEdGraphSchema_K2::PC_String, EPinContainerType::Map, UEdGraphSchema_K2::PC_String);
	const FEdGraphPinType StringToBoolMap = MakeType(UEdGraphSchema_K2::PC_String, EPinContainerType::Map, UEdGraphSchema_K2::PC_Boolean);
	struct FCase
	{
		const char* Name;
		FEdGraphPinType Output;
		FEdGraphPinType Input;
		ECanCreateConnectionResponse Expected;
	};
	const FCase Cases[] = {
		{"same type", String, String, CONNECT_RESPONSE_MAKE},
		{"bool into string", Bool, String, CONNECT_RESPONSE_DISALLOW},
		{"array into single value", StringArray, String, CONNECT_RESPONSE_DISALLOW},
		{"wildcard takes a single value", String, Wildcard, CONNECT_RESPONSE_MAKE},
		{"map value types differ", StringMap, StringToBoolMap, CONNECT_RESPONSE_DISALLOW},
		{"same map", StringMap, StringMap, CONNECT_RESPONSE_MAKE},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		UEdGraphPin* const Output = AddPin(EGPD_Output, Case.Output);
		UEdGraphPin* const Input = AddPin(EGPD_Input, Case.Input);
		EXPECT_EQ(Schema->CanCreateConnection(Output, Input).Response, Case.Expected);
		EXPECT_EQ(Schema->CanCreateConnection(Input, Output).Response, Case.Expected) << "either order";
	}

	UGraphTestNode* const Node = AddNode<UGraphTestNode>([](UGraphTestNode* New)
	{
		New->InputNames = {TEXT("In")};
		New->OutputNames = {TEXT("Out")};
	});
	EXPECT_EQ(Schema->CanCreateConnection(Node->FindPin(TEXT("Out")), Node->FindPin(TEXT("In"))).Response, CONNECT_RESPONSE_DISALLOW) << "same node";
	UEdGraphPin* const FirstOutput = AddPin(EGPD_Output, String);
	EXPECT_EQ(Schema->CanCreateConnection(FirstOutput, AddPin(EGPD_Output, String)).Response, CONNECT_RESPONSE_DISALLOW) << "same direction";
}

TEST_F(FSchemaTest, TryCreateConnectionReplacesTheLinkOfAnInputAndTellsBothNodes)
{
	UGraphTestNode* const First = AddNode<UGraphTestNode>([](UGraphTestNode* Node) { Node->OutputNames = {TEXT("Out")}; });
	UGraphTestNode* const Second = AddNode<UGraphTestNode>([](UGraphTestNode* Node) { Node->OutputNames = {TEXT("Out")}; });
	UGraphTestNode* const Target = AddNode<UGraphTestNode>([](UGraphTestNode* Node) { Node->InputNames = {TEXT("In")}; });
	UEdGraphPin* const In = Target->FindPinChecked(TEXT("In"));
	In->DefaultValue = TEXT("typed");

	EXPECT_TRUE(Schema->TryCreateConnection(First->FindPinChecked(TEXT("Out")), In));
	EXPECT_TRUE(In->DefaultValue.IsEmpty()) << "a linked input drops its typed default";
	EXPECT_TRUE(Schema->TryCreateConnection(In, Second->FindPinChecked(TEXT("Out"))));
	EXPECT_EQ(In->LinkedTo, TArray<UEdGraphPin*>({Second->FindPinChecked(TEXT("Out"))}));
	EXPECT_TRUE(First->FindPinChecked(TEXT("Out"))->LinkedTo.IsEmpty());
	EXPECT_EQ(First->NumPinNotifications, 2) << "linked, then replaced";
	EXPECT_EQ(Second->NumPinNotifications, 1);
	EXPECT_GE(Target->NumPinNotifications, 2);
}

// UE5, Engine/Private/EdGraph/EdGraphSchema.cpp
TEST_F(FSchemaTest, MovePinLinksCarriesLinksAndDefaultsAndCopyKeepsTheSource)
{
	UGraphTestNode* const Source = AddNode<UGraphTestNode>([](UGraphTestNode* Node) { Node->OutputNames = {TEXT("Out")}; });
	UGraphTestNode* const From = AddNode<UGraphTestNode>([](UGraphTestNode* Node) { Node->InputNames = {TEXT("In")}; });
	UGraphTestNode* const To = AddNode<UGraphTestNode>([](UGraphTestNode* Node) { Node->InputNames = {TEXT("In")}; });
	UGraphTestNode* const Copy = AddNode<UGraphTestNode>([](UGraphTestNode* Node) { Node->InputNames = {TEXT("In")}; });
	UEdGraphPin* const Out = Source->FindPinChecked(TEXT("Out"));
	UEdGraphPin* const FromPin = From->FindPinChecked(TEXT("In"));
	Link(Out, FromPin);
	FromPin->DefaultValue = TEXT("kept in the text");

	EXPECT_TRUE(Schema->CopyPinLinks(*FromPin, *Copy->FindPinChecked(TEXT("In"))).CanSafeConnect());
	EXPECT_EQ(FromPin->LinkedTo.Num(), 1);
	EXPECT_EQ(Out->LinkedTo.Num(), 2);

	UEdGraphPin* const ToPin = To->FindPinChecked(TEXT("In"));
	EXPECT_TRUE(Schema->MovePinLinks(*FromPin, *ToPin).CanSafeConnect());
	EXPECT_TRUE(FromPin->LinkedTo.IsEmpty());
	EXPECT_EQ(ToPin->LinkedTo, TArray<UEdGraphPin*>({Out}));
	EXPECT_EQ(ToPin->DefaultValue, TEXT("kept in the text"));
	EXPECT_EQ(Out->LinkedTo.Num(), 2);

	UEdGraphPin* const BoolPin = AddPin(EGPD_Input, MakeType(UEdGraphSchema_K2::PC_Boolean));
	EXPECT_EQ(Schema->MovePinLinks(*ToPin, *BoolPin).Response, CONNECT_RESPONSE_DISALLOW);
	EXPECT_TRUE(BoolPin->LinkedTo.IsEmpty()) << "a refused link is not made";
}

TEST_F(FSchemaTest, MakeArrayTakesItsTypeFromTheFirstLink)
{
	UK2Node_MakeArray* const MakeArray = AddNode<UK2Node_MakeArray>();
	ASSERT_EQ(MakeArray->Pins.Num(), 2);
	UEdGraphPin* const Output = MakeArray->GetOutputPin();
	EXPECT_EQ(Output->PinName, FName(TEXT("Array")));
	EXPECT_EQ(Output->PinType.PinCategory, UEdGraphSchema_K2::PC_Wildcard);
	EXPECT_TRUE(Output->PinType.IsArray());

	UEdGraphPin* const Consumer = AddPin(EGPD_Input, MakeType(UEdGraphSchema_K2::PC_String, EPinContainerType::Array));
	Output->MakeLinkTo(Consumer);
	MakeArray->PinConnectionListChanged(Output);
	MakeArray->AddInputPin();
	MakeArray->AddInputPin();

	ASSERT_EQ(MakeArray->Pins.Num(), 4);
	EXPECT_EQ(Output->PinType.PinCategory, UEdGraphSchema_K2::PC_String);
	EXPECT_TRUE(Output->PinType.IsArray());
	for (int32 Index = 0; Index < 3; ++Index)
	{
		const UEdGraphPin* const Element = MakeArray->Pins[Index + 1];
		EXPECT_EQ(Element->PinName, MakeArray->GetPinName(Index));
		EXPECT_EQ(Element->PinType.PinCategory, UEdGraphSchema_K2::PC_String);
		EXPECT_FALSE(Element->PinType.IsContainer());
	}
	EXPECT_EQ(MakeArray->Pins[3]->PinName, FName(TEXT("[2]")));
}

// UE 5.2, Editor/BlueprintGraph/Private/K2Node_MakeMap.cpp
TEST_F(FSchemaTest, MakeMapTypesKeysAndValuesFromLinksOnEitherSide)
{
	UK2Node_MakeMap* const FromOutput = AddNode<UK2Node_MakeMap>();
	UEdGraphPin* const MapConsumer = AddPin(EGPD_Input, MakeType(UEdGraphSchema_K2::PC_String, EPinContainerType::Map, UEdGraphSchema_K2::PC_Int));
	Link(FromOutput->GetOutputPin(), MapConsumer);
	FromOutput->AddInputPin();
	const TArray<FName> ExpectedNames = {TEXT("Key 0"), TEXT("Value 0"), TEXT("Key 1"), TEXT("Value 1")};
	ASSERT_EQ(FromOutput->Pins.Num(), 5);
	for (int32 Index = 0; Index < ExpectedNames.Num(); ++Index)
	{
		const UEdGraphPin* const Pin = FromOutput->Pins[Index + 1];
		EXPECT_EQ(Pin->PinName, ExpectedNames[Index]);
		EXPECT_EQ(Pin->PinType.PinCategory, Index % 2 == 0 ? UEdGraphSchema_K2::PC_String : UEdGraphSchema_K2::PC_Int);
	}
	EXPECT_EQ(FromOutput->FindPinChecked(TEXT("Value 1"))->DefaultValue, TEXT("0"));

	UK2Node_MakeMap* const FromInputs = AddNode<UK2Node_MakeMap>();
	Link(AddPin(EGPD_Output, MakeType(UEdGraphSchema_K2::PC_Boolean)), FromInputs->FindPinChecked(TEXT("Value 0")));
	const FEdGraphPinType& MapType = FromInputs->GetOutputPin()->PinType;
	EXPECT_EQ(MapType.PinCategory, UEdGraphSchema_K2::PC_Wildcard) << "the key is still open";
	EXPECT_EQ(MapType.PinValueType.TerminalCategory, UEdGraphSchema_K2::PC_Boolean);
	Link(AddPin(EGPD_Output, MakeType(UEdGraphSchema_K2::PC_Name)), FromInputs->FindPinChecked(TEXT("Key 0")));
	EXPECT_EQ(MapType.PinCategory, UEdGraphSchema_K2::PC_Name);
}

// UE 5.4 and 5.8, BlueprintGraph/Private/EdGraphSchema_K2.cpp and Engine/Private/EdGraph/EdGraphSchema.cpp
// (DoesDefaultValueMatchAutogenerated, DoesDefaultValueMatch): a pin holds a value of its own when its
// value differs from its autogenerated default; case is ignored, reals compare as numbers, and against an
// empty autogenerated default the empty values of bools, integers and names count as unchanged.
TEST_F(FSchemaTest, APinHoldsAValueOnlyWhenItDiffersFromItsAutogeneratedDefault)
{
	struct FCase
	{
		const char* Name;
		FName Category;
		const TCHAR* Autogenerated;
		const TCHAR* Value;
		bool bText;
		bool bObject;
		bool bExpectedMatch;
	};
	const FCase Cases[] = {
		{"empty string", UEdGraphSchema_K2::PC_String, TEXT(""), TEXT(""), false, false, true},
		{"typed string", UEdGraphSchema_K2::PC_String, TEXT(""), TEXT("a"), false, false, false},
		{"case is ignored", UEdGraphSchema_K2::PC_String, TEXT("abc"), TEXT("ABC"), false, false, true},
		{"false against nothing", UEdGraphSchema_K2::PC_Boolean, TEXT(""), TEXT("false"), false, false, true},
		{"true", UEdGraphSchema_K2::PC_Boolean, TEXT("false"), TEXT("true"), false, false, false},
		{"zero against nothing", UEdGraphSchema_K2::PC_Int, TEXT(""), TEXT("0"), false, false, true},
		{"zero against zero", UEdGraphSchema_K2::PC_Int, TEXT("0"), TEXT("0"), false, false, true},
		{"seven", UEdGraphSchema_K2::PC_Int, TEXT("0"), TEXT("7"), false, false, false},
		{"real by number", UEdGraphSchema_K2::PC_Real, TEXT("0.0"), TEXT("0"), false, false, true},
		{"real that differs", UEdGraphSchema_K2::PC_Real, TEXT("0.0"), TEXT("0.5"), false, false, false},
		{"None against nothing", UEdGraphSchema_K2::PC_Name, TEXT(""), TEXT("None"), false, false, true},
		{"typed text", UEdGraphSchema_K2::PC_Text, TEXT(""), TEXT("hi"), true, false, false},
		{"an object", UEdGraphSchema_K2::PC_Object, TEXT(""), TEXT(""), false, true, false},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		UEdGraphPin* const Pin = AddPin(EGPD_Input, MakeType(Case.Category));
		Pin->AutogeneratedDefaultValue = Case.Autogenerated;
		Pin->DefaultValue = Case.bText ? TEXT("") : Case.Value;
		Pin->DefaultTextValue = Case.bText ? FText::FromString(Case.Value) : FText::GetEmpty();
		Pin->DefaultObject = Case.bObject ? Blueprint : nullptr;
		EXPECT_EQ(Pin->DoesDefaultValueMatchAutogenerated(), Case.bExpectedMatch);
	}
	UEdGraphPin* const Object = AddPin(EGPD_Input, MakeType(UEdGraphSchema_K2::PC_Object));
	Object->DefaultObject = Blueprint;
	Object->AutogeneratedDefaultValue = Blueprint->GetPathName();
	EXPECT_TRUE(Object->DoesDefaultValueMatchAutogenerated()) << "an object compares by its path";

	// An enum's autogenerated default is empty and shows as its first enumerator.
	UEdGraphPin* const Enum = AddPin(EGPD_Input, FEdGraphPinType(UEdGraphSchema_K2::PC_Byte, NAME_None, StaticEnum<EEdGraphPinDirection>(), EPinContainerType::None, false, FEdGraphTerminalType()));
	Schema->SetPinAutogeneratedDefaultValueBasedOnType(Enum);
	EXPECT_TRUE(Enum->AutogeneratedDefaultValue.IsEmpty());
	EXPECT_EQ(Enum->DefaultValue, TEXT("EGPD_Input"));
	EXPECT_TRUE(Enum->DoesDefaultValueMatchAutogenerated());
	Enum->DefaultValue = TEXT("EGPD_Output");
	EXPECT_FALSE(Enum->DoesDefaultValueMatchAutogenerated());
}

// UE 5.2, Editor/BlueprintGraph/Private/K2Node_MakeContainer.cpp (NotifyPinConnectionListChanged,
// PropagatePinType); UE 5.4 and 5.8, Engine/Private/EdGraph/EdGraphSchema.cpp (BreakSinglePinLink,
// BreakPinLinks tell both nodes). When the last link goes, a side of the container whose inputs hold
// nothing of their own is a wildcard again, and its inputs lose their values; a held value or a linked
// input keeps the type.
TEST_F(FSchemaTest, BreakingTheLastLinkOfAContainerLeavesTheTypeOnlyToInputsThatHoldValues)
{
	UK2Node_CallFunction* const Counts = AddNode<UK2Node_CallFunction>([](UK2Node_CallFunction* Node)
	{
		Node->SetFromFunction(UGraphTestLibrary::StaticClass()->FindFunctionByName(TEXT("CountWords")));
	});
	struct FCase
	{
		const char* Name;
		const TCHAR* Held;
		bool bLinkInput;
		bool bBreakAllOfTheOutput;
		FName ExpectedCategory;
	};
	const FCase Cases[] = {
		{"nothing held", TEXT(""), false, false, UEdGraphSchema_K2::PC_Wildcard},
		{"a value held", TEXT("kept"), false, false, UEdGraphSchema_K2::PC_String},
		{"an input still linked", TEXT(""), true, false, UEdGraphSchema_K2::PC_String},
		{"every link of the output", TEXT(""), false, true, UEdGraphSchema_K2::PC_Wildcard},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		UK2Node_MakeArray* const MakeArray = AddNode<UK2Node_MakeArray>();
		UEdGraphPin* const Output = MakeArray->GetOutputPin();
		UEdGraphPin* const Words = AddPin(EGPD_Input, MakeType(UEdGraphSchema_K2::PC_String, EPinContainerType::Array));
		Link(Output, Words);
		Link(Output, Counts->FindPinChecked(TEXT("Words")));
		MakeArray->AddInputPin();
		UEdGraphPin* const First = MakeArray->FindPinChecked(TEXT("[0]"));
		Schema->TrySetDefaultValue(*First, Case.Held);
		if (Case.bLinkInput)
		{
			Link(AddPin(EGPD_Output, MakeType(UEdGraphSchema_K2::PC_String)), MakeArray->FindPinChecked(TEXT("[1]")));
		}

		Schema->BreakSinglePinLink(Output, Words);
		EXPECT_EQ(Output->PinType.PinCategory, UEdGraphSchema_K2::PC_String) << "another link is left";
		if (Case.bBreakAllOfTheOutput)
		{
			Schema->BreakPinLinks(*Output, true);
		}
		else
		{
			Schema->BreakSinglePinLink(Counts->FindPinChecked(TEXT("Words")), Output);
		}
		EXPECT_TRUE(Output->LinkedTo.IsEmpty());
		EXPECT_TRUE(Output->PinType.IsArray());
		EXPECT_EQ(Output->PinType.PinCategory, Case.ExpectedCategory);
		EXPECT_EQ(First->PinType.PinCategory, Case.ExpectedCategory);
		EXPECT_EQ(First->DefaultValue, Case.Held);
	}

	// Integers that hold only their autogenerated 0 go back to wildcard and lose it.
	UK2Node_MakeArray* const Numbers = AddNode<UK2Node_MakeArray>();
	UEdGraphPin* const Ticket = AddNode<UK2Node_CallFunction>([](UK2Node_CallFunction* Node)
	{
		Node->SetFromFunction(UGraphTestLibrary::StaticClass()->FindFunctionByName(TEXT("NextTicket")));
	})->GetReturnValuePin();
	Link(Ticket, Numbers->FindPinChecked(TEXT("[0]")));
	Numbers->AddInputPin();
	EXPECT_EQ(Numbers->FindPinChecked(TEXT("[1]"))->DefaultValue, TEXT("0"));
	Schema->BreakPinLinks(*Ticket, true);
	EXPECT_EQ(Numbers->GetOutputPin()->PinType.PinCategory, UEdGraphSchema_K2::PC_Wildcard);
	EXPECT_TRUE(Numbers->FindPinChecked(TEXT("[1]"))->DefaultValue.IsEmpty());

	// A map keeps the side that holds a value: keys typed, values open again.
	UK2Node_MakeMap* const MakeMap = AddNode<UK2Node_MakeMap>();
	UEdGraphPin* const Pairs = AddPin(EGPD_Input, MakeType(UEdGraphSchema_K2::PC_String, EPinContainerType::Map, UEdGraphSchema_K2::PC_Int));
	Link(MakeMap->GetOutputPin(), Pairs);
	Schema->TrySetDefaultValue(*MakeMap->FindPinChecked(TEXT("Key 0")), TEXT("k"));
	Schema->BreakSinglePinLink(MakeMap->GetOutputPin(), Pairs);
	const FEdGraphPinType& MapType = MakeMap->GetOutputPin()->PinType;
	EXPECT_EQ(MapType.PinCategory, UEdGraphSchema_K2::PC_String);
	EXPECT_EQ(MapType.PinValueType.TerminalCategory, UEdGraphSchema_K2::PC_Wildcard);
	EXPECT_EQ(MakeMap->FindPinChecked(TEXT("Value 0"))->PinType.PinCategory, UEdGraphSchema_K2::PC_Wildcard);
	EXPECT_EQ(MakeMap->FindPinChecked(TEXT("Key 0"))->DefaultValue, TEXT("k"));
}

TEST_F(FSchemaTest, CallNodesMakeOnePinPerParameterWithTheFunctionsTypes)
{
	struct FExpectedPin
	{
		const TCHAR* Name;
		EEdGraphPinDirection Direction;
		FName Category;
		EPinContainerType Container;
	};
	struct FCase
	{
		const TCHAR* Function;
		TArray<FExpectedPin> Pins;
	};
	const FCase Cases[] = {
		{TEXT("JoinWords"), {{TEXT("self"), EGPD_Input, UEdGraphSchema_K2::PC_Object, EPinContainerType::None}, {TEXT("First"), EGPD_Input, UEdGraphSchema_K2::PC_String, EPinContainerType::None}, {TEXT("Second"), EGPD_Input, UEdGraphSchema_K2::PC_String, EPinContainerType::None}, {TEXT("ReturnValue"), EGPD_Output, UEdGraphSchema_K2::PC_String, EPinContainerType::None}}},
		{TEXT("SplitWords"), {{TEXT("self"), EGPD_Input, UEdGraphSchema_K2::PC_Object, EPinContainerType::None}, {TEXT("Text"), EGPD_Input, UEdGraphSchema_K2::PC_String, EPinContainerType::None}, {TEXT("OutWords"), EGPD_Output, UEdGraphSchema_K2::PC_String, EPinContainerType::Array}, {TEXT("ReturnValue"), EGPD_Output, UEdGraphSchema_K2::PC_Boolean, EPinContainerType::None}}},
		{TEXT("CountPairs"), {{TEXT("self"), EGPD_Input, UEdGraphSchema_K2::PC_Object, EPinContainerType::None}, {TEXT("Pairs"), EGPD_Input, UEdGraphSchema_K2::PC_String, EPinContainerType::Map}, {TEXT("ReturnValue"), EGPD_Output, UEdGraphSchema_K2::PC_Int, EPinContainerType::None}}},
		{TEXT("RecordWord"), {{TEXT("execute"), EGPD_Input, UEdGraphSchema_K2::PC_Exec, EPinContainerType::None}, {TEXT("then"), EGPD_Output, UEdGraphSchema_K2::PC_Exec, EPinContainerType::None}, {TEXT("self"), EGPD_Input, UEdGraphSchema_K2::PC_Object, EPinContainerType::None}, {TEXT("Word"), EGPD_Input, UEdGraphSchema_K2::PC_String, EPinContainerType::None}}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Function));
		UK2Node_CallFunction* const Call = AddNode<UK2Node_CallFunction>([&Case](UK2Node_CallFunction* Node)
		{
			Node->FunctionReference.SetExternalMember(Case.Function, UGraphTestLibrary::StaticClass());
		});
		ASSERT_EQ(Call->Pins.Num(), Case.Pins.Num());
		for (int32 Index = 0; Index < Case.Pins.Num(); ++Index)
		{
			SCOPED_TRACE(Index);
			const UEdGraphPin* const Pin = Call->Pins[Index];
			EXPECT_TRUE(Pin->PinName.ToString().Equals(Case.Pins[Index].Name, ESearchCase::CaseSensitive));
			EXPECT_EQ(Pin->Direction, Case.Pins[Index].Direction);
			EXPECT_EQ(Pin->PinType.PinCategory, Case.Pins[Index].Category);
			EXPECT_EQ(Pin->PinType.ContainerType, Case.Pins[Index].Container);
		}
		const UEdGraphPin* const Self = Call->FindPinChecked(UEdGraphSchema_K2::PN_Self);
		EXPECT_TRUE(Self->bHidden) << "static functions hide their target";
		EXPECT_EQ(Self->DefaultObject.Get(), UGraphTestLibrary::StaticClass()->GetDefaultObject());
		EXPECT_EQ(Call->IsNodePure(), Call->FindPin(UEdGraphSchema_K2::PN_Execute) == nullptr);
		EXPECT_EQ(Call->GetReturnValuePin(), Call->FindPin(UEdGraphSchema_K2::PN_ReturnValue));
	}
	EXPECT_EQ(AddNode<UK2Node_CallFunction>()->Pins.Num(), 0) << "no function, no pins";
}

// UE 5.4 and 5.8, BlueprintGraph/Private/EdGraphSchema_K2.cpp and Engine/Private/EdGraph/EdGraphSchema.cpp
// (GetPinDisplayName), GraphEditor/Private/SGraphPin.cpp (GetPinLabel), UnrealEd/Classes/Settings/EditorStyleSettings.h
TEST_F(FSchemaTest, PinsShowTheirNamesInDisplayFormOnlyInTheEditorWithFriendlyNamesOn)
{
	UGraphTestNode* const Node = AddNode<UGraphTestNode>();
	auto Add = [Node](EEdGraphPinDirection Direction, FName Category, const TCHAR* Name) { return Node->CreatePin(Direction, Category, FName(Name)); };
	UEdGraphPin* const FriendlyPin = Add(EGPD_Input, UEdGraphSchema_K2::PC_String, TEXT("Key"));
	FriendlyPin->PinFriendlyName = FText::FromString(TEXT("user_id"));
	UEdGraphPin* const AsTypedPin = Add(EGPD_Output, UEdGraphSchema_K2::PC_String, TEXT("user_id"));
	AsTypedPin->bAllowFriendlyName = false;

	struct FCase
	{
		UEdGraphPin* Pin;
		const char* Outside;
		const char* InTheEditor;
	};
	const FCase Cases[] = {
		{Add(EGPD_Output, UEdGraphSchema_K2::PC_Exec, TEXT("OnSuccess")), "OnSuccess", "On Success"},
		{Add(EGPD_Output, UEdGraphSchema_K2::PC_Boolean, TEXT("bIsValid")), "bIsValid", "Is Valid"},
		{Add(EGPD_Output, UEdGraphSchema_K2::PC_String, TEXT("bIsValid")), "bIsValid", "B Is Valid"},
		{Add(EGPD_Input, UEdGraphSchema_K2::PC_String, TEXT("[0]")), "[0]", "[ 0]"},
		{FriendlyPin, "user_id", "User Id"},
		{AsTypedPin, "user_id", "user_id"},
		// Execution pins named execute or then, in any case, show no name; other pins named so do.
		{Add(EGPD_Input, UEdGraphSchema_K2::PC_Exec, TEXT("Execute")), "", ""},
		{Add(EGPD_Output, UEdGraphSchema_K2::PC_Exec, TEXT("then")), "", ""},
		{Add(EGPD_Output, UEdGraphSchema_K2::PC_String, TEXT("then")), "then", "Then"},
	};
	auto ExpectShown = [&Cases](bool bInTheEditor)
	{
		for (const FCase& Case : Cases)
		{
			SCOPED_TRACE(TCHAR_TO_UTF8(*Case.Pin->GetName()));
			const char* const Expected = bInTheEditor ? Case.InTheEditor : Case.Outside;
			EXPECT_EQ(std::string(TCHAR_TO_UTF8(*Case.Pin->GetDisplayName().ToString())), Expected);
			EXPECT_EQ(std::string(TCHAR_TO_UTF8(*FNodeFactory::CreatePinWidget(Case.Pin)->GetPinLabel().ToString())), Expected) << "the pin's widget shows the same";
		}
	};
	{
		SCOPED_TRACE("a program, without the editor");
		ExpectShown(false);
	}
	FScopedTestEditor Editor;
	{
		SCOPED_TRACE("the editor");
		ExpectShown(true);
	}
	UEditorStyleSettings* const Settings = GetMutableDefault<UEditorStyleSettings>();
	Settings->bShowFriendlyNames = false;
	{
		SCOPED_TRACE("the editor with friendly names turned off");
		ExpectShown(false);
	}
	Settings->bShowFriendlyNames = true;
}
