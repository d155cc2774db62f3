#pragma once

#include "Widgets/SWidget.h"
#include "Layout/BasicLayoutWidgetSlot.h"
#include "Layout/Children.h"

/** The single child slot of a compound widget, written `ChildSlot.HAlign(...)[ Content ]`. */
class SLATECORE_API FCompoundWidgetOneChildSlot : public FBasicLayoutWidgetSlot, public FChildren
{
public:
	FCompoundWidgetOneChildSlot()
		: FBasicLayoutWidgetSlot(HAlign_Fill, VAlign_Fill)
	{
	}

	FCompoundWidgetOneChildSlot& HAlign(EHorizontalAlignment InHAlignment)
	{
		SetHorizontalAlignment(InHAlignment);
		return *this;
	}

	FCompoundWidgetOneChildSlot& VAlign(EVerticalAlignment InVAlignment)
	{
		SetVerticalAlignment(InVAlignment);
		return *this;
	}

	FCompoundWidgetOneChildSlot& Padding(TAttribute<FMargin> InPadding)
	{
		SetPadding(std::move(InPadding));
		return *this;
	}

	FCompoundWidgetOneChildSlot& operator[](const TSharedRef<SWidget>& InChildWidget)
	{
		AttachWidget(InChildWidget);
		return *this;
	}

	//~ Begin FChildren Interface
	virtual int32 Num() const override { return 1; }
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override;
	//~ End FChildren Interface
};

/** A widget made of other widgets, held in its one child slot. */
class SLATECORE_API SCompoundWidget : public SWidget
{
public:
	virtual FChildren* GetChildren() override { return &ChildSlot; }

protected:
	SCompoundWidget() = default;

	/** The child's desired size and the slot's padding; nothing when the child is collapsed. */
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;

	FCompoundWidgetOneChildSlot ChildSlot;
};
