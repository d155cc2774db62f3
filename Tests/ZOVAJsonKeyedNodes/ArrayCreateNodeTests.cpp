#include "GraphEditorSettings.h"
#include "KeyedNodeTestFixture.h"
#include "SGraphPin.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/SBoxPanel.h"
#include "ZOVAK2Node_JsonArrayCreate.h"

namespace
{
	class FArrayCreateNodeTest : public FKeyedNodeTest
	{
	protected:
		void SetUp() override
		{
			FKeyedNodeTest::SetUp();
			Node = SpawnNode<UZOVAK2Node_JsonArrayCreate>();
			ASSERT_NE(Node, nullptr);
			Widget = BuildWidget(Node);
		}

		/** The slots of the input column, in order: pins, then the two buttons. */
		TSharedRef<SVerticalBox> GetInputColumn() const
		{
			for (const TSharedRef<SHorizontalBox>& Box : FWidgetInspector::FindWidgetsOfType<SHorizontalBox>(Widget.ToSharedRef()))
			{
				if (Box->NumSlots() == 2 && Box->GetSlot(0).GetWidget()->GetType() == TEXT("SVerticalBox") && Box->GetSlot(1).GetWidget()->GetType() == TEXT("SVerticalBox"))
				{
					return StaticCastSharedRef<SVerticalBox>(Box->GetSlot(0).GetWidget());
				}
			}
			check(false);
			return SNew(SVerticalBox);
		}

		UZOVAK2Node_JsonArrayCreate* Node = nullptr;
		TSharedPtr<SGraphNode> Widget;
	};

	struct FExpectedButton
	{
		const TCHAR* Label;
		const TCHAR* Icon;
	};
}

TEST_F(FArrayCreateNodeTest, AddAndRemoveButtonsSitUnderTheInputPins)
{
	EXPECT_EQ(Widget->GetCursor().Get(EMouseCursor::Default), EMouseCursor::CardinalCross);
	const TSharedRef<SVerticalBox> Column = GetInputColumn();
	ASSERT_EQ(Column->NumSlots(), 3);
	EXPECT_NE(dynamic_cast<const SGraphPin*>(&Column->GetSlot(0).GetWidget().Get()), nullptr) << "the input pin comes first";

	FMargin ExpectedPadding = GetDefault<UGraphEditorSettings>()->GetInputPinPadding();
	ExpectedPadding.Top += 6.0f;
	const FExpectedButton Expected[] = {{TEXT("Add Pin"), TEXT("Icons.Plus")}, {TEXT("Remove Pin"), TEXT("Icons.Minus")}};
	for (int32 Index = 0; Index < 2; ++Index)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Expected[Index].Label));
		const SBoxPanel::FSlot& Slot = Column->GetSlot(Index + 1);
		EXPECT_TRUE(Slot.GetPadding() == ExpectedPadding);
		EXPECT_EQ(Slot.GetSizeRule(), FSizeParam::SizeRule_Auto);
		EXPECT_EQ(Slot.GetVerticalAlignment(), VAlign_Center);
		ASSERT_EQ(Slot.GetWidget(), FindButton(Widget.ToSharedRef(), Expected[Index].Label));
		const TSharedRef<SButton> Button = StaticCastSharedRef<SButton>(Slot.GetWidget());
		EXPECT_EQ(FWidgetInspector::GetButtonStyle(*Button), &FAppStyle::GetWidgetStyle<FButtonStyle>(TEXT("NoBorder")));
		EXPECT_TRUE(FWidgetInspector::GetContentPadding(*Button) == FMargin(0.0f));
		EXPECT_EQ(Button->GetCursor().Get(EMouseCursor::Default), EMouseCursor::Hand);
		const FText ToolTip = FWidgetInspector::GetToolTipText(*Button);
		EXPECT_EQ(ToolTip.ToString(), FString(Expected[Index].Label));
		EXPECT_FALSE(FTextInspector::GetNamespace(ToolTip).IsSet()) << "plain text";

		const TArray<TSharedRef<STextBlock>> Labels = FWidgetInspector::FindWidgetsOfType<STextBlock>(Button);
		ASSERT_EQ(Labels.Num(), 1);
		EXPECT_TRUE(FWidgetInspector::GetColorAndOpacity(*Labels[0]) == FSlateColor(FLinearColor::White));
		const TArray<TSharedRef<SImage>> Icons = FWidgetInspector::FindWidgetsOfType<SImage>(Button);
		ASSERT_EQ(Icons.Num(), 1);
		EXPECT_EQ(FWidgetInspector::GetImage(*Icons[0]), FAppStyle::GetBrush(Expected[Index].Icon));
	}
	EXPECT_EQ(FWidgetInspector::FindWidgetsOfType<SButton>(Widget.ToSharedRef()).Num(), 2) << "nothing on the output side";
}

