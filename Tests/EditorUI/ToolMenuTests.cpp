#include "CoreMinimal.h"
#include "EditorUITestTypes.h"
#include "ToolMenu.h"
#include "ToolMenuEntryInspector.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/WeakObjectPtrTemplates.h"

#include <gtest/gtest.h>

namespace
{
	class ToolMenuTest : public testing::Test
	{
	protected:
		void SetUp() override
		{
			Menu = NewObject<UToolMenu>();
			Menu->AddToRoot();
			Target = NewObject<UTestEditTarget>();
			Target->AddToRoot();
		}

		void TearDown() override
		{
			Menu->RemoveFromRoot();
			if (Target)
			{
				Target->RemoveFromRoot();
			}
			CollectGarbage();
		}

		FUIAction MakeAddKeyAction(const TCHAR* Key, int32 Times) const
		{
			return FUIAction(FExecuteAction::CreateUObject(Target, &UTestEditTarget::AddKey, FString(Key), Times));
		}

		UToolMenu* Menu = nullptr;
		UTestEditTarget* Target = nullptr;
	};
}

TEST_F(ToolMenuTest, AddSectionFindsOrAppendsByName)
{
	FToolMenuSection& First = Menu->AddSection(TEXT("Keys"), FText::FromString(TEXT("name")));
	Menu->AddSection(TEXT("Other"));
	FToolMenuSection& Again = Menu->AddSection(TEXT("Keys"));

	ASSERT_EQ(Menu->Sections.Num(), 2);
	EXPECT_EQ(&Again, &Menu->Sections[0]);
	EXPECT_EQ(Menu->FindSection(TEXT("Keys")), &Menu->Sections[0]);
	EXPECT_EQ(Menu->FindSection(TEXT("keys")), &Menu->Sections[0]);
	EXPECT_EQ(Menu->FindSection(TEXT("Missing")), nullptr);
	// An unset label leaves the first label; a set one replaces it.
	EXPECT_EQ(Menu->Sections[0].Label.Get().ToString(), FString(TEXT("name")));
	Menu->AddSection(TEXT("Keys"), FText::FromString(TEXT("renamed")), FToolMenuInsert(TEXT("Other"), EToolMenuInsertType::Before));
	EXPECT_EQ(Menu->Sections[0].Label.Get().ToString(), FString(TEXT("renamed")));
	EXPECT_TRUE(Menu->Sections[0].InsertPosition == FToolMenuInsert(TEXT("Other"), EToolMenuInsertType::Before));
	EXPECT_TRUE(Menu->Sections[1].InsertPosition == FToolMenuInsert());
	(void)First;
}

TEST_F(ToolMenuTest, EntriesKeepWhatTheyWereAddedWith)
{
	FToolMenuSection& Section = Menu->AddSection(TEXT("Keys"));
	Section.AddMenuEntry(TEXT("Plain"), FText::FromString(TEXT("Label")), FText::FromString(TEXT("Tip")), FSlateIcon(), FUIAction());
	Section.AddMenuEntry(TEXT("Toggle"), FText::FromString(TEXT("On")), FText(), FSlateIcon(TEXT("EditorStyle"), TEXT("Icons.Plus")), FUIAction(), EUserInterfaceActionType::ToggleButton, TEXT("Highlight"));

	ASSERT_EQ(Section.Blocks.Num(), 2);
	const FToolMenuEntry& Plain = Section.Blocks[0];
	EXPECT_EQ(Plain.Name, FName(TEXT("Plain")));
	EXPECT_EQ(Plain.Label.Get().ToString(), FString(TEXT("Label")));
	EXPECT_EQ(Plain.ToolTip.Get().ToString(), FString(TEXT("Tip")));
	EXPECT_FALSE(Plain.Icon.Get().IsSet());
	EXPECT_EQ(Plain.UserInterfaceActionType, EUserInterfaceActionType::Button);
	EXPECT_TRUE(Plain.TutorialHighlightName.IsNone());
	EXPECT_FALSE(FToolMenuEntryInspector::GetAction(Plain).IsBound());
	EXPECT_FALSE(FToolMenuEntryInspector::Pick(Plain));

	const FToolMenuEntry& Toggle = Section.Blocks[1];
	EXPECT_TRUE(Toggle.Icon.Get().IsSet());
	EXPECT_EQ(Toggle.Icon.Get().GetStyleName(), FName(TEXT("Icons.Plus")));
	EXPECT_EQ(Toggle.UserInterfaceActionType, EUserInterfaceActionType::ToggleButton);
	EXPECT_EQ(Toggle.TutorialHighlightName, FName(TEXT("Highlight")));
}

TEST_F(ToolMenuTest, AnEntryOfTheSameNameIsReplacedInPlace)
{
	FToolMenuSection& Section = Menu->AddSection(TEXT("Keys"));
	Section.AddMenuEntry(TEXT("First"), FText::FromString(TEXT("1")), FText(), FSlateIcon(), MakeAddKeyAction(TEXT("old"), 1));
	Section.AddMenuEntry(TEXT("Second"), FText::FromString(TEXT("2")), FText(), FSlateIcon(), FUIAction());
	Section.AddMenuEntry(TEXT("First"), FText::FromString(TEXT("again")), FText(), FSlateIcon(), MakeAddKeyAction(TEXT("new"), 1));

	ASSERT_EQ(Section.Blocks.Num(), 2);
	EXPECT_EQ(Section.Blocks[0].Label.Get().ToString(), FString(TEXT("again")));
	EXPECT_EQ(Section.FindEntry(TEXT("Second")), &Section.Blocks[1]);
	EXPECT_TRUE(FToolMenuEntryInspector::Pick(Section.Blocks[0]));
	EXPECT_EQ(Target->Keys, TArray<FString>({TEXT("new")}));
}

// UE5, Slate/Public/Framework/Commands/UIAction.h
TEST_F(ToolMenuTest, PickingRunsTheObjectActionWithItsPayloadOnlyWhileAllowedAndAlive)
{
	FToolMenuSection& Section = Menu->AddSection(TEXT("Keys"));
	bool bAllowed = false;
	FUIAction Guarded = MakeAddKeyAction(TEXT("key"), 2);
	Guarded.CanExecuteAction = FCanExecuteAction::CreateLambda([&bAllowed]() { return bAllowed; });
	Section.AddMenuEntry(TEXT("Guarded"), FText(), FText(), FSlateIcon(), Guarded);

	EXPECT_FALSE(FToolMenuEntryInspector::Pick(Section.Blocks[0]));
	EXPECT_TRUE(Target->Keys.IsEmpty());
	bAllowed = true;
	EXPECT_TRUE(FToolMenuEntryInspector::Pick(Section.Blocks[0]));
	EXPECT_EQ(Target->Keys, TArray<FString>({TEXT("key"), TEXT("key")}));

	// The action holds its object weakly: once collected, picking does nothing.
	Target->RemoveFromRoot();
	Target = nullptr;
	CollectGarbage();
	EXPECT_FALSE(FToolMenuEntryInspector::GetAction(Section.Blocks[0]).IsBound());
	EXPECT_FALSE(FToolMenuEntryInspector::Pick(Section.Blocks[0]));
}
