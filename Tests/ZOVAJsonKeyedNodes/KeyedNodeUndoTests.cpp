#include "KeyedNodeTestFixture.h"
#include "SGraphPin.h"
#include "ScopedTransaction.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonCreate.h"

#include <functional>

namespace
{
	class FKeyedNodeUndoTest : public FKeyedNodePairTest
	{
	protected:
		void SetUp() override
		{
			FKeyedNodePairTest::SetUp();
			ASSERT_TRUE(Create->AddKeyPin(TEXT("x"), EGPD_Input));
			Widget = BuildWidget(Analyze);
		}

		/** The state of both nodes: an edit of one may change the other's links. */
		FString DescribeGraph() const { return DescribeNode(Analyze) + DescribeNode(Create); }

		/** The key pins of the Analyze node show their names exactly as typed. */
		void ExpectKeysShownAsTyped() const
		{
			for (int32 Index = 2; Index < Analyze->Pins.Num(); ++Index)
			{
				EXPECT_FALSE(Analyze->Pins[Index]->bAllowFriendlyName) << TCHAR_TO_UTF8(*Analyze->Pins[Index]->GetName());
			}
		}

		TSharedPtr<SGraphNode> Widget;
	};

	struct FAuthorStep
	{
		const TCHAR* Title;
		std::function<void()> Act;
	};
}

TEST_F(FKeyedNodeUndoTest, KeysAddedMovedAndRemovedThroughTheWidgetAndMenuAreRestoredStepByStep)
{
	const FAuthorStep Steps[] = {
		{TEXT("Add Json Key"), [this]() { TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("user_id")); }},
		{TEXT("Add Json Key"), [this]() { TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("display_name")); }},
		{TEXT("Add Json Key"), [this]() { TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("age")); }},
		{TEXT("Create Pin Link"), [this]()
		{
			// As the graph editor does when the author drags a wire.
			FScopedTransaction Transaction(FText::FromString(TEXT("Create Pin Link")));
			Link(Analyze->FindPinChecked(TEXT("age"), EGPD_Output), Create->FindPinChecked(TEXT("x"), EGPD_Input));
		}},
		{TEXT("Move Key Pin Up"), [this]() { PickPinMenuEntry(Analyze->FindPinChecked(TEXT("age"), EGPD_Output), TEXT("Json Key Move Up")); }},
		{TEXT("Move Key Pin Down"), [this]() { PickPinMenuEntry(Analyze->FindPinChecked(TEXT("user_id"), EGPD_Output), TEXT("Json Key Down Up")); }},
		{TEXT("Remove Key Pin"), [this]() { PickPinMenuEntry(Analyze->FindPinChecked(TEXT("display_name"), EGPD_Output), TEXT("Json Key")); }},
		{TEXT("Add Json Key"), [this]() { TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("score")); }},
		{TEXT("Remove Key Pin"), [this]() { PickPinMenuEntry(Analyze->FindPinChecked(TEXT("age"), EGPD_Output), TEXT("Json Key")); }},
	};
	TArray<FString> States = {DescribeGraph()};
	for (const FAuthorStep& Step : Steps)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Step.Title));
		Step.Act();
		EXPECT_EQ(GetLastTransactionTitle(), FString(Step.Title));
		States.Add(DescribeGraph());
		ASSERT_NE(States.Last(), States.Last(1));
	}
	ASSERT_EQ(GEditor->Trans->GetQueueLength(), (int32)UE_ARRAY_COUNT(Steps));
	EXPECT_TRUE(Create->FindPinChecked(TEXT("x"), EGPD_Input)->LinkedTo.IsEmpty()) << "removing the linked key broke the link";

	for (int32 Step = UE_ARRAY_COUNT(Steps) - 1; Step >= 0; --Step)
	{
		SCOPED_TRACE(testing::Message() << "undo of step " << Step + 1);
		ASSERT_TRUE(GEditor->UndoTransaction());
		EXPECT_EQ(DescribeGraph(), States[Step]);
		ExpectKeysShownAsTyped();
	}
	EXPECT_TRUE(Analyze->Pins.Num() == 2 && Create->FindPinChecked(TEXT("x"), EGPD_Input)->LinkedTo.IsEmpty());
	for (int32 Step = 0; Step < (int32)UE_ARRAY_COUNT(Steps); ++Step)
	{
		SCOPED_TRACE(testing::Message() << "redo of step " << Step + 1);
		ASSERT_TRUE(GEditor->RedoTransaction());
		EXPECT_EQ(DescribeGraph(), States[Step + 1]);
		ExpectKeysShownAsTyped();
	}

	// The widget shows what undo gave back once the graph editor refreshes it.
	ASSERT_TRUE(GEditor->UndoTransaction());
	ASSERT_TRUE(GEditor->UndoTransaction());
	Widget->UpdateGraphNode();
	TArray<FString> Shown;
	for (const TSharedRef<SGraphPin>& PinWidget : FWidgetInspector::FindWidgetsOfType<SGraphPin>(Widget.ToSharedRef()))
	{
		Shown.Add(PinWidget->GetPinObj()->PinName.ToString());
	}
	EXPECT_EQ(Shown, TArray<FString>({TEXT("In Json"), TEXT("Success"), TEXT("age"), TEXT("user_id")}));
	Compile();
	EXPECT_EQ(Blueprint->Status, BS_UpToDate) << TCHAR_TO_UTF8(*GetCompilerMessages());
}