TEST_F(FArrayCreateNodeTest, ButtonsAddAndRemoveTheLastInputWithItsLinks)
{
	ClickButton(Widget.ToSharedRef(), TEXT("Add Pin"));
	ClickButton(Widget.ToSharedRef(), TEXT("Add Pin"));
	EXPECT_EQ(PinNamesOf(Node, EGPD_Input), TArray<FString>({TEXT("[0]"), TEXT("[1]"), TEXT("[2]")}));
	EXPECT_EQ(GetInputColumn()->NumSlots(), 5) << "the widget shows the new pins";
	UK2Node_HostValueSource* const Source = AddSource(UEdGraphSchema_K2::PC_String, TEXT("x"));
	Link(Source->GetValuePin(), Node->FindPinChecked(TEXT("[2]"), EGPD_Input));

	Blueprint->Status = BS_UpToDate;
	ClickButton(Widget.ToSharedRef(), TEXT("Remove Pin"));
	EXPECT_EQ(PinNamesOf(Node, EGPD_Input), TArray<FString>({TEXT("[0]"), TEXT("[1]")}));
	EXPECT_TRUE(Source->GetValuePin()->LinkedTo.IsEmpty());
	EXPECT_EQ(Blueprint->Status, BS_Dirty);
	EXPECT_EQ(StructuralChanges, 0) << "the input count is a plain modification";

	Node->ReconstructNode();
	EXPECT_EQ(PinNamesOf(Node, EGPD_Input), TArray<FString>({TEXT("[0]"), TEXT("[1]")})) << "the count is saved";

	ClickButton(Widget.ToSharedRef(), TEXT("Remove Pin"));
	Blueprint->Status = BS_UpToDate;
	const TSharedPtr<SButton> RemoveButton = FindButton(Widget.ToSharedRef(), TEXT("Remove Pin"));
	ClickButton(Widget.ToSharedRef(), TEXT("Remove Pin"));
	EXPECT_EQ(PinNamesOf(Node, EGPD_Input), TArray<FString>({TEXT("[0]")})) << "the last input stays";
	EXPECT_EQ(Blueprint->Status, BS_UpToDate);
	EXPECT_EQ(FindButton(Widget.ToSharedRef(), TEXT("Remove Pin")), RemoveButton) << "a refused removal does not rebuild the widget";
}

