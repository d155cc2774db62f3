#include "Brushes/SlateImageBrush.h"
#include "CoreMinimal.h"
#include "Fonts/FontMeasure.h"
#include "Framework/Testing/WidgetInspector.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/Geometry.h"
#include "Styling/AppStyle.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/Layout/SWrapBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
	/** Where a child went: its offset in the parent and its size. */
	struct FPlacement
	{
		double X;
		double Y;
		double Width;
		double Height;

		bool operator==(const FPlacement& Other) const
		{
			return X == Other.X && Y == Other.Y && Width == Other.Width && Height == Other.Height;
		}
	};

	void PrintTo(const FPlacement& Placement, std::ostream* Out)
	{
		*Out << "{" << Placement.X << ", " << Placement.Y << ", " << Placement.Width << " x " << Placement.Height << "}";
	}

	class LayoutTest : public testing::Test
	{
	protected:
		/** An image that asks for Width by Height; the brushes live as long as the test. */
		TSharedRef<SImage> MakeBlock(double Width, double Height)
		{
			Brushes.push_back(std::make_unique<FSlateImageBrush>(TEXT("Test/Block"), FVector2D(Width, Height)));
			return SNew(SImage).Image(Brushes.back().get());
		}

		/** Prepasses Root and arranges its visible children in a Width by Height area at the origin. */
		static std::vector<FPlacement> Arrange(const TSharedRef<SWidget>& Root, double Width, double Height)
		{
			Root->SlatePrepass();
			FArrangedChildren Arranged(EVisibility::Visible);
			Root->ArrangeChildren(FGeometry::MakeRoot(FVector2D(Width, Height)), Arranged);
			std::vector<FPlacement> Placements;
			for (int32 Index = 0; Index < Arranged.Num(); ++Index)
			{
				const FGeometry& Geometry = Arranged[Index].Geometry;
				Placements.push_back({Geometry.GetAbsolutePosition().X, Geometry.GetAbsolutePosition().Y, Geometry.GetLocalSize().X, Geometry.GetLocalSize().Y});
			}
			return Placements;
		}

		static FVector2D DesiredSizeOf(const TSharedRef<SWidget>& Widget)
		{
			Widget->SlatePrepass();
			return Widget->GetDesiredSize();
		}

		std::vector<std::unique_ptr<FSlateImageBrush>> Brushes;
	};
}

// UE 5.4, SlateCore/Private/Widgets/SBoxPanel.cpp (ComputeDesiredSizeForBox)
TEST_F(LayoutTest, BoxesAskForTheirChildrenSideBySideWithPaddingAndSkipCollapsedOnes)
{
	const TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot().AutoWidth().Padding(2.0f, 3.0f)[MakeBlock(10.0, 20.0)]
		+ SHorizontalBox::Slot().FillWidth(1.0f)[MakeBlock(30.0, 5.0)]
		+ SHorizontalBox::Slot().AutoWidth()[SNew(SImage).Visibility(EVisibility::Collapsed)];
	const FVector2D RowSize = DesiredSizeOf(Row);
	EXPECT_EQ(RowSize.X, 2.0 + 10.0 + 2.0 + 30.0) << "a stretched slot asks for its child's width too";
	EXPECT_EQ(RowSize.Y, 3.0 + 20.0 + 3.0);

	const TSharedRef<SVerticalBox> Column = SNew(SVerticalBox)
		+ SVerticalBox::Slot().AutoHeight().Padding(4.0f, 0.0f, 0.0f, 1.0f)[MakeBlock(10.0, 20.0)]
		+ SVerticalBox::Slot().AutoHeight()[MakeBlock(30.0, 5.0)];
	const FVector2D ColumnSize = DesiredSizeOf(Column);
	EXPECT_EQ(ColumnSize.X, 30.0);
	EXPECT_EQ(ColumnSize.Y, 20.0 + 1.0 + 5.0);
}

// UE 5.4, SlateCore/Public/Layout/LayoutUtils.h (ArrangeChildrenInStack, AlignChild)
TEST_F(LayoutTest, RowsGiveAutoSlotsTheirWidthAndShareTheRestByStretchValue)
{
	const TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot().AutoWidth().Padding(2.0f, 0.0f)[MakeBlock(10.0, 4.0)]
		+ SHorizontalBox::Slot().FillWidth(1.0f)[MakeBlock(50.0, 4.0)]
		+ SHorizontalBox::Slot().FillWidth(3.0f).Padding(4.0f, 0.0f, 0.0f, 0.0f)[MakeBlock(1.0, 4.0)]
		+ SHorizontalBox::Slot().AutoWidth()[MakeBlock(6.0, 4.0)];
	// 100 across: 14 and 6 for the auto slots, 4 of padding, 76 shared one to three.
	EXPECT_EQ(Arrange(Row, 100.0, 10.0), (std::vector<FPlacement>{{2.0, 0.0, 10.0, 10.0}, {14.0, 0.0, 19.0, 10.0}, {37.0, 0.0, 57.0, 10.0}, {94.0, 0.0, 6.0, 10.0}}));
	// Too narrow: stretched slots get nothing, auto slots keep their width and run past the end.
	EXPECT_EQ(Arrange(Row, 20.0, 10.0), (std::vector<FPlacement>{{2.0, 0.0, 10.0, 10.0}, {14.0, 0.0, 0.0, 10.0}, {18.0, 0.0, 0.0, 10.0}, {18.0, 0.0, 6.0, 10.0}}));
}

