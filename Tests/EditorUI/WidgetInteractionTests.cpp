#include "CoreMinimal.h"
#include "Framework/Testing/WidgetInspector.h"
#include "TestKeyRow.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

#include <gtest/gtest.h>

namespace
{
	class WidgetInteractionTest : public testing::Test
	{
	protected:
		TSharedRef<STestKeyRow> MakeRow(int32 ClicksPerPress)
		{
			return SNew(STestKeyRow, FString(TEXT("Row")))
				.ClicksPerPress(ClicksPerPress)
				.OnKeyChanged_Lambda([this](const FText& NewText) { ForwardedTexts.Add(NewText.ToString()); });
		}

		TArray<FString> ForwardedTexts;
	};
}

TEST_F(WidgetInteractionTest, ClickRunsTheMemberHandlerWithItsPayload)
{
	const TSharedRef<STestKeyRow> Row = MakeRow(2);

	const FReply Reply = FWidgetInspector::Click(Row->AddButton.ToSharedRef());
	EXPECT_TRUE(Reply.IsEventHandled());
	FWidgetInspector::Click(Row->AddButton.ToSharedRef());
	EXPECT_EQ(Row->Presses, 4);
}

TEST_F(WidgetInteractionTest, DisabledOrUnboundButtonsIgnoreClicks)
{
	const TSharedRef<STestKeyRow> Row = MakeRow(1);
	Row->AddButton->SetEnabled(false);
	EXPECT_FALSE(FWidgetInspector::Click(Row->AddButton.ToSharedRef()).IsEventHandled());
	EXPECT_EQ(Row->Presses, 0);

	const TSharedRef<SButton> Unbound = SNew(SButton);
	EXPECT_FALSE(FWidgetInspector::Click(Unbound).IsEventHandled());

	int32 LambdaClicks = 0;
	Unbound->SetOnClicked(FOnClicked::CreateLambda([&LambdaClicks]() { ++LambdaClicks; return FReply::Handled(); }));
	EXPECT_TRUE(FWidgetInspector::Click(Unbound).IsEventHandled());
	EXPECT_EQ(LambdaClicks, 1);
}

TEST_F(WidgetInteractionTest, HandlersOfADestroyedWidgetAreNotRun)
{
	TSharedPtr<SButton> SurvivingButton;
	{
		const TSharedRef<STestKeyRow> Row = MakeRow(1);
		SurvivingButton = Row->AddButton;
	}
	EXPECT_FALSE(FWidgetInspector::Click(SurvivingButton.ToSharedRef()).IsEventHandled());
}

TEST_F(WidgetInteractionTest, TypingFiresTextChangedForEveryCharacter)
{
	const TSharedRef<STestKeyRow> Row = MakeRow(1);
	SEditableTextBox& Box = *Row->KeyBox;

	FWidgetInspector::TypeText(Box, TEXT("name"));
	const TArray<FString> Expected = {TEXT("n"), TEXT("na"), TEXT("nam"), TEXT("name")};
	EXPECT_EQ(ForwardedTexts, Expected);
	EXPECT_EQ(Row->KeyText, FString(TEXT("name")));
	EXPECT_EQ(Box.GetText().ToString(), FString(TEXT("name")));

	FWidgetInspector::EraseText(Box);
	EXPECT_EQ(Row->KeyText, FString());
	EXPECT_EQ(ForwardedTexts.Num(), 5);

	Box.SetText(FText::FromString(TEXT("set by code")));
	EXPECT_EQ(Box.GetText().ToString(), FString(TEXT("set by code")));
}

TEST_F(WidgetInteractionTest, PastingReplacesTheTextInOneEdit)
{
	const TSharedRef<STestKeyRow> Row = MakeRow(1);
	SEditableTextBox& Box = *Row->KeyBox;
	FWidgetInspector::TypeText(Box, TEXT("ab"));
	ForwardedTexts.Reset();

	const FString LongKey = FString::ChrN(100000, 'k');
	FWidgetInspector::PasteText(Box, LongKey);
	ASSERT_EQ(ForwardedTexts.Num(), 1) << "one edit, whatever the length";
	EXPECT_EQ(ForwardedTexts[0], LongKey) << "the old text is gone";
	EXPECT_EQ(Row->KeyText, LongKey);

	FWidgetInspector::PasteText(Box, FString());
	EXPECT_EQ(ForwardedTexts.Num(), 2);
	EXPECT_TRUE(Box.GetText().IsEmpty());
}

TEST_F(WidgetInteractionTest, SearchesFromEitherEndFindTheFirstOrTheLastMatchInTreeOrder)
{
	TSharedPtr<STextBlock> First;
	TSharedPtr<STextBlock> Nested;
	TSharedPtr<STextBlock> Last;
	const TSharedRef<SVerticalBox> Root = SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		[
			SAssignNew(First, STextBlock).Tag(TEXT("Match"))
		]
		+ SVerticalBox::Slot()
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			[
				SAssignNew(Nested, STextBlock).Tag(TEXT("Match"))
			]
		]
		+ SVerticalBox::Slot()
		[
			SAssignNew(Last, STextBlock).Tag(TEXT("Other"))
		];

	int32 NumVisited = 0;
	const auto IsMatch = [&NumVisited](const TSharedRef<SWidget>& Widget)
	{
		++NumVisited;
		return Widget->GetTag() == TEXT("Match");
	};
	EXPECT_EQ(FWidgetInspector::FindWidget(Root, IsMatch), StaticCastSharedPtr<SWidget>(First));
	EXPECT_EQ(NumVisited, 2) << "the root, then the first text";
	NumVisited = 0;
	EXPECT_EQ(FWidgetInspector::FindLastWidget(Root, IsMatch), StaticCastSharedPtr<SWidget>(Nested));
	EXPECT_EQ(NumVisited, 2) << "the last text, then the nested one";
	EXPECT_EQ(FWidgetInspector::FindLastWidget(Root, [](const TSharedRef<SWidget>& Widget) { return Widget->GetType() == TEXT("SVerticalBox"); }), StaticCastSharedRef<SWidget>(Root)) << "the root comes last backwards";
	EXPECT_FALSE(FWidgetInspector::FindLastWidget(Root, [](const TSharedRef<SWidget>&) { return false; }).IsValid());
}

TEST_F(WidgetInteractionTest, TextBoxKeepsItsDeclaredArguments)
{
	const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox)
		.MinDesiredWidth(100)
		.Text(FText::FromString(TEXT("start")));
	EXPECT_EQ(FWidgetInspector::GetMinDesiredWidth(*Box), 100.0f);
	EXPECT_EQ(Box->GetText().ToString(), FString(TEXT("start")));

	const TSharedRef<SEditableTextBox> Empty = SNew(SEditableTextBox);
	EXPECT_TRUE(Empty->GetText().IsEmpty());
	EXPECT_EQ(FWidgetInspector::GetMinDesiredWidth(*Empty), 0.0f);
}