// UE 5.4 and 5.8, CoreUObject/Private/UObject/Obj.cpp and BlueprintGraph/Private/K2Node.cpp: an undo or
// redo calls PreEditUndo on each object it restores, which for a Blueprint node marks the Blueprint dirty.
TEST_F(FKeyedNodeUndoTest, UndoAndRedoOfAnAddedKeyLeaveTheBlueprintToBeCompiled)
{
	TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("user_id"));
	EXPECT_EQ(Blueprint->Status, BS_Dirty);
	const struct
	{
		const char* Step;
		bool bUndo;
		TArray<FString> Outputs;
	} Steps[] = {
		{"undo", true, {TEXT("Success")}},
		{"redo", false, {TEXT("Success"), TEXT("user_id")}},
	};
	for (const auto& Step : Steps)
	{
		SCOPED_TRACE(Step.Step);
		Compile();
		ASSERT_EQ(Blueprint->Status, BS_UpToDate) << TCHAR_TO_UTF8(*GetCompilerMessages());
		ASSERT_TRUE(Step.bUndo ? GEditor->UndoTransaction() : GEditor->RedoTransaction());
		EXPECT_EQ(PinNamesOf(Analyze, EGPD_Output), Step.Outputs);
		EXPECT_EQ(Blueprint->Status, BS_Dirty) << "the restored node asks for a compile";
		ExpectKeysShownAsTyped();
	}
	Compile();
	EXPECT_EQ(Blueprint->Status, BS_UpToDate) << TCHAR_TO_UTF8(*GetCompilerMessages());
}

TEST_F(FKeyedNodeUndoTest, APastedNodeShowsItsKeysAsTyped)
{
	TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("user_id"));
	TypeKeyAndAdd(Widget.ToSharedRef(), TEXT("last_login"));
	FString Copied;
	ExportObjectToText(Analyze, Copied);

	UZOVAK2Node_Json* const Pasted = Cast<UZOVAK2Node_Json>(ImportObjectFromText(*Copied, Graph));
	ASSERT_NE(Pasted, nullptr);
	ASSERT_EQ(PinNamesOf(Pasted, EGPD_Output), PinNamesOf(Analyze, EGPD_Output));
	for (const TCHAR* Key : {TEXT("user_id"), TEXT("last_login")})
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Key));
		EXPECT_FALSE(Pasted->FindPinChecked(Key, EGPD_Output)->bAllowFriendlyName);
	}
	EXPECT_TRUE(Pasted->FindPinChecked(TEXT("In Json"), EGPD_Input)->bAllowFriendlyName) << "fixed pins keep the default";
}
