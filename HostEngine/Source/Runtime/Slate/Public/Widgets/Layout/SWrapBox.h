#pragma once

#include "CoreMinimal.h"
#include "Layout/BasicLayoutWidgetSlot.h"
#include "Layout/Children.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

#include <functional>
#include <memory>

/**
 * Lays out its children left to right, and starts a new line under them when the next child would
 * end past the preferred size. The engine's box also lays out top to bottom, pads between slots and
 * lets slots fill or force lines; the host's users need none of that.
 */
class SLATE_API SWrapBox : public SPanel
{
public:
	class SLATE_API FSlot : public FBasicLayoutWidgetSlot
	{
	public:
		FSlot()
			: FBasicLayoutWidgetSlot(HAlign_Fill, VAlign_Fill)
		{
		}

		class FSlotArguments : public TBasicLayoutWidgetSlotArguments<FSlot, FSlotArguments>
		{
		public:
			FSlotArguments()
				: TBasicLayoutWidgetSlotArguments(std::make_unique<FSlot>())
			{
			}
		};
	};

	/** Adds a slot when the statement that declares it ends: `Box->AddSlot().VAlign(...)[ Child ];` */
	class SLATE_API FScopedWidgetSlotArguments : public FSlot::FSlotArguments
	{
	public:
		explicit FScopedWidgetSlotArguments(SWrapBox& InOwner);
		~FScopedWidgetSlotArguments();

	private:
		SWrapBox& Owner;
	};

	SLATE_BEGIN_ARGS(SWrapBox)
		: _PreferredSize(100.0f)
		{
		}
		SLATE_SLOT_ARGUMENT(SWrapBox::FSlot, Slots)
		/** The width at which a line wraps. */
		SLATE_ATTRIBUTE(float, PreferredSize)
	SLATE_END_ARGS()

	static FSlot::FSlotArguments Slot() { return FSlot::FSlotArguments(); }

	void Construct(const FArguments& InArgs);

	FScopedWidgetSlotArguments AddSlot() { return FScopedWidgetSlotArguments(*this); }

	virtual FChildren* GetChildren() override { return &Slots; }

protected:
	/** The right and bottom edges of the furthest slots. */
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	/** Each slot at its place on its line, as tall as the line's tallest slot, its child aligned inside. */
	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;

private:
	/** Where a slot goes: its top-left corner and size, padding included. */
	struct FSlotPlace
	{
		const FSlot* Slot;
		FVector2D Offset;
		FVector2D Size;
	};

	/** Places the visible slots line by line and hands each to OnSlotPlaced, one line at a time. */
	void PlaceSlots(const std::function<void(const FSlotPlace&)>& OnSlotPlaced) const;

	TPanelChildren<FSlot> Slots;
	TAttribute<float> PreferredSize;
};
