#include "CoreMinimal.h"

#include <gtest/gtest.h>

TEST(TextFormatTest, NamedArgumentsReplaceTheirBracesAndBackquotesEscape)
{
	FFormatNamedArguments Arguments;
	Arguments.Add(TEXT("PinName"), FText::FromString(TEXT("Words")));
	const std::pair<const TCHAR*, const TCHAR*> Cases[] = {
		{TEXT("Array inputs (like '{PinName}')"), TEXT("Array inputs (like 'Words')")},
		{TEXT("{pinname} differs in case"), TEXT("{pinname} differs in case")},
		{TEXT("{Missing} stays"), TEXT("{Missing} stays")},
		{TEXT("`{PinName`} is plain, ``{PinName}, `|, `a"), TEXT("{PinName} is plain, `Words, |, `a")},
		{TEXT("{} and } alone"), TEXT("{} and } alone")},
		{TEXT("unclosed {PinName"), TEXT("unclosed {PinName")},
	};
	for (const auto& [Pattern, Expected] : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Pattern));
		const FText Formatted = FText::Format(FText::FromString(Pattern), Arguments);
		EXPECT_TRUE(Formatted.ToString().Equals(Expected, ESearchCase::CaseSensitive)) << TCHAR_TO_UTF8(*Formatted.ToString());
		EXPECT_FALSE(Formatted.IsCultureInvariant());
	}
}
