#include "Widgets/Layout/SBox.h"

#include <algorithm>

namespace
{
	float ClampToBounds(float Length, const FOptionalSize& Minimum, const FOptionalSize& Maximum)
	{
		if (Minimum.IsSet())
		{
			Length = std::max(Length, Minimum.Get());
		}
		if (Maximum.IsSet())
		{
			Length = std::min(Length, Maximum.Get());
		}
		return Length;
	}
}

void SBox::Construct(const FArguments& InArgs)
{
	MinDesiredWidth = InArgs._MinDesiredWidth;
	MinDesiredHeight = InArgs._MinDesiredHeight;
	MaxDesiredWidth = InArgs._MaxDesiredWidth;
	MaxDesiredHeight = InArgs._MaxDesiredHeight;

	ChildSlot
		.HAlign(InArgs._HAlign)
		.VAlign(InArgs._VAlign)
		.Padding(InArgs._Padding)
	[
		InArgs._Content.Widget
	];
}

FVector2D SBox::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	if (ChildSlot.GetWidget()->GetVisibility() == EVisibility::Collapsed)
	{
		return FVector2D(0.0, 0.0);
	}
	const FVector2D ContentSize = SCompoundWidget::ComputeDesiredSize(LayoutScaleMultiplier);
	return FVector2D(
		ClampToBounds(float(ContentSize.X), MinDesiredWidth.Get(), MaxDesiredWidth.Get()),
		ClampToBounds(float(ContentSize.Y), MinDesiredHeight.Get(), MaxDesiredHeight.Get()));
}
