#include "Widgets/Text/STextBlock.h"

void STextBlock::Construct(const FArguments& InArgs)
{
	BoundText = InArgs._Text;
	ColorAndOpacity = InArgs._ColorAndOpacity;
}

void STextBlock::SetText(TAttribute<FText> InText)
{
	BoundText = std::move(InText);
}
