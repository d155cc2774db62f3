#include "BlueprintTestFixture.h"
#include "GraphTestTypes.h"

class FPinLinkTest : public FBlueprintTest
{
protected:
	UGraphTestNode* AddTestNode(const TArray<FString>& Inputs, const TArray<FString>& Outputs)
	{
		return AddNode<UGraphTestNode>([&](UGraphTestNode* Node)
		{
			Node->InputNames = Inputs;
			Node->OutputNames = Outputs;
		});
	}
};

// UE 5.4 and 5.8, Engine/Classes/EdGraph/EdGraphNode.h
TEST_F(FPinLinkTest, CreatePinAppendsOrInsertsWithTheRequestedType)
{
	UGraphTestNode* const Node = AddTestNode({TEXT("A")}, {TEXT("B")});
	UEdGraphNode::FCreatePinParams MapParams;
	MapParams.ContainerType = EPinContainerType::Map;
	MapParams.ValueTerminalType.TerminalCategory = UEdGraphSchema_K2::PC_Boolean;
	MapParams.Index = 1;
	UEdGraphPin* const Inserted = Node->CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_Int, TEXT("Inserted"), MapParams);
	UEdGraphPin* const Appended = Node->CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_String, TEXT("Appended"));

	ASSERT_EQ(Node->Pins.Num(), 4);
	EXPECT_EQ(Node->Pins[1], Inserted);
	EXPECT_EQ(Node->Pins[3], Appended);
	EXPECT_TRUE(Inserted->PinType.IsMap());
	EXPECT_EQ(Inserted->PinType.PinValueType.TerminalCategory, UEdGraphSchema_K2::PC_Boolean);
	EXPECT_EQ(Inserted->GetOwningNode(), Node);
	EXPECT_NE(Inserted->PinId, Appended->PinId);
	EXPECT_TRUE(Appended->bAllowFriendlyName);
}

// UE 5.4 and 5.8, Engine/Classes/EdGraph/EdGraphNode.h
TEST_F(FPinLinkTest, FindPinMatchesNameIgnoringCaseAndDirection)
{
	UGraphTestNode* const Node = AddTestNode({TEXT("Value"), TEXT("Other")}, {TEXT("Value")});
	struct FCase
	{
		const TCHAR* Name;
		EEdGraphPinDirection Direction;
		int32 ExpectedIndex;
	};
	const FCase Cases[] = {
		{TEXT("Value"), EGPD_MAX, 0},
		{TEXT("VALUE"), EGPD_MAX, 0},
		{TEXT("value"), EGPD_Output, 2},
		{TEXT("Other"), EGPD_Output, INDEX_NONE},
		{TEXT("None"), EGPD_MAX, INDEX_NONE},
		{TEXT("NeverMadeIntoAName_7f3a"), EGPD_MAX, INDEX_NONE},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Name));
		UEdGraphPin* const Expected = Case.ExpectedIndex == INDEX_NONE ? nullptr : Node->Pins[Case.ExpectedIndex];
		EXPECT_EQ(Node->FindPin(Case.Name, Case.Direction), Expected);
		EXPECT_EQ(Node->FindPin(FString(Case.Name), Case.Direction), Expected);
	}
}

TEST_F(FPinLinkTest, LinksAreSymmetricAndMadeOnce)
{
	UGraphTestNode* const Source = AddTestNode({}, {TEXT("Out")});
	UGraphTestNode* const Target = AddTestNode({TEXT("In")}, {});
	UEdGraphPin* const Out = Source->FindPinChecked(TEXT("Out"));
	UEdGraphPin* const In = Target->FindPinChecked(TEXT("In"));

	Out->MakeLinkTo(In);
	Out->MakeLinkTo(In);
	In->MakeLinkTo(Out);
	Out->MakeLinkTo(nullptr);
	EXPECT_EQ(Out->LinkedTo, TArray<UEdGraphPin*>({In}));
	EXPECT_EQ(In->LinkedTo, TArray<UEdGraphPin*>({Out}));
	EXPECT_EQ(Source->NumPinNotifications + Target->NumPinNotifications, 0) << "MakeLinkTo tells no node";

	In->BreakLinkTo(Out);
	EXPECT_TRUE(Out->LinkedTo.IsEmpty());
	EXPECT_TRUE(In->LinkedTo.IsEmpty());
}

