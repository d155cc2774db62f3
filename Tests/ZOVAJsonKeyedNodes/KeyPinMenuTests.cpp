#include "KeyedNodeTestFixture.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonCreate.h"

namespace
{
	using FKeyPinMenuTest = FKeyedNodePairTest;

	struct FExpectedEntry
	{
		const TCHAR* Name;
		const TCHAR* Label;
		const TCHAR* ToolTip;
		bool bHasAction;
	};
}

TEST_F(FKeyPinMenuTest, AKeyPinOffersItsFourEntriesUnderASectionNamedByTheKey)
{
	ASSERT_TRUE(Analyze->AddKeyPin(TEXT("user name"), EGPD_Output));
	UToolMenu* const Menu = OpenPinMenu(Analyze->FindPinChecked(TEXT("user name"), EGPD_Output));

	ASSERT_EQ(Menu->Sections.Num(), 1);
	const FToolMenuSection& Section = Menu->Sections[0];
	EXPECT_EQ(Section.Name, FName(TEXT("UZOVAK2Node_JsonBase")));
	EXPECT_EQ(Section.Label.Get().ToString(), FString(TEXT("user name")));
	EXPECT_FALSE(FTextInspector::GetNamespace(Section.Label.Get()).IsSet());
	EXPECT_TRUE(Section.InsertPosition == FToolMenuInsert());

	const FExpectedEntry Expected[] = {
		{TEXT("Json Key Value"), TEXT("Key: user name"), TEXT("Json Key Actual Value"), false},
		{TEXT("Json Key Move Up"), TEXT("Move Up"), TEXT("Move Up Current Json Key Pin"), true},
		{TEXT("Json Key Down Up"), TEXT("Move Down"), TEXT("Move Down Current Json Key Pin"), true},
		{TEXT("Json Key"), TEXT("Remove Key Pin"), TEXT("Remove Current Json Key Pin"), true},
	};
	ASSERT_EQ(Section.Blocks.Num(), (int32)UE_ARRAY_COUNT(Expected));
	for (int32 Index = 0; Index < Section.Blocks.Num(); ++Index)
	{
		SCOPED_TRACE(Index);
		const FToolMenuEntry& Entry = Section.Blocks[Index];
		EXPECT_TRUE(Entry.Name.ToString().Equals(Expected[Index].Name, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Entry.Name.ToString());
		EXPECT_TRUE(Entry.Label.Get().ToString().Equals(Expected[Index].Label, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Entry.Label.Get().ToString());
		EXPECT_TRUE(Entry.ToolTip.Get().ToString().Equals(Expected[Index].ToolTip, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Entry.ToolTip.Get().ToString());
		EXPECT_FALSE(FTextInspector::GetNamespace(Entry.Label.Get()).IsSet());
		EXPECT_FALSE(Entry.Icon.Get().IsSet());
		EXPECT_EQ(Entry.UserInterfaceActionType, EUserInterfaceActionType::Button);
		EXPECT_TRUE(Entry.TutorialHighlightName.IsNone());
		EXPECT_EQ(FToolMenuEntryInspector::GetAction(Entry).IsBound(), Expected[Index].bHasAction);
	}
	EXPECT_FALSE(FToolMenuEntryInspector::Pick(Section.Blocks[0])) << "the key entry only shows the key";
	EXPECT_EQ(Analyze->Pins.Num(), 3);
}

TEST_F(FKeyPinMenuTest, PickingEntriesMovesAndRemovesTheRightClickedKey)
{
	for (const TCHAR* Key : {TEXT("a"), TEXT("b"), TEXT("c")})
	{
		ASSERT_TRUE(Create->AddKeyPin(Key, EGPD_Input));
	}
	PickPinMenuEntry(Create->FindPinChecked(TEXT("c"), EGPD_Input), TEXT("Json Key Move Up"));
	EXPECT_EQ(PinNamesOf(Create, EGPD_Input), TArray<FString>({TEXT("a"), TEXT("c"), TEXT("b")}));
	PickPinMenuEntry(Create->FindPinChecked(TEXT("a"), EGPD_Input), TEXT("Json Key Down Up"));
	EXPECT_EQ(PinNamesOf(Create, EGPD_Input), TArray<FString>({TEXT("c"), TEXT("a"), TEXT("b")}));
	PickPinMenuEntry(Create->FindPinChecked(TEXT("a"), EGPD_Input), TEXT("Json Key"));
	EXPECT_EQ(PinNamesOf(Create, EGPD_Input), TArray<FString>({TEXT("c"), TEXT("b")}));
	EXPECT_EQ(StructuralChanges, 3);
}

TEST_F(FKeyPinMenuTest, FixedPinsGetNoKeyMenuEvenWhenAKeyBearsTheirName)
{
	// Keys named like a fixed pin of the other direction are allowed; their fixed namesakes stay fixed.
	ASSERT_TRUE(Analyze->AddKeyPin(TEXT("In Json"), EGPD_Output));
	ASSERT_TRUE(Create->AddKeyPin(TEXT("Out Json"), EGPD_Input));
	ASSERT_TRUE(Create->AddKeyPin(TEXT("Success"), EGPD_Input));
	UEdGraphPin* const FixedPins[] = {
		Analyze->FindPinChecked(TEXT("In Json"), EGPD_Input),
		Analyze->FindPinChecked(TEXT("Success"), EGPD_Output),
		Create->FindPinChecked(TEXT("Out Json"), EGPD_Output),
		Create->FindPinChecked(TEXT("Success"), EGPD_Output),
	};
	for (UEdGraphPin* const Pin : FixedPins)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Pin->GetName()));
		EXPECT_TRUE(OpenPinMenu(Pin)->Sections.IsEmpty());
	}
	EXPECT_EQ(OpenPinMenu(Analyze->FindPinChecked(TEXT("In Json"), EGPD_Output))->Sections.Num(), 1);
	EXPECT_EQ(OpenPinMenu(Create->FindPinChecked(TEXT("Out Json"), EGPD_Input))->Sections.Num(), 1);

	// Removing the key keeps the fixed pin of the same name, and the node still compiles.
	PickPinMenuEntry(Create->FindPinChecked(TEXT("Out Json"), EGPD_Input), TEXT("Json Key"));
	EXPECT_NE(Create->FindPin(TEXT("Out Json"), EGPD_Output), nullptr);
	EXPECT_EQ(Create->FindPin(TEXT("Out Json"), EGPD_Input), nullptr);
	Compile();
	EXPECT_EQ(Blueprint->Status, BS_UpToDate) << TCHAR_TO_UTF8(*GetCompilerMessages());
	EXPECT_EQ(EvaluateString(Create->FindPinChecked(TEXT("Out Json"), EGPD_Output)), FString(TEXT("{\"Success\":\"\"}")));
}

