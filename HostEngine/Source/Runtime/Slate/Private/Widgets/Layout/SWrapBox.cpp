#include "Widgets/Layout/SWrapBox.h"
#include "Layout/LayoutUtils.h"

#include <algorithm>

SWrapBox::FScopedWidgetSlotArguments::FScopedWidgetSlotArguments(SWrapBox& InOwner)
	: Owner(InOwner)
{
}

SWrapBox::FScopedWidgetSlotArguments::~FScopedWidgetSlotArguments()
{
	Owner.Slots.InsertSlot(std::move(*this));
}

void SWrapBox::Construct(const FArguments& InArgs)
{
	PreferredSize = InArgs._PreferredSize;
	// The declaration is a temporary that nothing reads again: its slots move into the box.
	Slots.AddSlots(std::move(const_cast<TArray<FSlot::FSlotArguments>&>(InArgs._Slots)));
}

void SWrapBox::PlaceSlots(const std::function<void(const FSlotPlace&)>& OnSlotPlaced) const
{
	const float WrapWidth = PreferredSize.Get();
	TArray<FSlotPlace> Line;
	float LineTop = 0.0f;
	float LineHeight = 0.0f;
	float LineEnd = 0.0f;

	const auto FinishLine = [&]()
	{
		for (FSlotPlace& Place : Line)
		{
			// Every slot of a line is as tall as the tallest, so that children can centre in it.
			Place.Size.Y = LineHeight;
			OnSlotPlaced(Place);
		}
		Line.Empty();
		LineTop += LineHeight;
		LineHeight = 0.0f;
		LineEnd = 0.0f;
	};

	for (int32 Index = 0; Index < Slots.Num(); ++Index)
	{
		const FSlot& Slot = Slots[Index];
		if (Slot.GetWidget()->GetVisibility() == EVisibility::Collapsed)
		{
			continue;
		}
		const FVector2D ChildSize = Slot.GetWidget()->GetDesiredSize();
		const FVector2D PaddingSize = Slot.GetPadding().GetDesiredSize();
		const FVector2D SlotSize(ChildSize.X + PaddingSize.X, ChildSize.Y + PaddingSize.Y);
		// A slot that would end past the wrap width starts a new line, unless it is the line's first.
		if (Line.Num() > 0 && LineEnd + SlotSize.X > WrapWidth)
		{
			FinishLine();
		}
		Line.Add({&Slot, FVector2D(LineEnd, LineTop), SlotSize});
		LineEnd += float(SlotSize.X);
		LineHeight = std::max(LineHeight, float(SlotSize.Y));
	}
	if (Line.Num() > 0)
	{
		FinishLine();
	}
}

FVector2D SWrapBox::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	FVector2D DesiredSize(0.0, 0.0);
	PlaceSlots([&DesiredSize](const FSlotPlace& Place)
	{
		DesiredSize.X = std::max(DesiredSize.X, Place.Offset.X + Place.Size.X);
		DesiredSize.Y = std::max(DesiredSize.Y, Place.Offset.Y + Place.Size.Y);
	});
	return DesiredSize;
}

void SWrapBox::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	PlaceSlots([&AllottedGeometry, &ArrangedChildren](const FSlotPlace& Place)
	{
		const FMargin& Padding = Place.Slot->GetPadding();
		const AlignmentArrangeResult XResult = AlignChild<Orient_Horizontal>(Place.Size.X, *Place.Slot, Padding);
		const AlignmentArrangeResult YResult = AlignChild<Orient_Vertical>(Place.Size.Y, *Place.Slot, Padding);
		const FVector2D ChildOffset(Place.Offset.X + XResult.Offset, Place.Offset.Y + YResult.Offset);
		ArrangedChildren.AddWidget(AllottedGeometry.MakeChild(Place.Slot->GetWidget(), ChildOffset, FVector2D(XResult.Size, YResult.Size)));
	});
}