TEST_F(FPinLinkTest, BreakingLinksNotifiesOnlyWhenAsked)
{
	UGraphTestNode* const Source = AddTestNode({}, {TEXT("Out")});
	UGraphTestNode* const First = AddTestNode({TEXT("In")}, {});
	UGraphTestNode* const Second = AddTestNode({TEXT("In"), TEXT("Spare")}, {});
	UEdGraphPin* const Out = Source->FindPinChecked(TEXT("Out"));
	Out->MakeLinkTo(First->FindPinChecked(TEXT("In")));
	Out->MakeLinkTo(Second->FindPinChecked(TEXT("In")));
	Out->MakeLinkTo(Second->FindPinChecked(TEXT("Spare")));

	Out->BreakAllPinLinks();
	EXPECT_TRUE(First->FindPinChecked(TEXT("In"))->LinkedTo.IsEmpty());
	EXPECT_EQ(First->NumPinNotifications + Second->NumPinNotifications + Source->NumPinNotifications, 0);

	Out->MakeLinkTo(First->FindPinChecked(TEXT("In")));
	Out->BreakAllPinLinks(true);
	EXPECT_EQ(First->NumPinNotifications, 1);
	EXPECT_EQ(Source->NumPinNotifications, 1);

	// Whole-node breaks tell each node once, not each pin.
	Out->MakeLinkTo(Second->FindPinChecked(TEXT("In")));
	Out->MakeLinkTo(Second->FindPinChecked(TEXT("Spare")));
	Second->BreakAllNodeLinks();
	EXPECT_TRUE(Out->LinkedTo.IsEmpty());
	EXPECT_EQ(Second->NumNodeNotifications, 1);
	EXPECT_EQ(Source->NumNodeNotifications, 1);
	EXPECT_EQ(Second->NumPinNotifications, 0);
}

// UE 5.4 and 5.8, Engine/Classes/EdGraph/EdGraphNode.h
TEST_F(FPinLinkTest, RemovePinBreaksItsLinksSilently)
{
	UGraphTestNode* const Source = AddTestNode({}, {TEXT("Out")});
	UGraphTestNode* const Target = AddTestNode({TEXT("Keep"), TEXT("Drop")}, {});
	UEdGraphPin* const Out = Source->FindPinChecked(TEXT("Out"));
	UEdGraphPin* const Drop = Target->FindPinChecked(TEXT("Drop"));
	Out->MakeLinkTo(Drop);

	EXPECT_TRUE(Target->RemovePin(Drop));
	EXPECT_TRUE(Drop->WasTrashed());
	EXPECT_TRUE(Out->LinkedTo.IsEmpty());
	EXPECT_EQ(Target->Pins.Num(), 1);
	EXPECT_EQ(Target->FindPin(TEXT("Drop")), nullptr);
	EXPECT_FALSE(Target->RemovePin(Drop)) << "a pin no longer on the node";
	EXPECT_EQ(Source->NumPinNotifications + Target->NumPinNotifications, 0);
}

TEST_F(FPinLinkTest, ReconstructKeepsLinksDefaultsAndIdsOfPinsThatRemain)
{
	UGraphTestNode* const Source = AddTestNode({}, {TEXT("Out")});
	UGraphTestNode* const Node = AddTestNode({TEXT("First"), TEXT("Second"), TEXT("Gone")}, {});
	Link(Source->FindPinChecked(TEXT("Out")), Node->FindPinChecked(TEXT("Second")));
	Link(Source->FindPinChecked(TEXT("Out")), Node->FindPinChecked(TEXT("Gone")));
	Node->FindPinChecked(TEXT("First"))->DefaultValue = TEXT("typed");
	const FGuid SecondId = Node->FindPinChecked(TEXT("Second"))->PinId;

	Node->InputNames = {TEXT("second"), TEXT("First")};
	Node->ReconstructNode();

	ASSERT_EQ(Node->Pins.Num(), 2);
	UEdGraphPin* const Second = Node->Pins[0];
	EXPECT_EQ(Second->PinId, SecondId);
	EXPECT_EQ(Node->Pins[1]->DefaultValue, TEXT("typed"));
	UEdGraphPin* const Out = Source->FindPinChecked(TEXT("Out"));
	EXPECT_EQ(Out->LinkedTo, TArray<UEdGraphPin*>({Second})) << "the link to the removed pin is gone";
	EXPECT_EQ(Second->LinkedTo, TArray<UEdGraphPin*>({Out}));
}
