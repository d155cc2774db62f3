#include "BlueprintTestFixture.h"
#include "GraphTestTypes.h"
#include "ScopedTestEditor.h"
#include "ScopedTransaction.h"
#include "UObject/TextExportImport.h"

namespace
{
	class FNodeUndoTest : public FBlueprintTest
	{
	protected:
		/** A test node as the editor places one: transactional, so that Modify() records it. */
		UGraphTestNode* AddTestNode(const TArray<FString>& Inputs, const TArray<FString>& Outputs)
		{
			UGraphTestNode* const Node = AddNode<UGraphTestNode>([&](UGraphTestNode* New)
			{
				New->InputNames = Inputs;
				New->OutputNames = Outputs;
			});
			Node->SetFlags(RF_Transactional);
			return Node;
		}

		/** Everything a node keeps of itself and its pins: properties, pin order, ids, defaults, flags, links. */
		static FString DescribeNode(const UEdGraphNode* Node)
		{
			FString Text;
			ExportObjectStateToText(Node, Text);
			return Text;
		}

		FScopedTestEditor Editor;
	};
}

TEST_F(FNodeUndoTest, UndoAndRedoGiveBackPinsOrderDefaultsAndLinksOfEveryNodeTheEditTouched)
{
	UGraphTestNode* const Node = AddTestNode({TEXT("a"), TEXT("b")}, {TEXT("out")});
	UGraphTestNode* const Consumer = AddTestNode({TEXT("x")}, {});
	Link(Node->FindPinChecked(TEXT("out")), Consumer->FindPinChecked(TEXT("x")));
	Node->FindPinChecked(TEXT("a"))->DefaultValue = TEXT("typed");
	const FString NodeBefore = DescribeNode(Node);
	const FString ConsumerBefore = DescribeNode(Consumer);

	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Edit")));
		Node->Modify();
		Node->RemovePin(Node->FindPinChecked(TEXT("out")));
		Node->FindPinChecked(TEXT("b"))->DefaultValue = TEXT("changed");
		Node->Pins.Swap(0, 1);
		Node->CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_Boolean, TEXT("c"));
	}
	const FString NodeAfter = DescribeNode(Node);
	const FString ConsumerAfter = DescribeNode(Consumer);
	ASSERT_NE(NodeAfter, NodeBefore);
	ASSERT_TRUE(Consumer->FindPinChecked(TEXT("x"))->LinkedTo.IsEmpty());

	for (int32 Round = 0; Round < 2; ++Round)
	{
		SCOPED_TRACE(testing::Message() << "round " << Round);
		ASSERT_TRUE(GEditor->UndoTransaction());
		EXPECT_EQ(DescribeNode(Node), NodeBefore);
		EXPECT_EQ(DescribeNode(Consumer), ConsumerBefore);
		const UEdGraphPin* const Out = Node->FindPinChecked(TEXT("out"));
		const UEdGraphPin* const X = Consumer->FindPinChecked(TEXT("x"));
		ASSERT_EQ(Out->LinkedTo.Num(), 1);
		EXPECT_EQ(Out->LinkedTo[0], X) << "the link joins the live pins again, both ways";
		ASSERT_EQ(X->LinkedTo.Num(), 1);
		EXPECT_EQ(X->LinkedTo[0], Out);

		ASSERT_TRUE(GEditor->RedoTransaction());
		EXPECT_EQ(DescribeNode(Node), NodeAfter);
		EXPECT_EQ(DescribeNode(Consumer), ConsumerAfter);
		EXPECT_TRUE(Consumer->FindPinChecked(TEXT("x"))->LinkedTo.IsEmpty());
		EXPECT_EQ(Node->FindPin(TEXT("out")), nullptr);
	}
}

// UE 5.4 and 5.8, Engine/Private/EdGraph/EdGraphPin.cpp (SerializePinArray keeps the pins it finds by id).
TEST_F(FNodeUndoTest, PinsThatOutliveTheEditStayTheSameObjects)
{
	UGraphTestNode* const Node = AddTestNode({TEXT("kept"), TEXT("removed")}, {});
	UEdGraphPin* const Kept = Node->FindPinChecked(TEXT("kept"));
	const FGuid RemovedId = Node->FindPinChecked(TEXT("removed"))->PinId;
	Kept->bAllowFriendlyName = false;
	{
		FScopedTransaction Transaction(FText::FromString(TEXT("Remove")));
		Node->RemovePin(Node->FindPinChecked(TEXT("removed")));
		Kept->DefaultValue = TEXT("edited");
	}

	ASSERT_TRUE(GEditor->UndoTransaction());
	EXPECT_EQ(Node->Pins[0], Kept);
	EXPECT_TRUE(Kept->DefaultValue.IsEmpty());
	EXPECT_FALSE(Kept->bAllowFriendlyName) << "a pin read again keeps what the text does not carry";
	const UEdGraphPin* const Restored = Node->FindPinChecked(TEXT("removed"));
	EXPECT_EQ(Restored->PinId, RemovedId);
	EXPECT_TRUE(Restored->bAllowFriendlyName) << "a pin made again starts as any new pin";
}

TEST_F(FNodeUndoTest, AnEditWithoutATransactionCannotBeUndone)
{
	UGraphTestNode* const Node = AddTestNode({TEXT("a")}, {});
	Node->Modify();
	Node->RemovePin(Node->FindPinChecked(TEXT("a")));
	EXPECT_FALSE(GEditor->UndoTransaction());
	EXPECT_EQ(Node->FindPin(TEXT("a")), nullptr);
}
