#include "CoreMinimal.h"
#include "Misc/Guid.h"
#include "ExactText.h"

#include <gtest/gtest.h>

namespace
{
	class FGuidTest : public ::testing::Test
	{
	};
}

TEST_F(FGuidTest, NewGuidsAreValidAndDistinct)
{
	TMap<FGuid, int32> Seen;
	for (int32 Index = 0; Index < 100; ++Index)
	{
		const FGuid Guid = FGuid::NewGuid();
		EXPECT_TRUE(Guid.IsValid());
		EXPECT_FALSE(Seen.Contains(Guid));
		Seen.Add(Guid, Index);
	}
	EXPECT_FALSE(FGuid().IsValid());
	FGuid Invalidated = FGuid::NewGuid();
	Invalidated.Invalidate();
	EXPECT_EQ(Invalidated, FGuid());
}

TEST_F(FGuidTest, ToStringWritesThirtyTwoUpperCaseDigitsThatParseBack)
{
	const FGuid Guid(0x0123ABCD, 0x4567EF89, 0x0, 0xFEDCBA98);
	EXPECT_EQ(ExactText(Guid.ToString()), u"0123ABCD4567EF8900000000FEDCBA98");

	FGuid Parsed;
	ASSERT_TRUE(FGuid::Parse(Guid.ToString(), Parsed));
	EXPECT_EQ(Parsed, Guid);
}

TEST_F(FGuidTest, ParseAcceptsTheUsualFormsAndRejectsOthers)
{
	const FGuid Expected(0x0123ABCD, 0x4567EF89, 0x02468ACE, 0xFEDCBA98);
	const TCHAR* const Accepted[] = {
		TEXT("0123abcd4567ef8902468acefedcba98"),
		TEXT("0123ABCD-4567-EF89-0246-8ACEFEDCBA98"),
		TEXT("{0123ABCD-4567-EF89-0246-8ACEFEDCBA98}"),
		TEXT("(0123abcd-4567-ef89-0246-8acefedcba98)"),
	};
	for (const TCHAR* Text : Accepted)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Text));
		FGuid Parsed;
		EXPECT_TRUE(FGuid::Parse(Text, Parsed));
		EXPECT_EQ(Parsed, Expected);
	}

	const TCHAR* const Rejected[] = {
		TEXT(""),
		TEXT("0123ABCD4567EF8902468ACEFEDCBA9"),
		TEXT("0123ABCD4567EF8902468ACEFEDCBA9G"),
		TEXT("0123ABCD4-567-EF89-0246-8ACEFEDCBA98"),
		TEXT("{0123ABCD-4567-EF89-0246-8ACEFEDCBA98)"),
	};
	for (const TCHAR* Text : Rejected)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Text));
		FGuid Untouched(1, 2, 3, 4);
		EXPECT_FALSE(FGuid::Parse(Text, Untouched));
		EXPECT_EQ(Untouched, FGuid(1, 2, 3, 4));
	}
}

TEST_F(FGuidTest, OrdersByComponentsInTurn)
{
	EXPECT_LT(FGuid(1, 9, 9, 9), FGuid(2, 0, 0, 0));
	EXPECT_LT(FGuid(1, 1, 9, 9), FGuid(1, 2, 0, 0));
	EXPECT_LT(FGuid(1, 1, 1, 9), FGuid(1, 1, 2, 0));
	EXPECT_LT(FGuid(1, 1, 1, 1), FGuid(1, 1, 1, 2));
	EXPECT_FALSE(FGuid(1, 1, 1, 1) < FGuid(1, 1, 1, 1));
	EXPECT_NE(FGuid(1, 1, 1, 1), FGuid(1, 1, 1, 2));
}
