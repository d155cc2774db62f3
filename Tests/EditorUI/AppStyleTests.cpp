#include "CoreMinimal.h"
#include "LogCapture.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateTypes.h"

#include <gtest/gtest.h>

namespace
{
	class AppStyleTest : public testing::Test
	{
	};
}

// UE5, editor style (Icons.Plus, Icons.Minus) and core style (NoBorder)
TEST_F(AppStyleTest, NamedEntriesAreDistinctAndStable)
{
	const FSlateBrush* const Plus = FAppStyle::GetBrush(TEXT("Icons.Plus"));
	const FSlateBrush* const Minus = FAppStyle::GetBrush(TEXT("Icons.Minus"));
	ASSERT_NE(Plus, nullptr);
	ASSERT_NE(Minus, nullptr);
	EXPECT_NE(Plus, Minus);
	EXPECT_NE(Plus, FAppStyle::GetDefaultBrush());
	EXPECT_EQ(Plus, FAppStyle::Get().GetBrush(TEXT("Icons.Plus")));

	const FButtonStyle& NoBorder = FAppStyle::GetWidgetStyle<FButtonStyle>(TEXT("NoBorder"));
	EXPECT_EQ(&NoBorder, &FAppStyle::GetWidgetStyle<FButtonStyle>(TEXT("NoBorder")));
	EXPECT_NE(&NoBorder, &FAppStyle::GetWidgetStyle<FButtonStyle>(TEXT("Button")));
	EXPECT_NE(&NoBorder, &FButtonStyle::GetDefault());
	EXPECT_FALSE(FAppStyle::GetAppStyleSetName().IsNone());
}

TEST_F(AppStyleTest, UnknownNamesFallBackToDefaultsWithAWarning)
{
	FLogCapture Log;
	EXPECT_EQ(FAppStyle::GetBrush(TEXT("Icons.NoSuchIcon")), FAppStyle::GetDefaultBrush());
	EXPECT_EQ(&FAppStyle::GetWidgetStyle<FButtonStyle>(TEXT("NoSuchButton")), &FButtonStyle::GetDefault());
	// A brush name is not a button style either.
	EXPECT_EQ(&FAppStyle::GetWidgetStyle<FButtonStyle>(TEXT("Icons.Plus")), &FButtonStyle::GetDefault());

	ASSERT_EQ(Log.Lines.Num(), 3);
	for (const FString& Line : Log.Lines)
	{
		EXPECT_TRUE(Line.StartsWith(TEXT("LogSlateStyle: Warning: "))) << TCHAR_TO_UTF8(*Line);
	}
	EXPECT_TRUE(Log.Lines[0].Contains(TEXT("Icons.NoSuchIcon")));
}