// UE 5.4, SlateCore/Public/Layout/LayoutUtils.h (AlignChild)
TEST_F(LayoutTest, ChildrenAlignInsideTheirSlotsPadding)
{
	struct FCase
	{
		const char* Name;
		EHorizontalAlignment HAlign;
		EVerticalAlignment VAlign;
		FPlacement Expected;
	};
	// A 10 by 10 child in a 40 by 30 slot padded 2 left, 4 top, 6 right, 8 bottom; centring, as in
	// the engine, takes the padding after from the padding before.
	const FCase Cases[] = {
		{"fill", HAlign_Fill, VAlign_Fill, {2.0, 4.0, 32.0, 18.0}},
		{"left top", HAlign_Left, VAlign_Top, {2.0, 4.0, 10.0, 10.0}},
		{"centre", HAlign_Center, VAlign_Center, {11.0, 6.0, 10.0, 10.0}},
		{"right bottom", HAlign_Right, VAlign_Bottom, {24.0, 12.0, 10.0, 10.0}},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const TSharedRef<SVerticalBox> Column = SNew(SVerticalBox)
			+ SVerticalBox::Slot().FillHeight(1.0f).HAlign(Case.HAlign).VAlign(Case.VAlign).Padding(2.0f, 4.0f, 6.0f, 8.0f)[MakeBlock(10.0, 10.0)];
		EXPECT_EQ(Arrange(Column, 40.0, 30.0), std::vector<FPlacement>{Case.Expected});
	}

	const TSharedRef<SVerticalBox> Squeezed = SNew(SVerticalBox)
		+ SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Center)[MakeBlock(50.0, 10.0)];
	EXPECT_EQ(Arrange(Squeezed, 20.0, 10.0), (std::vector<FPlacement>{{0.0, 0.0, 20.0, 10.0}})) << "an aligned child is never wider than its slot";
}

// UE 5.2, Slate/Private/Widgets/Layout/SBox.cpp (ComputeDesiredWidth/Height)
TEST_F(LayoutTest, BoxesRaiseToTheirMinimumAndThenLowerToTheirMaximum)
{
	struct FCase
	{
		const char* Name;
		FOptionalSize MinWidth;
		FOptionalSize MaxWidth;
		double ExpectedWidth;
	};
	// The content asks for 30 across, and the padding adds 4.
	const FCase Cases[] = {
		{"no bounds", FOptionalSize(), FOptionalSize(), 34.0},
		{"minimum below", 18.0f, FOptionalSize(), 34.0},
		{"minimum above", 100.0f, FOptionalSize(), 100.0},
		{"maximum below", FOptionalSize(), 20.0f, 20.0},
		{"maximum wins over minimum", 100.0f, 50.0f, 50.0},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const TSharedRef<SBox> Box = SNew(SBox).Padding(2.0f).MinDesiredWidth(Case.MinWidth).MaxDesiredWidth(Case.MaxWidth)[MakeBlock(30.0, 10.0)];
		EXPECT_EQ(DesiredSizeOf(Box).X, Case.ExpectedWidth);
		EXPECT_EQ(DesiredSizeOf(Box).Y, 14.0);
	}
	const TSharedRef<SBox> Empty = SNew(SBox).MinDesiredWidth(18.0f)[SNew(SImage).Visibility(EVisibility::Collapsed)];
	EXPECT_EQ(DesiredSizeOf(Empty).X, 0.0) << "a box around collapsed content asks for nothing";
}