TEST_F(FKeyPinMenuTest, EntriesDoNothingOnceTheNodeIsGone)
{
	ASSERT_TRUE(Analyze->AddKeyPin(TEXT("a"), EGPD_Output));
	UToolMenu* const Menu = OpenPinMenu(Analyze->FindPinChecked(TEXT("a"), EGPD_Output));
	Menu->AddToRoot();

	Graph->RemoveNode(Analyze);
	Analyze = nullptr;
	CollectGarbage();

	const FToolMenuEntry* const Remove = Menu->FindSection(TEXT("UZOVAK2Node_JsonBase"))->FindEntry(TEXT("Json Key"));
	ASSERT_NE(Remove, nullptr);
	EXPECT_FALSE(FToolMenuEntryInspector::GetAction(*Remove).IsBound());
	EXPECT_FALSE(FToolMenuEntryInspector::Pick(*Remove));
	Menu->RemoveFromRoot();
}

// UE 5.2, Editor/BlueprintGraph/Private/K2Node_MakeArray.cpp: no pin edits offered while debugging.
TEST_F(FKeyPinMenuTest, NoKeyEntriesWhileAGameIsDebugged)
{
	ASSERT_TRUE(Analyze->AddKeyPin(TEXT("a"), EGPD_Output));
	UEdGraphPin* const Pin = Analyze->FindPinChecked(TEXT("a"), EGPD_Output);
	EXPECT_TRUE(OpenPinMenu(Pin, true)->Sections.IsEmpty());
	EXPECT_EQ(OpenPinMenu(Pin, false)->Sections.Num(), 1);
}

TEST_F(FKeyPinMenuTest, EachEntryIsOneUndoableStepNamedForIt)
{
	for (const TCHAR* Key : {TEXT("a"), TEXT("b"), TEXT("c")})
	{
		ASSERT_TRUE(Create->AddKeyPin(Key, EGPD_Input));
	}
	UK2Node_HostValueSource* const Source = AddSource(UEdGraphSchema_K2::PC_String, TEXT("v"));
	Link(Source->GetValuePin(), Create->FindPinChecked(TEXT("b"), EGPD_Input));
	struct FStep
	{
		const TCHAR* Key;
		const TCHAR* Entry;
		const TCHAR* Title;
	};
	const FStep Steps[] = {
		{TEXT("b"), TEXT("Json Key Move Up"), TEXT("Move Key Pin Up")},
		{TEXT("a"), TEXT("Json Key Down Up"), TEXT("Move Key Pin Down")},
		{TEXT("b"), TEXT("Json Key"), TEXT("Remove Key Pin")},
	};
	for (const FStep& Step : Steps)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Step.Title));
		const FString NodeBefore = DescribeNode(Create);
		const FString SourceBefore = DescribeNode(Source);
		PickPinMenuEntry(Create->FindPinChecked(Step.Key, EGPD_Input), Step.Entry);
		EXPECT_EQ(GetLastTransactionTitle(), FString(Step.Title));
		const FString NodeAfter = DescribeNode(Create);
		ASSERT_NE(NodeAfter, NodeBefore);
		ASSERT_TRUE(GEditor->UndoTransaction());
		EXPECT_EQ(DescribeNode(Create), NodeBefore);
		EXPECT_EQ(DescribeNode(Source), SourceBefore);
		ASSERT_TRUE(GEditor->RedoTransaction());
		EXPECT_EQ(DescribeNode(Create), NodeAfter);
	}
	EXPECT_TRUE(Source->GetValuePin()->LinkedTo.IsEmpty());
	EXPECT_EQ(GEditor->Trans->GetQueueLength(), 3);
}
