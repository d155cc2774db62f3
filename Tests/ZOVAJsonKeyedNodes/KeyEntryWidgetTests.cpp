#include "GraphEditorSettings.h"
#include "KeyedNodeTestFixture.h"
#include "SGraphPin.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/SBoxPanel.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonCreate.h"

namespace
{
	struct FKeyWidgetCase
	{
		const char* Label;
		bool bInputSide;
		const TCHAR* ToolTip;
	};

	void PrintTo(const FKeyWidgetCase& Case, std::ostream* Out)
	{
		*Out << Case.Label;
	}

	const FKeyWidgetCase KeyWidgetCases[] = {
		{"JsonCreate", true, TEXT("Add Json Generate Key")},
		{"JsonAnalyze", false, TEXT("Add Json Parsing Key")},
	};

	class FKeyEntryWidgetTest : public FKeyedNodeTest, public testing::WithParamInterface<FKeyWidgetCase>
	{
	protected:
		void SetUp() override
		{
			FKeyedNodeTest::SetUp();
			if (GetParam().bInputSide)
			{
				Node = SpawnNode<UZOVAK2Node_JsonCreate>();
			}
			else
			{
				Node = SpawnNode<UZOVAK2Node_Json>();
			}
			ASSERT_NE(Node, nullptr);
			Widget = BuildWidget(Node);
		}

		EEdGraphPinDirection KeyDirection() const { return GetParam().bInputSide ? EGPD_Input : EGPD_Output; }

		/** The input column (0) or the output column (1) of the node body. */
		static TSharedPtr<SVerticalBox> GetColumn(const TSharedRef<SWidget>& Root, int32 Side)
		{
			for (const TSharedRef<SHorizontalBox>& Box : FWidgetInspector::FindWidgetsOfType<SHorizontalBox>(Root))
			{
				if (Box->NumSlots() == 2 && Box->GetSlot(0).GetWidget()->GetType() == TEXT("SVerticalBox") && Box->GetSlot(1).GetWidget()->GetType() == TEXT("SVerticalBox"))
				{
					return StaticCastSharedRef<SVerticalBox>(Box->GetSlot(Side).GetWidget());
				}
			}
			return TSharedPtr<SVerticalBox>();
		}

		TSharedPtr<SVerticalBox> GetKeyColumn() const { return GetColumn(Widget.ToSharedRef(), GetParam().bInputSide ? 0 : 1); }
		TSharedPtr<SVerticalBox> GetOtherColumn() const { return GetColumn(Widget.ToSharedRef(), GetParam().bInputSide ? 1 : 0); }

		/** The pins shown in a column, top to bottom. */
		static TArray<FString> PinLabelsIn(const TSharedRef<SVerticalBox>& Column)
		{
			TArray<FString> Labels;
			for (int32 Index = 0; Index < Column->NumSlots(); ++Index)
			{
				// Pin widgets are SGraphPin or the engine's widget of the pin's type derived from it.
				if (const SGraphPin* const Pin = dynamic_cast<const SGraphPin*>(&Column->GetSlot(Index).GetWidget().Get()))
				{
					Labels.Add(Pin->GetPinObj()->PinName.ToString());
				}
			}
			return Labels;
		}

		static void ExpectSideToolTip(const SWidget& Control, const TCHAR* SourceText)
		{
			const FText ToolTip = FWidgetInspector::GetToolTipText(Control);
			EXPECT_EQ(ToolTip.ToString(), FString(SourceText));
			EXPECT_EQ(FTextInspector::GetNamespace(ToolTip).Get(FString()), FString(TEXT("ZOVA_Json")));
			EXPECT_EQ(FTextInspector::GetKey(ToolTip).Get(FString()), FString(SourceText));
		}

		UZOVAK2Node_JsonBase* Node = nullptr;
		TSharedPtr<SGraphNode> Widget;
	};
}