TEST_F(FArrayCreateNodeTest, EachClickIsOneUndoableStepThatGivesBackInputsAndLinks)
{
	UK2Node_HostValueSource* const Source = AddSource(UEdGraphSchema_K2::PC_String, TEXT("x"));
	const FString Start = DescribeNode(Node);
	ClickButton(Widget.ToSharedRef(), TEXT("Add Pin"));
	EXPECT_EQ(GetLastTransactionTitle(), FString(TEXT("Add Pin")));
	const FString OneAdded = DescribeNode(Node);
	Link(Source->GetValuePin(), Node->FindPinChecked(TEXT("[1]"), EGPD_Input));
	const FString Linked = DescribeNode(Node);
	const FString SourceLinked = DescribeNode(Source);
	ClickButton(Widget.ToSharedRef(), TEXT("Remove Pin"));
	EXPECT_EQ(GetLastTransactionTitle(), FString(TEXT("Remove Pin")));
	const FString Removed = DescribeNode(Node);
	ASSERT_TRUE(Source->GetValuePin()->LinkedTo.IsEmpty());

	ASSERT_TRUE(GEditor->UndoTransaction());
	EXPECT_EQ(DescribeNode(Node), Linked);
	EXPECT_EQ(DescribeNode(Source), SourceLinked) << "the link comes back on both sides";
	EXPECT_EQ(Source->GetValuePin()->LinkedTo, TArray<UEdGraphPin*>({Node->FindPinChecked(TEXT("[1]"), EGPD_Input)}));
	ASSERT_TRUE(GEditor->RedoTransaction());
	EXPECT_EQ(DescribeNode(Node), Removed);
	EXPECT_TRUE(Source->GetValuePin()->LinkedTo.IsEmpty());
	ASSERT_TRUE(GEditor->UndoTransaction());
	ASSERT_TRUE(GEditor->UndoTransaction());
	EXPECT_EQ(DescribeNode(Node), Start);
	EXPECT_TRUE(Source->GetValuePin()->LinkedTo.IsEmpty());
	EXPECT_FALSE(GEditor->UndoTransaction());

	// A refused removal records nothing and leaves both edits to redo.
	ClickButton(Widget.ToSharedRef(), TEXT("Remove Pin"));
	EXPECT_EQ(GEditor->Trans->GetUndoCount(), 2);
	// UE 5.8, Editor/UnrealEd/Private/EditorTransaction.cpp: an undo keeps the state it replaces for the
	// redo, so the link made between the edits comes back with the input.
	ASSERT_TRUE(GEditor->RedoTransaction());
	EXPECT_EQ(DescribeNode(Node), Linked);
	EXPECT_NE(OneAdded, Linked);
	EXPECT_EQ(Source->GetValuePin()->LinkedTo, TArray<UEdGraphPin*>({Node->FindPinChecked(TEXT("[1]"), EGPD_Input)}));
}

// UE 5.4 and 5.8, Editor/GraphEditor/Private/SGraphNode.cpp: add-pin buttons are enabled by IsNodeEditable.
TEST_F(FArrayCreateNodeTest, ButtonsAreDisabledWhileTheNodeCannotBeEdited)
{
	Widget->SetIsEditable(false);
	for (const TCHAR* Label : {TEXT("Add Pin"), TEXT("Remove Pin")})
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Label));
		const TSharedPtr<SButton> Button = FindButton(Widget.ToSharedRef(), Label);
		ASSERT_TRUE(Button.IsValid());
		EXPECT_FALSE(Button->IsEnabled());
		EXPECT_FALSE(FWidgetInspector::Click(Button.ToSharedRef()).IsEventHandled());
	}
	EXPECT_EQ(PinNamesOf(Node, EGPD_Input), TArray<FString>({TEXT("[0]")}));

	Widget->SetIsEditable(true);
	ClickButton(Widget.ToSharedRef(), TEXT("Add Pin"));
	EXPECT_EQ(PinNamesOf(Node, EGPD_Input), TArray<FString>({TEXT("[0]"), TEXT("[1]")}));
}

TEST_F(FArrayCreateNodeTest, InputTenFollowsInputNine)
{
	for (int32 Click = 0; Click < 10; ++Click)
	{
		ClickButton(Widget.ToSharedRef(), TEXT("Add Pin"));
	}
	const TArray<FString> Inputs = PinNamesOf(Node, EGPD_Input);
	ASSERT_EQ(Inputs.Num(), 11);
	EXPECT_EQ(Inputs[9], FString(TEXT("[9]")));
	EXPECT_EQ(Inputs[10], FString(TEXT("[10]")));
}