// UE 5.4, Slate/Private/Widgets/Layout/SWrapBox.cpp (FChildArranger)
TEST_F(LayoutTest, WrapBoxesStartANewLineForAChildThatWouldEndPastThePreferredSize)
{
	const TSharedRef<SWrapBox> Wrap = SNew(SWrapBox).PreferredSize(100.0f);
	Wrap->AddSlot().VAlign(VAlign_Center)[MakeBlock(60.0, 10.0)];
	Wrap->AddSlot().Padding(5.0f, 0.0f, 0.0f, 0.0f).VAlign(VAlign_Center)[MakeBlock(30.0, 20.0)];
	Wrap->AddSlot()[MakeBlock(20.0, 6.0)];
	Wrap->AddSlot()[MakeBlock(150.0, 8.0)];
	// Line one holds 60 and 5 + 30 (95 <= 100), 20 wraps; 150 is wider than a line and takes its own.
	EXPECT_EQ(Arrange(Wrap, 100.0, 100.0), (std::vector<FPlacement>{{0.0, 5.0, 60.0, 10.0}, {65.0, 0.0, 30.0, 20.0}, {0.0, 20.0, 20.0, 6.0}, {0.0, 26.0, 150.0, 8.0}}));
	const FVector2D Size = DesiredSizeOf(Wrap);
	EXPECT_EQ(Size.X, 150.0);
	EXPECT_EQ(Size.Y, 20.0 + 6.0 + 8.0);
}

TEST_F(LayoutTest, TextIsMeasuredCharacterByCharacterOnOneLine)
{
	const FSlateFontInfo Font(TEXT("Regular"), 9.0f);
	const FSlateFontMeasure& Measure = FSlateFontMeasure::Get();
	const auto Width = [&Measure, &Font](const TCHAR* Text) { return Measure.Measure(Text, Font).X; };
	// Widths add up, whatever the characters: the layout of a label is the sum of its glyphs.
	struct FCase
	{
		const TCHAR* Whole;
		const TCHAR* Left;
		const TCHAR* Right;
	};
	const FCase Cases[] = {
		{TEXT("In Json"), TEXT("In "), TEXT("Json")},
		{TEXT("Request（Json）"), TEXT("Request（"), TEXT("Json）")},
		{TEXT("键key"), TEXT("键"), TEXT("key")},
		{TEXT("a\U0001F600"), TEXT("a"), TEXT("\U0001F600")},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Case.Whole));
		EXPECT_DOUBLE_EQ(Width(Case.Whole), Width(Case.Left) + Width(Case.Right));
		EXPECT_EQ(Measure.Measure(Case.Whole, Font).Y, Measure.GetMaxCharacterHeight(Font)) << "one line";
	}
	EXPECT_EQ(Width(TEXT("")), 0.0);
	EXPECT_EQ(Measure.Measure(TEXT(""), Font).Y, Measure.GetMaxCharacterHeight(Font)) << "an empty text still takes a line";

	// Proportional, as the editor's font is; bold is wider; CJK, kana, hangul and the full-width
	// forms take twice a narrow character outside ASCII; a surrogate pair is one glyph.
	EXPECT_GT(Width(TEXT("m")), Width(TEXT("i")));
	EXPECT_GT(Measure.Measure(TEXT("Json Create"), FSlateFontInfo(TEXT("Bold"), 9.0f)).X, Width(TEXT("Json Create")));
	const double Narrow = Width(TEXT("é"));
	ASSERT_GT(Narrow, 0.0);
	for (const TCHAR* Wide : {TEXT("中"), TEXT("か"), TEXT("키"), TEXT("（")})
	{
		EXPECT_DOUBLE_EQ(Width(Wide), 2.0 * Narrow) << TCHAR_TO_UTF8(Wide);
	}
	EXPECT_DOUBLE_EQ(Width(TEXT("\U0001F600")), Narrow);
	EXPECT_GT(Measure.GetMaxCharacterHeight(FSlateFontInfo(TEXT("Regular"), 10.0f)), Measure.GetMaxCharacterHeight(Font));

	const TSharedRef<STextBlock> Label = SNew(STextBlock).Text(FText::FromString(TEXT("中文"))).Font(Font);
	EXPECT_DOUBLE_EQ(DesiredSizeOf(Label).X, 4.0 * Narrow);
}

TEST_F(LayoutTest, TextBoxesAreAtLeastTheirMinimumWidthInsideTheirStylesPadding)
{
	const FEditableTextBoxStyle& Style = FAppStyle::GetWidgetStyle<FEditableTextBoxStyle>(TEXT("NormalEditableTextBox"));
	const FSlateFontMeasure& Measure = FSlateFontMeasure::Get();
	const double PaddingAcross = Style.Padding.Left + Style.Padding.Right;
	const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox).MinDesiredWidth(100.0f);
	EXPECT_EQ(DesiredSizeOf(Box).X, 100.0 + PaddingAcross);
	EXPECT_EQ(DesiredSizeOf(Box).Y, Measure.GetMaxCharacterHeight(Style.TextStyle.Font) + Style.Padding.Top + Style.Padding.Bottom);

	const FString LongKey = TEXT("a key much longer than the box is wide");
	FWidgetInspector::PasteText(*Box, LongKey);
	EXPECT_DOUBLE_EQ(DesiredSizeOf(Box).X, Measure.Measure(LongKey, Style.TextStyle.Font).X + PaddingAcross);
}