// UE 5.8, Editor/GraphEditor/Public/SGraphNode.h
TEST_P(FKeyEntryWidgetTest, TheKeyRowSitsUnderItsSidesPins)
{
	const FKeyWidgetCase& Case = GetParam();
	EXPECT_EQ(Widget->GetCursor().Get(EMouseCursor::Default), EMouseCursor::CardinalCross);
	const TSharedPtr<SVerticalBox> Column = GetKeyColumn();
	ASSERT_TRUE(Column.IsValid());
	EXPECT_FALSE(FWidgetInspector::FindWidgetByTag(GetOtherColumn().ToSharedRef(), TEXT("TextBox")).IsValid());

	// The row is the column's last slot, padded like a pin with 6 more above.
	const SBoxPanel::FSlot& RowSlot = Column->GetSlot(Column->NumSlots() - 1);
	const UGraphEditorSettings* const Settings = GetDefault<UGraphEditorSettings>();
	FMargin ExpectedPadding = Case.bInputSide ? Settings->GetInputPinPadding() : Settings->GetOutputPinPadding();
	ExpectedPadding.Top += 6.0f;
	EXPECT_TRUE(RowSlot.GetPadding() == ExpectedPadding);
	EXPECT_EQ(RowSlot.GetSizeRule(), FSizeParam::SizeRule_Auto);
	EXPECT_EQ(RowSlot.GetVerticalAlignment(), VAlign_Center);
	ASSERT_EQ(RowSlot.GetWidget()->GetType(), FName(TEXT("SHorizontalBox")));
	const TSharedRef<SHorizontalBox> Row = StaticCastSharedRef<SHorizontalBox>(RowSlot.GetWidget());
	ASSERT_EQ(Row->NumSlots(), 3);

	const SBoxPanel::FSlot& BoxSlot = Row->GetSlot(0);
	EXPECT_EQ(BoxSlot.GetSizeRule(), FSizeParam::SizeRule_Auto);
	EXPECT_EQ(BoxSlot.GetHorizontalAlignment(), HAlign_Left);
	ASSERT_EQ(BoxSlot.GetWidget(), FindKeyBox(Row));
	const TSharedRef<SEditableTextBox> KeyBox = StaticCastSharedRef<SEditableTextBox>(BoxSlot.GetWidget());
	EXPECT_EQ(FWidgetInspector::GetMinDesiredWidth(*KeyBox), 100.0f);
	EXPECT_TRUE(KeyBox->GetText().IsEmpty());
	ExpectSideToolTip(*KeyBox, Case.ToolTip);

	const SBoxPanel::FSlot& SpacerSlot = Row->GetSlot(1);
	EXPECT_EQ(SpacerSlot.GetSizeRule(), FSizeParam::SizeRule_Stretch);
	EXPECT_TRUE(SpacerSlot.GetPadding() == FMargin(5.0f));
	EXPECT_EQ(SpacerSlot.GetWidget()->GetType(), FName(TEXT("SNullWidgetContent")));

	const SBoxPanel::FSlot& ButtonSlot = Row->GetSlot(2);
	EXPECT_EQ(ButtonSlot.GetSizeRule(), FSizeParam::SizeRule_Auto);
	EXPECT_EQ(ButtonSlot.GetVerticalAlignment(), VAlign_Center);
	ASSERT_EQ(ButtonSlot.GetWidget(), FindButton(Row, TEXT("Add Json Key")));
	const TSharedRef<SButton> Button = StaticCastSharedRef<SButton>(ButtonSlot.GetWidget());
	EXPECT_EQ(FWidgetInspector::GetButtonStyle(*Button), &FAppStyle::GetWidgetStyle<FButtonStyle>(TEXT("NoBorder")));
	EXPECT_TRUE(FWidgetInspector::GetContentPadding(*Button) == FMargin(0.0f));
	EXPECT_EQ(Button->GetCursor().Get(EMouseCursor::Default), EMouseCursor::Hand);
	ExpectSideToolTip(*Button, Case.ToolTip);

	// Button content: the label, then the plus icon 7 units to its right.
	const TArray<TSharedRef<SHorizontalBox>> Contents = FWidgetInspector::FindWidgetsOfType<SHorizontalBox>(Button);
	ASSERT_EQ(Contents.Num(), 1);
	const TSharedRef<SHorizontalBox> Content = Contents[0];
	ASSERT_EQ(Content->NumSlots(), 2);
	EXPECT_EQ(Content->GetSlot(0).GetSizeRule(), FSizeParam::SizeRule_Auto);
	EXPECT_EQ(Content->GetSlot(0).GetHorizontalAlignment(), HAlign_Left);
	const TSharedRef<STextBlock> Label = StaticCastSharedRef<STextBlock>(Content->GetSlot(0).GetWidget());
	EXPECT_TRUE(Label->GetText().ToString().Equals(TEXT("Add Json Key"), ESearchCase::CaseSensitive));
	EXPECT_FALSE(FTextInspector::GetNamespace(Label->GetText()).IsSet());
	EXPECT_TRUE(FWidgetInspector::GetColorAndOpacity(*Label) == FSlateColor(FLinearColor::White));
	EXPECT_EQ(Content->GetSlot(1).GetSizeRule(), FSizeParam::SizeRule_Auto);
	EXPECT_EQ(Content->GetSlot(1).GetVerticalAlignment(), VAlign_Center);
	EXPECT_TRUE(Content->GetSlot(1).GetPadding() == FMargin(7.0f, 0.0f, 0.0f, 0.0f));
	ASSERT_EQ(Content->GetSlot(1).GetWidget()->GetType(), FName(TEXT("SImage")));
	EXPECT_EQ(FWidgetInspector::GetImage(*StaticCastSharedRef<SImage>(Content->GetSlot(1).GetWidget())), FAppStyle::GetBrush(TEXT("Icons.Plus")));
}

