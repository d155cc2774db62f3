#include "Widgets/SBoxPanel.h"

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
