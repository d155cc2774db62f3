#include "Widgets/SBoxPanel.h"
#include "Layout/LayoutUtils.h"

#include <algorithm>

FVector2D SBoxPanel::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const bool bHorizontal = Orientation == Orient_Horizontal;
	float Along = 0.0f;
	float Across = 0.0f;
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FSlot& Slot = Children[Index];
		if (Slot.GetWidget()->GetVisibility() == EVisibility::Collapsed)
		{
			continue;
		}
		const FVector2D ChildSize = Slot.GetWidget()->GetDesiredSize();
		const FVector2D PaddingSize = Slot.GetPadding().GetDesiredSize();
		const FVector2D SlotSize(ChildSize.X + PaddingSize.X, ChildSize.Y + PaddingSize.Y);
		Along += float(bHorizontal ? SlotSize.X : SlotSize.Y);
		Across = std::max(Across, float(bHorizontal ? SlotSize.Y : SlotSize.X));
	}
	return bHorizontal ? FVector2D(Along, Across) : FVector2D(Across, Along);
}

void SBoxPanel::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	if (Orientation == Orient_Horizontal)
	{
		ArrangeChildrenInStack<Orient_Horizontal>(Children, AllottedGeometry, ArrangedChildren);
	}
	else
	{
		ArrangeChildrenInStack<Orient_Vertical>(Children, AllottedGeometry, ArrangedChildren);
	}
}

void SHorizontalBox::Construct(const FArguments& InArgs)
{
	// The declaration is a temporary that nothing reads again: its slots move into the box.
	Children.AddSlots(std::move(const_cast<TArray<FSlot::FSlotArguments>&>(InArgs._Slots)));
}

SHorizontalBox::FScopedWidgetSlotArguments::FScopedWidgetSlotArguments(SHorizontalBox& InOwner, int32 InIndex)
	: Owner(InOwner)
	, Index(InIndex)
{
}

SHorizontalBox::FScopedWidgetSlotArguments::~FScopedWidgetSlotArguments()
{
	Owner.Children.InsertSlot(std::move(*this), Index);
}

void SVerticalBox::Construct(const FArguments& InArgs)
{
	Children.AddSlots(std::move(const_cast<TArray<FSlot::FSlotArguments>&>(InArgs._Slots)));
}

SVerticalBox::FScopedWidgetSlotArguments::FScopedWidgetSlotArguments(SVerticalBox& InOwner, int32 InIndex)
	: Owner(InOwner)
	, Index(InIndex)
{
}

SVerticalBox::FScopedWidgetSlotArguments::~FScopedWidgetSlotArguments()
{
	Owner.Children.InsertSlot(std::move(*this), Index);
}