TEST_P(FKeyEntryWidgetTest, AnAddedKeyBecomesTheLastPinOfItsColumn)
{
	TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("name"));
	TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("age"));

	const UEdGraphPin* const NewPin = Node->Pins.Last();
	EXPECT_EQ(NewPin->PinName.ToString(), FString(TEXT("age")));
	EXPECT_EQ(NewPin->Direction, KeyDirection());

	const TSharedRef<SVerticalBox> Column = GetKeyColumn().ToSharedRef();
	const TArray<FString> Labels = PinLabelsIn(Column);
	ASSERT_GE(Labels.Num(), 2);
	EXPECT_EQ(Labels.Last(1), FString(TEXT("name")));
	EXPECT_EQ(Labels.Last(), FString(TEXT("age")));
	EXPECT_NE(dynamic_cast<const SGraphPin*>(&Column->GetSlot(Column->NumSlots() - 2).GetWidget().Get()), nullptr) << "the new pin sits right above the key row";
	EXPECT_TRUE(FindKeyBox(Widget.ToSharedRef())->GetText().IsEmpty()) << "the rebuilt row starts empty";
	EXPECT_EQ(PinLabelsIn(GetOtherColumn().ToSharedRef()), PinNamesOf(Node, GetParam().bInputSide ? EGPD_Output : EGPD_Input));
}

TEST_P(FKeyEntryWidgetTest, HiddenPinsGetNoPinWidget)
{
	TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("shown"));
	TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("hidden"));
	Node->FindPinChecked(TEXT("hidden"), KeyDirection())->bHidden = true;
	Widget->UpdateGraphNode();

	const TArray<FString> Labels = PinLabelsIn(GetKeyColumn().ToSharedRef());
	EXPECT_TRUE(Labels.Contains(TEXT("shown")));
	EXPECT_FALSE(Labels.Contains(TEXT("hidden")));
}

TEST_P(FKeyEntryWidgetTest, RefusedClicksChangeNothing)
{
	const TSharedRef<SGraphNode> NodeWidget = Widget.ToSharedRef();
	const int32 PinsBefore = Node->Pins.Num();
	const TSharedPtr<SEditableTextBox> FirstBox = FindKeyBox(NodeWidget);
	ClickButton(NodeWidget, TEXT("Add Json Key"));
	EXPECT_EQ(Node->Pins.Num(), PinsBefore) << "an empty box adds nothing";
	EXPECT_EQ(FindKeyBox(NodeWidget), FirstBox) << "a refused add does not rebuild the widget";

	TypeKeyAndAdd(NodeWidget, TEXT("name"));
	ASSERT_EQ(Node->Pins.Num(), PinsBefore + 1);
	Blueprint->Status = BS_UpToDate;
	// The widget still holds "name": a second click is a duplicate.
	ClickButton(NodeWidget, TEXT("Add Json Key"));
	TypeKeyAndAdd(NodeWidget, TEXT("NAME"));
	EXPECT_EQ(Node->Pins.Num(), PinsBefore + 1);
	EXPECT_EQ(FindKeyBox(NodeWidget)->GetText().ToString(), FString(TEXT("NAME"))) << "the box keeps a refused key";
	EXPECT_EQ(Blueprint->Status, BS_UpToDate);
}

TEST_P(FKeyEntryWidgetTest, AFixedPinsNameIsRefusedOnlyOnItsOwnSide)
{
	// Json Create's fixed pins are outputs and its keys inputs; Json Analyze's "Success" is an output like its keys.
	const bool bAccepted = GetParam().bInputSide;
	const int32 PinsBefore = Node->Pins.Num();
	TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("Success"));
	EXPECT_EQ(Node->Pins.Num(), PinsBefore + (bAccepted ? 1 : 0));
	const int32 SuccessPins = Node->Pins.FilterByPredicate([](const UEdGraphPin* Pin) { return Pin->PinName == TEXT("Success"); }).Num();
	EXPECT_EQ(SuccessPins, bAccepted ? 2 : 1);
	EXPECT_EQ(Node->FindPinChecked(TEXT("Success"), EGPD_Output)->PinType.PinCategory, UEdGraphSchema_K2::PC_Boolean);
}

