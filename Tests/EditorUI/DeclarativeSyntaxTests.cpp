#include "CoreMinimal.h"
#include "Framework/Testing/WidgetInspector.h"
#include "TestKeyRow.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

#include <gtest/gtest.h>

namespace
{
	class DeclarativeSyntaxTest : public testing::Test
	{
	protected:
		static TSharedRef<SWidget> ChildOf(SBoxPanel& Box, int32 SlotIndex)
		{
			return Box.GetSlot(SlotIndex).GetWidget();
		}
	};

	struct FExpectedSlot
	{
		FSizeParam::ESizeRule SizeRule;
		float SizeValue;
		EHorizontalAlignment HAlign;
		EVerticalAlignment VAlign;
		FMargin Padding;
		const char* WidgetType;
	};
}

TEST_F(DeclarativeSyntaxTest, BoxSlotsKeepTheirOrderAndLayout)
{
	const TSharedRef<SHorizontalBox> Box = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.HAlign(HAlign_Left)
		[
			SNew(STextBlock)
		]
		+ SHorizontalBox::Slot()
		.FillWidth(2.0f)
		.Padding(5)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.VAlign(VAlign_Center)
		.Padding(7, 0, 0, 0)
		[
			SNew(SButton)
		]
		+ SHorizontalBox::Slot()
		.Padding(3, 4)
		[
			SNew(SImage)
		];

	const FExpectedSlot Expected[] = {
		{FSizeParam::SizeRule_Auto, 1.0f, HAlign_Left, VAlign_Fill, FMargin(0), "STextBlock"},
		{FSizeParam::SizeRule_Stretch, 2.0f, HAlign_Fill, VAlign_Fill, FMargin(5, 5, 5, 5), "SNullWidgetContent"},
		{FSizeParam::SizeRule_Auto, 1.0f, HAlign_Fill, VAlign_Center, FMargin(7, 0, 0, 0), "SButton"},
		{FSizeParam::SizeRule_Stretch, 1.0f, HAlign_Fill, VAlign_Fill, FMargin(3, 4, 3, 4), "SImage"},
	};
	ASSERT_EQ(Box->NumSlots(), 4);
	for (int32 Index = 0; Index < 4; ++Index)
	{
		SCOPED_TRACE(Index);
		const SBoxPanel::FSlot& Slot = Box->GetSlot(Index);
		EXPECT_EQ(Slot.GetSizeRule(), Expected[Index].SizeRule);
		if (Slot.GetSizeRule() == FSizeParam::SizeRule_Stretch)
		{
			EXPECT_EQ(Slot.GetSizeValue(), Expected[Index].SizeValue);
		}
		EXPECT_EQ(Slot.GetHorizontalAlignment(), Expected[Index].HAlign);
		EXPECT_EQ(Slot.GetVerticalAlignment(), Expected[Index].VAlign);
		EXPECT_TRUE(Slot.GetPadding() == Expected[Index].Padding);
		EXPECT_EQ(Slot.GetWidget()->GetTypeAsString(), FString(Expected[Index].WidgetType));
	}
}

TEST_F(DeclarativeSyntaxTest, SlotsAddedAtRunTimeJoinWhenTheStatementEnds)
{
	const TSharedRef<SVerticalBox> Box = SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		[
			SNew(STextBlock).Text(FText::FromString(TEXT("first")))
		];

	Box->AddSlot()
		.AutoHeight()
		.VAlign(VAlign_Center)
		.Padding(FMargin(1, 2, 3, 4))
		[
			SNew(STextBlock).Text(FText::FromString(TEXT("last")))
		];
	Box->InsertSlot(0)
		.FillHeight(0.5f)
		[
			SNew(STextBlock).Text(FText::FromString(TEXT("inserted")))
		];

	ASSERT_EQ(Box->NumSlots(), 3);
	const TCHAR* const ExpectedTexts[] = {TEXT("inserted"), TEXT("first"), TEXT("last")};
	for (int32 Index = 0; Index < 3; ++Index)
	{
		SCOPED_TRACE(Index);
		EXPECT_EQ(StaticCastSharedRef<STextBlock>(ChildOf(*Box, Index))->GetText().ToString(), FString(ExpectedTexts[Index]));
	}
	EXPECT_EQ(Box->GetSlot(2).GetSizeRule(), FSizeParam::SizeRule_Auto);
	EXPECT_EQ(Box->GetSlot(2).GetVerticalAlignment(), VAlign_Center);
	EXPECT_TRUE(Box->GetSlot(2).GetPadding() == FMargin(1, 2, 3, 4));
	EXPECT_EQ(Box->GetSlot(0).GetSizeValue(), 0.5f);

	Box->ClearChildren();
	EXPECT_EQ(Box->NumSlots(), 0);
	EXPECT_EQ(Box->GetChildren()->Num(), 0);
}

