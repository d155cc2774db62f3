#pragma once

#include "HAL/Platform.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Layout/Geometry.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"
#include "Types/SlateStructs.h"
#include "Widgets/SWidget.h"

#include <algorithm>

// The rules by which panels place a child in its slot. The host lays out left to right only and at
// content scale 1; slots have no maximum size and no content-proportional stretching.

/** Where a child starts in its slot along one direction, and how long it is. */
struct AlignmentArrangeResult
{
	AlignmentArrangeResult(float InOffset, float InSize)
		: Offset(InOffset)
		, Size(InSize)
	{
	}

	float Offset;
	float Size;
};

/**
 * Places a slot's child along one direction of AllottedSize: filled, or at its desired length (never
 * longer than the space left by the padding) at the start, centre or end.
 */
template <EOrientation Orientation, typename SlotType>
AlignmentArrangeResult AlignChild(float AllottedSize, const SlotType& ChildToArrange, const FMargin& SlotPadding)
{
	const bool bHorizontal = Orientation == Orient_Horizontal;
	const float PaddingBefore = bHorizontal ? SlotPadding.Left : SlotPadding.Top;
	const float PaddingAfter = bHorizontal ? SlotPadding.Right : SlotPadding.Bottom;
	const float SpaceInside = AllottedSize - PaddingBefore - PaddingAfter;
	// HAlign_Left shares its value with VAlign_Top, HAlign_Right with VAlign_Bottom.
	const int32 Alignment = bHorizontal ? (int32)ChildToArrange.GetHorizontalAlignment() : (int32)ChildToArrange.GetVerticalAlignment();
	if (Alignment == HAlign_Fill)
	{
		return AlignmentArrangeResult(PaddingBefore, std::max(SpaceInside, 0.0f));
	}

	const FVector2D DesiredSize = ChildToArrange.GetWidget()->GetDesiredSize();
	const float ChildSize = std::max(std::min(float(bHorizontal ? DesiredSize.X : DesiredSize.Y), SpaceInside), 0.0f);
	if (Alignment == HAlign_Center)
	{
		return AlignmentArrangeResult((AllottedSize - ChildSize) / 2.0f + PaddingBefore - PaddingAfter, ChildSize);
	}
	if (Alignment == HAlign_Right)
	{
		return AlignmentArrangeResult(AllottedSize - ChildSize - PaddingAfter, ChildSize);
	}
	return AlignmentArrangeResult(PaddingBefore, ChildSize);
}

/** Arranges the one child of a slot over the whole of AllottedGeometry. */
template <typename SlotType>
void ArrangeSingleChild(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren, const SlotType& ChildSlot)
{
	const EVisibility ChildVisibility = ChildSlot.GetWidget()->GetVisibility();
	if (!ArrangedChildren.Accepts(ChildVisibility))
	{
		return;
	}
	const FMargin& Padding = ChildSlot.GetPadding();
	const AlignmentArrangeResult XResult = AlignChild<Orient_Horizontal>(AllottedGeometry.GetLocalSize().X, ChildSlot, Padding);
	const AlignmentArrangeResult YResult = AlignChild<Orient_Vertical>(AllottedGeometry.GetLocalSize().Y, ChildSlot, Padding);
	ArrangedChildren.AddWidget(ChildVisibility, AllottedGeometry.MakeChild(ChildSlot.GetWidget(), FVector2D(XResult.Offset, YResult.Offset), FVector2D(XResult.Size, YResult.Size)));
}

/**
 * Arranges a box panel's slots one after another along Orientation. Auto-sized slots get their
 * child's desired length; stretched slots share what the auto-sized slots and every slot's padding
 * leave, in proportion to their stretch values, and get nothing when nothing is left. Every slot
 * spans the whole panel across, where its child is aligned; collapsed children take no space.
 */
template <EOrientation Orientation, typename SlotType>
void ArrangeChildrenInStack(const TPanelChildren<SlotType>& Children, const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren)
{
	const bool bHorizontal = Orientation == Orient_Horizontal;
	const FVector2D& AllottedSize = AllottedGeometry.GetLocalSize();

	float FixedTotal = 0.0f;
	float StretchTotal = 0.0f;
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const SlotType& Slot = Children[Index];
		if (Slot.GetWidget()->GetVisibility() == EVisibility::Collapsed)
		{
			continue;
		}
		FixedTotal += Slot.GetPadding().template GetTotalSpaceAlong<Orientation>();
		if (Slot.GetSizeRule() == FSizeParam::SizeRule_Stretch)
		{
			StretchTotal += Slot.GetSizeValue();
		}
		else
		{
			const FVector2D DesiredSize = Slot.GetWidget()->GetDesiredSize();
			FixedTotal += float(bHorizontal ? DesiredSize.X : DesiredSize.Y);
		}
	}
	const float StretchSpace = std::max(float(bHorizontal ? AllottedSize.X : AllottedSize.Y) - FixedTotal, 0.0f);

	float PositionSoFar = 0.0f;
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const SlotType& Slot = Children[Index];
		const EVisibility ChildVisibility = Slot.GetWidget()->GetVisibility();
		if (ChildVisibility == EVisibility::Collapsed)
		{
			continue;
		}
		float ChildLength = 0.0f;
		if (Slot.GetSizeRule() == FSizeParam::SizeRule_Stretch)
		{
			ChildLength = StretchTotal > 0.0f ? StretchSpace * Slot.GetSizeValue() / StretchTotal : 0.0f;
		}
		else
		{
			const FVector2D DesiredSize = Slot.GetWidget()->GetDesiredSize();
			ChildLength = float(bHorizontal ? DesiredSize.X : DesiredSize.Y);
		}
		const FMargin& Padding = Slot.GetPadding();
		const float SlotLength = ChildLength + Padding.template GetTotalSpaceAlong<Orientation>();
		const FVector2D SlotSize = bHorizontal ? FVector2D(SlotLength, AllottedSize.Y) : FVector2D(AllottedSize.X, SlotLength);

		const AlignmentArrangeResult XResult = AlignChild<Orient_Horizontal>(SlotSize.X, Slot, Padding);
		const AlignmentArrangeResult YResult = AlignChild<Orient_Vertical>(SlotSize.Y, Slot, Padding);
		const FVector2D ChildOffset = bHorizontal ? FVector2D(PositionSoFar + XResult.Offset, YResult.Offset) : FVector2D(XResult.Offset, PositionSoFar + YResult.Offset);
		ArrangedChildren.AddWidget(ChildVisibility, AllottedGeometry.MakeChild(Slot.GetWidget(), ChildOffset, FVector2D(XResult.Size, YResult.Size)));
		PositionSoFar += SlotLength;
	}
}
