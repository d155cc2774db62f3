#include "BlueprintTestFixture.h"
#include "Framework/Testing/WidgetInspector.h"
#include "GraphTestTypes.h"
#include "SGraphNode.h"
#include "SGraphPin.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

#include <string>
#include <vector>

namespace
{
	/** A node widget that adds a tagged row under its inputs, as the add-button hooks of node widgets do. */
	class STestGraphNode : public SGraphNode
	{
	public:
		SLATE_BEGIN_ARGS(STestGraphNode)
			{
			}
		SLATE_END_ARGS()

		void Construct(const FArguments& InArgs, UEdGraphNode* InNode)
		{
			GraphNode = InNode;
			UpdateGraphNode();
		}

		const SVerticalBox& GetInputColumn() const { return *LeftNodeBox; }
		const SVerticalBox& GetOutputColumn() const { return *RightNodeBox; }

		int32 NumAddRowsMade = 0;

	protected:
		virtual void CreateInputSideAddButton(TSharedPtr<SVerticalBox> InputBox) override
		{
			++NumAddRowsMade;
			InputBox->AddSlot()
			[
				SNew(STextBlock).Tag(TEXT("AddRow"))
			];
		}
	};

	/**
	 * What a column shows, top to bottom: "pin <label>" for each pin widget, the tag of anything else.
	 * As UTF-8, so that a label that differs only in case compares unequal (FString == ignores case).
	 */
	std::vector<std::string> DescribeColumn(const SVerticalBox& Column)
	{
		std::vector<std::string> Rows;
		for (int32 Index = 0; Index < Column.NumSlots(); ++Index)
		{
			const TSharedRef<SWidget>& Widget = Column.GetSlot(Index).GetWidget();
			const bool bPin = dynamic_cast<const SGraphPin*>(&Widget.Get()) != nullptr;
			const FString Row = bPin ? TEXT("pin ") + FWidgetInspector::FindWidgetsOfType<STextBlock>(Widget)[0]->GetText().ToString() : Widget->GetTag().ToString();
			Rows.push_back(TCHAR_TO_UTF8(*Row));
		}
		return Rows;
	}

	/** The pin widget in the column's slot. */
	const SWidget* PinWidgetAt(const SVerticalBox& Column, int32 Index)
	{
		return &Column.GetSlot(Index).GetWidget().Get();
	}
}

class FGraphNodeWidgetTest : public FBlueprintTest
{
protected:
	UGraphTestNode* MakeNode()
	{
		return AddNode<UGraphTestNode>([](UGraphTestNode* Node)
		{
			Node->InputNames = {TEXT("a"), TEXT("b")};
			Node->OutputNames = {TEXT("out")};
		});
	}

	/** A widget built from nothing, as the engine rebuilds every one: the kept widgets must show the same. */
	static void ExpectSameAsANewWidget(const STestGraphNode& Widget, UEdGraphNode* Node)
	{
		const TSharedRef<STestGraphNode> Fresh = SNew(STestGraphNode, Node);
		EXPECT_EQ(DescribeColumn(Widget.GetInputColumn()), DescribeColumn(Fresh->GetInputColumn()));
		EXPECT_EQ(DescribeColumn(Widget.GetOutputColumn()), DescribeColumn(Fresh->GetOutputColumn()));
	}
};

TEST_F(FGraphNodeWidgetTest, AddedPinsJoinTheirColumnAndShownPinsKeepTheirWidgets)
{
	UGraphTestNode* const Node = MakeNode();
	const TSharedRef<STestGraphNode> Widget = SNew(STestGraphNode, Node);
	EXPECT_EQ(DescribeColumn(Widget->GetInputColumn()), std::vector<std::string>({"pin a", "pin b", "AddRow"}));
	const SWidget* const PinA = PinWidgetAt(Widget->GetInputColumn(), 0);
	const SWidget* const PinB = PinWidgetAt(Widget->GetInputColumn(), 1);
	// Held, so that the new row cannot be allocated where the old one was.
	const TSharedRef<SWidget> OldRow = Widget->GetInputColumn().GetSlot(2).GetWidget();

	Node->CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_String, FName(TEXT("c")));
	Node->CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_String, FName(TEXT("out2")));
	Widget->UpdateGraphNode();

	EXPECT_EQ(DescribeColumn(Widget->GetInputColumn()), std::vector<std::string>({"pin a", "pin b", "pin c", "AddRow"}));
	EXPECT_EQ(DescribeColumn(Widget->GetOutputColumn()), std::vector<std::string>({"pin out", "pin out2"}));
	EXPECT_EQ(PinWidgetAt(Widget->GetInputColumn(), 0), PinA);
	EXPECT_EQ(PinWidgetAt(Widget->GetInputColumn(), 1), PinB);
	EXPECT_NE(PinWidgetAt(Widget->GetInputColumn(), 3), &OldRow.Get()) << "the hooks add their controls anew";
	EXPECT_EQ(Widget->NumAddRowsMade, 2);
	ExpectSameAsANewWidget(*Widget, Node);
}

TEST_F(FGraphNodeWidgetTest, PinsChangedInPlaceMovedOrGoneShowAsANewWidgetWould)
{
	struct FCase
	{
		const char* Name;
		std::function<void(UGraphTestNode&)> Change;
		std::vector<std::string> ExpectedInputs;
	};
	const FCase Cases[] = {
		{"renamed in place", [](UGraphTestNode& Node) { Node.FindPinChecked(TEXT("b"))->PinName = FName(TEXT("renamed")); }, {"pin a", "pin renamed", "AddRow"}},
		{"renamed to another case", [](UGraphTestNode& Node) { Node.FindPinChecked(TEXT("b"))->PinName = FName(TEXT("B")); }, {"pin a", "pin B", "AddRow"}},
		{"given a friendly name", [](UGraphTestNode& Node) { Node.FindPinChecked(TEXT("a"))->PinFriendlyName = FText::FromString(TEXT("Friendly")); }, {"pin Friendly", "pin b", "AddRow"}},
		{"hidden", [](UGraphTestNode& Node) { Node.FindPinChecked(TEXT("a"))->bHidden = true; }, {"pin b", "AddRow"}},
		{"removed", [](UGraphTestNode& Node) { Node.RemovePin(Node.FindPinChecked(TEXT("b"))); }, {"pin a", "AddRow"}},
		{"swapped", [](UGraphTestNode& Node) { Node.Pins.Swap(0, 1); }, {"pin b", "pin a", "AddRow"}},
		{"turned into an output", [](UGraphTestNode& Node) { Node.FindPinChecked(TEXT("a"))->Direction = EGPD_Output; }, {"pin b", "AddRow"}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		UGraphTestNode* const Node = MakeNode();
		const TSharedRef<STestGraphNode> Widget = SNew(STestGraphNode, Node);
		Case.Change(*Node);
		Widget->UpdateGraphNode();
		EXPECT_EQ(DescribeColumn(Widget->GetInputColumn()), Case.ExpectedInputs);
		ExpectSameAsANewWidget(*Widget, Node);
	}
}