TEST_F(DeclarativeSyntaxTest, RemoveSlotTakesOutTheSlotThatHoldsTheWidget)
{
	TSharedPtr<STextBlock> Middle;
	const TSharedRef<SVerticalBox> Box = SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		[
			SNew(STextBlock).Text(FText::FromString(TEXT("first")))
		]
		+ SVerticalBox::Slot()
		[
			SAssignNew(Middle, STextBlock).Text(FText::FromString(TEXT("middle")))
		]
		+ SVerticalBox::Slot()
		[
			SNew(STextBlock).Text(FText::FromString(TEXT("last")))
		];

	EXPECT_EQ(Box->RemoveSlot(Middle.ToSharedRef()), 1);
	ASSERT_EQ(Box->NumSlots(), 2);
	EXPECT_EQ(StaticCastSharedRef<STextBlock>(ChildOf(*Box, 1))->GetText().ToString(), FString(TEXT("last")));
	EXPECT_EQ(Box->RemoveSlot(Middle.ToSharedRef()), INDEX_NONE) << "no slot holds it any more";
	EXPECT_EQ(Box->RemoveSlot(SNew(STextBlock)), INDEX_NONE);
	EXPECT_EQ(Box->NumSlots(), 2);
}

TEST_F(DeclarativeSyntaxTest, CommonArgumentsReachEveryWidget)
{
	const TSharedRef<SButton> Plain = SNew(SButton);
	EXPECT_TRUE(Plain->GetTag().IsNone());
	EXPECT_FALSE(Plain->GetCursor().IsSet());
	EXPECT_TRUE(Plain->GetVisibility() == EVisibility::Visible);
	EXPECT_TRUE(Plain->IsEnabled());
	EXPECT_TRUE(FWidgetInspector::GetToolTipText(*Plain).IsEmpty());

	const TSharedRef<SImage> Declared = SNew(SImage)
		.Tag(TEXT("Icon"))
		.ToolTipText(FText::FromString(TEXT("Adds a key")))
		.Cursor(EMouseCursor::Hand)
		.Visibility(EVisibility::Collapsed)
		.IsEnabled(false);
	EXPECT_EQ(Declared->GetTag(), FName(TEXT("Icon")));
	EXPECT_EQ(FWidgetInspector::GetToolTipText(*Declared).ToString(), FString(TEXT("Adds a key")));
	ASSERT_TRUE(Declared->GetCursor().IsSet());
	EXPECT_EQ(Declared->GetCursor().GetValue(), EMouseCursor::Hand);
	EXPECT_TRUE(Declared->GetVisibility() == EVisibility::Collapsed);
	EXPECT_FALSE(Declared->IsEnabled());

	Declared->SetCursor(EMouseCursor::CardinalCross);
	EXPECT_EQ(Declared->GetCursor().GetValue(), EMouseCursor::CardinalCross);
}

TEST_F(DeclarativeSyntaxTest, RequiredArgumentsAndNamedArgumentsReachConstruct)
{
	TSharedPtr<STestKeyRow> Exposed;
	const TSharedRef<STestKeyRow> Row = SAssignNew(Exposed, STestKeyRow, FString(TEXT("Owner")))
		.ClicksPerPress(3)
		.ButtonLabel(FText::FromString(TEXT("Add Key")));

	EXPECT_TRUE(Exposed == Row);
	EXPECT_EQ(Row->GetType(), FName(TEXT("STestKeyRow")));
	EXPECT_EQ(Row->OwnerName, FString(TEXT("Owner")));
	const TArray<TSharedRef<STextBlock>> Labels = FWidgetInspector::FindWidgetsOfType<STextBlock>(Row);
	ASSERT_EQ(Labels.Num(), 1);
	EXPECT_EQ(Labels[0]->GetText().ToString(), FString(TEXT("Add Key")));
	ASSERT_TRUE(Row->KeyBox.IsValid());
	EXPECT_TRUE(FWidgetInspector::FindWidgetByTag(Row, TEXT("KeyBox")) == Row->KeyBox);
	EXPECT_FALSE(FWidgetInspector::FindWidgetByTag(Row, TEXT("Missing")).IsValid());
}

TEST_F(DeclarativeSyntaxTest, BoundAttributesAreReadAgainOnEveryGet)
{
	int32 Reads = 0;
	const TSharedRef<STextBlock> Counter = SNew(STextBlock)
		.Text_Lambda([&Reads]() { return FText::FromString(FString::Printf(TEXT("%d"), ++Reads)); })
		.ColorAndOpacity(FLinearColor::White);

	EXPECT_EQ(Counter->GetText().ToString(), FString(TEXT("1")));
	EXPECT_EQ(Counter->GetText().ToString(), FString(TEXT("2")));
	EXPECT_TRUE(FWidgetInspector::GetColorAndOpacity(*Counter) == FSlateColor(FLinearColor::White));

	Counter->SetText(FText::FromString(TEXT("fixed")));
	EXPECT_EQ(Counter->GetText().ToString(), FString(TEXT("fixed")));
	EXPECT_EQ(Reads, 2);
}
