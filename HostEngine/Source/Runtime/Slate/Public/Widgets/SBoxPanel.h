#pragma once

#include "CoreMinimal.h"
#include "Layout/BasicLayoutWidgetSlot.h"
#include "Layout/Children.h"
#include "Types/SlateStructs.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

#include <memory>

/** Lays out its children one after another, across (SHorizontalBox) or down (SVerticalBox). */
class SLATE_API SBoxPanel : public SPanel
{
public:
	/** A slot of a box: its share of the box's length, besides padding and alignment. */
	class SLATE_API FSlot : public FBasicLayoutWidgetSlot
	{
	public:
		FSizeParam::ESizeRule GetSizeRule() const { return SizeRule; }
		/** The stretch share; meaningful for stretched slots only. */
		float GetSizeValue() const { return SizeValue.Get(); }

	protected:
		FSlot()
			: FBasicLayoutWidgetSlot(HAlign_Fill, VAlign_Fill)
		{
		}

		void SetAutoSize() { SizeRule = FSizeParam::SizeRule_Auto; }

		void SetStretchSize(TAttribute<float> InStretchValue)
		{
			SizeRule = FSizeParam::SizeRule_Stretch;
			SizeValue = std::move(InStretchValue);
		}

	private:
		FSizeParam::ESizeRule SizeRule = FSizeParam::SizeRule_Stretch;
		TAttribute<float> SizeValue = 1.0f;
	};

	virtual FChildren* GetChildren() override { return &Children; }

	EOrientation GetOrientation() const { return Orientation; }

	int32 NumSlots() const { return Children.Num(); }
	const FSlot& GetSlot(int32 SlotIndex) const { return Children[SlotIndex]; }
	/** Removes the slot that holds the widget; returns its index, or INDEX_NONE when no slot holds it. */
	int32 RemoveSlot(const TSharedRef<SWidget>& SlotWidget) { return Children.Remove(SlotWidget); }
	void ClearChildren() { Children.Empty(); }

protected:
	explicit SBoxPanel(EOrientation InOrientation)
		: Orientation(InOrientation)
	{
	}

	/**
	 * Across the box, the widest child with its padding; along it, every child's desired length and
	 * padding added up, stretched slots included. Collapsed children take no space.
	 */
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;

	TPanelChildren<FSlot> Children;

private:
	EOrientation Orientation;
};

class SLATE_API SHorizontalBox : public SBoxPanel
{
public:
	class SLATE_API FSlot : public SBoxPanel::FSlot
	{
	public:
		class FSlotArguments : public TBasicLayoutWidgetSlotArguments<SBoxPanel::FSlot, FSlotArguments>
		{
		public:
			FSlotArguments()
				: TBasicLayoutWidgetSlotArguments(std::unique_ptr<SBoxPanel::FSlot>(new FSlot()))
			{
			}

			/** As wide as the content asks for. */
			FSlotArguments& AutoWidth()
			{
				static_cast<FSlot&>(GetSlot()).SetAutoSize();
				return *this;
			}

			/** A share of the width the auto-width slots leave over. */
			FSlotArguments& FillWidth(TAttribute<float> StretchCoefficient)
			{
				static_cast<FSlot&>(GetSlot()).SetStretchSize(std::move(StretchCoefficient));
				return *this;
			}
		};
	};

	/** Adds a slot when the statement that declares it ends: `Box->AddSlot().AutoWidth()[ Child ];` */
	class SLATE_API FScopedWidgetSlotArguments : public FSlot::FSlotArguments
	{
	public:
		FScopedWidgetSlotArguments(SHorizontalBox& InOwner, int32 InIndex);
		~FScopedWidgetSlotArguments();

	private:
		SHorizontalBox& Owner;
		int32 Index;
	};

	SLATE_BEGIN_ARGS(SHorizontalBox)
		{
		}
		SLATE_SLOT_ARGUMENT(SHorizontalBox::FSlot, Slots)
	SLATE_END_ARGS()

	static FSlot::FSlotArguments Slot() { return FSlot::FSlotArguments(); }

	SHorizontalBox()
		: SBoxPanel(Orient_Horizontal)
	{
	}

	void Construct(const FArguments& InArgs);

	FScopedWidgetSlotArguments AddSlot() { return InsertSlot(INDEX_NONE); }
	/** As AddSlot, at Index instead of the end. */
	FScopedWidgetSlotArguments InsertSlot(int32 Index) { return FScopedWidgetSlotArguments(*this, Index); }
};

class SLATE_API SVerticalBox : public SBoxPanel
{
public:
	class SLATE_API FSlot : public SBoxPanel::FSlot
	{
	public:
		class FSlotArguments : public TBasicLayoutWidgetSlotArguments<SBoxPanel::FSlot, FSlotArguments>
		{
		public:
			FSlotArguments()
				: TBasicLayoutWidgetSlotArguments(std::unique_ptr<SBoxPanel::FSlot>(new FSlot()))
			{
			}

			/** As tall as the content asks for. */
			FSlotArguments& AutoHeight()
			{
				static_cast<FSlot&>(GetSlot()).SetAutoSize();
				return *this;
			}

			/** A share of the height the auto-height slots leave over. */
			FSlotArguments& FillHeight(TAttribute<float> StretchCoefficient)
			{
				static_cast<FSlot&>(GetSlot()).SetStretchSize(std::move(StretchCoefficient));
				return *this;
			}
		};
	};

	/** Adds a slot when the statement that declares it ends: `Box->AddSlot().AutoHeight()[ Child ];` */
	class SLATE_API FScopedWidgetSlotArguments : public FSlot::FSlotArguments
	{
	public:
		FScopedWidgetSlotArguments(SVerticalBox& InOwner, int32 InIndex);
		~FScopedWidgetSlotArguments();

	private:
		SVerticalBox& Owner;
		int32 Index;
	};

	SLATE_BEGIN_ARGS(SVerticalBox)
		{
		}
		SLATE_SLOT_ARGUMENT(SVerticalBox::FSlot, Slots)
	SLATE_END_ARGS()

	static FSlot::FSlotArguments Slot() { return FSlot::FSlotArguments(); }

	SVerticalBox()
		: SBoxPanel(Orient_Vertical)
	{
	}

	void Construct(const FArguments& InArgs);

	FScopedWidgetSlotArguments AddSlot() { return InsertSlot(INDEX_NONE); }
	/** As AddSlot, at Index instead of the end. */
	FScopedWidgetSlotArguments InsertSlot(int32 Index) { return FScopedWidgetSlotArguments(*this, Index); }
};