TEST_P(FKeyEntryWidgetTest, ARefusedKeyLeavesTheNodesReasonOnTheKeyBoxUntilTheKeyIsEdited)
{
	const TSharedRef<SGraphNode> NodeWidget = Widget.ToSharedRef();
	ClickButton(NodeWidget, TEXT("Add Json Key"));
	const TSharedPtr<SEditableTextBox> KeyBox = FindKeyBox(NodeWidget);
	EXPECT_EQ(FWidgetInspector::GetErrorText(*KeyBox).ToString(), FString(TEXT("A key may not be empty.")));

	FWidgetInspector::TypeText(*KeyBox, TEXT("n"));
	EXPECT_FALSE(KeyBox->HasError()) << "editing the key clears the reason";
	FWidgetInspector::PasteText(*KeyBox, TEXT("nOnE"));
	ClickButton(NodeWidget, TEXT("Add Json Key"));
	EXPECT_EQ(FindKeyBox(NodeWidget), KeyBox);
	EXPECT_EQ(FWidgetInspector::GetErrorText(*KeyBox).ToString(), Node->GetKeyRefusal(TEXT("nOnE"), KeyDirection()).ToString());
	EXPECT_TRUE(FWidgetInspector::GetErrorText(*KeyBox).ToString().Contains(TEXT("\"None\"")));

	FWidgetInspector::PasteText(*KeyBox, FString::ChrN(NAME_SIZE, TEXT('k')));
	ClickButton(NodeWidget, TEXT("Add Json Key"));
	EXPECT_TRUE(FWidgetInspector::GetErrorText(*KeyBox).ToString().Contains(TEXT("1,023")));

	TypeKeyAndAdd(NodeWidget, TEXT("name"));
	EXPECT_FALSE(FindKeyBox(NodeWidget)->HasError()) << "an added key rebuilds the row without a reason";
}

// UE 5.4 and 5.8, Editor/GraphEditor/Private/SGraphNode.cpp: add-pin buttons are enabled by IsNodeEditable.
TEST_P(FKeyEntryWidgetTest, ANodeThatCannotBeEditedTakesNoKey)
{
	bool bEditable = false;
	Widget->SetIsEditable(TAttribute<bool>::CreateLambda([&bEditable]() { return bEditable; }));
	const TSharedRef<SGraphNode> NodeWidget = Widget.ToSharedRef();
	const TSharedPtr<SEditableTextBox> KeyBox = FindKeyBox(NodeWidget);
	const TSharedPtr<SButton> Button = FindButton(NodeWidget, TEXT("Add Json Key"));
	ASSERT_TRUE(KeyBox.IsValid() && Button.IsValid());
	EXPECT_FALSE(KeyBox->IsEnabled());
	EXPECT_FALSE(Button->IsEnabled());
	const int32 PinsBefore = Node->Pins.Num();
	FWidgetInspector::PasteText(*KeyBox, TEXT("name"));
	EXPECT_TRUE(KeyBox->GetText().IsEmpty());
	EXPECT_FALSE(FWidgetInspector::Click(Button.ToSharedRef()).IsEventHandled());
	EXPECT_EQ(Node->Pins.Num(), PinsBefore);

	// The widget asks each time: once the graph can be edited again the row works.
	bEditable = true;
	TypeKeyAndAdd(NodeWidget, TEXT("name"));
	EXPECT_EQ(Node->Pins.Num(), PinsBefore + 1);
	bEditable = false;
	EXPECT_FALSE(FindButton(NodeWidget, TEXT("Add Json Key"))->IsEnabled()) << "the rebuilt row asks too";
}

TEST_P(FKeyEntryWidgetTest, EachAddedKeyIsOneUndoableStep)
{
	const TSharedRef<SGraphNode> NodeWidget = Widget.ToSharedRef();
	const FString Start = DescribeNode(Node);
	TypeKeyAndAdd(NodeWidget, TEXT("user_id"));
	EXPECT_EQ(GetLastTransactionTitle(), FString(TEXT("Add Json Key")));
	const FString OneKey = DescribeNode(Node);
	TypeKeyAndAdd(NodeWidget, TEXT("USER_ID"));
	EXPECT_EQ(GEditor->Trans->GetQueueLength(), 1) << "a refused key is no step";

	ASSERT_TRUE(GEditor->UndoTransaction());
	EXPECT_EQ(DescribeNode(Node), Start);
	NodeWidget->UpdateGraphNode();
	EXPECT_FALSE(PinLabelsIn(GetKeyColumn().ToSharedRef()).Contains(TEXT("user_id")));
	ASSERT_TRUE(GEditor->RedoTransaction());
	EXPECT_EQ(DescribeNode(Node), OneKey);
	const UEdGraphPin* const KeyPin = Node->FindPinChecked(TEXT("user_id"), KeyDirection());
	EXPECT_FALSE(KeyPin->bAllowFriendlyName) << "the redone pin still shows the key as typed";
	NodeWidget->UpdateGraphNode();
	EXPECT_TRUE(PinLabelsIn(GetKeyColumn().ToSharedRef()).Contains(TEXT("user_id")));
}

INSTANTIATE_TEST_SUITE_P(KeyedNodes, FKeyEntryWidgetTest, testing::ValuesIn(KeyWidgetCases), [](const testing::TestParamInfo<FKeyWidgetCase>& Info) { return std::string(Info.param.Label); });
