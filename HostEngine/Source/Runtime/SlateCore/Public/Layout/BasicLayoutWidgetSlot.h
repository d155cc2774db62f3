#pragma once

#include "HAL/Platform.h"
#include "Misc/Attribute.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"
#include "SlotBase.h"

#include <memory>
#include <utility>

/**
 * A slot with padding and alignment, the layout that panels and compound widgets share. The
 * engine composes these from template mix-ins; the host keeps them in one base.
 */
class SLATECORE_API FBasicLayoutWidgetSlot : public FSlotBase
{
public:
	const FMargin& GetPadding() const { return SlotPadding.Get(); }
	void SetPadding(TAttribute<FMargin> InPadding) { SlotPadding = std::move(InPadding); }

	EHorizontalAlignment GetHorizontalAlignment() const { return HAlignment; }
	void SetHorizontalAlignment(EHorizontalAlignment InHAlignment) { HAlignment = InHAlignment; }

	EVerticalAlignment GetVerticalAlignment() const { return VAlignment; }
	void SetVerticalAlignment(EVerticalAlignment InVAlignment) { VAlignment = InVAlignment; }

protected:
	FBasicLayoutWidgetSlot(EHorizontalAlignment InHAlignment, EVerticalAlignment InVAlignment)
		: SlotPadding(FMargin())
		, HAlignment(InHAlignment)
		, VAlignment(InVAlignment)
	{
	}

private:
	TAttribute<FMargin> SlotPadding;
	EHorizontalAlignment HAlignment;
	EVerticalAlignment VAlignment;
};

/**
 * The chained declaration of a layout slot, e.g. `SHorizontalBox::Slot().HAlign(HAlign_Left)[ Child ]`.
 * It owns the slot until a panel takes it with StealSlot().
 */
template <typename SlotType, typename ArgumentsType>
class TBasicLayoutWidgetSlotArguments
{
public:
	explicit TBasicLayoutWidgetSlotArguments(std::unique_ptr<SlotType> InSlot)
		: Slot(std::move(InSlot))
	{
	}

	TBasicLayoutWidgetSlotArguments(TBasicLayoutWidgetSlotArguments&&) = default;
	TBasicLayoutWidgetSlotArguments& operator=(TBasicLayoutWidgetSlotArguments&&) = default;

	ArgumentsType& HAlign(EHorizontalAlignment InHAlignment)
	{
		GetSlot().SetHorizontalAlignment(InHAlignment);
		return Me();
	}

	ArgumentsType& VAlign(EVerticalAlignment InVAlignment)
	{
		GetSlot().SetVerticalAlignment(InVAlignment);
		return Me();
	}

	ArgumentsType& Padding(TAttribute<FMargin> InPadding)
	{
		GetSlot().SetPadding(std::move(InPadding));
		return Me();
	}

	ArgumentsType& Padding(float Uniform)
	{
		return Padding(FMargin(Uniform));
	}

	ArgumentsType& Padding(float Horizontal, float Vertical)
	{
		return Padding(FMargin(Horizontal, Vertical));
	}

	ArgumentsType& Padding(float Left, float Top, float Right, float Bottom)
	{
		return Padding(FMargin(Left, Top, Right, Bottom));
	}

	ArgumentsType& operator[](const TSharedRef<SWidget>& InChildWidget)
	{
		GetSlot().AttachWidget(InChildWidget);
		return Me();
	}

	std::unique_ptr<SlotType> StealSlot()
	{
		check(Slot);
		return std::move(Slot);
	}

protected:
	SlotType& GetSlot()
	{
		check(Slot);
		return *Slot;
	}

	ArgumentsType& Me() { return static_cast<ArgumentsType&>(*this); }

private:
	std::unique_ptr<SlotType> Slot;
};
