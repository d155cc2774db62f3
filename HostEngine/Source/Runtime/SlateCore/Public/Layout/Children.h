#pragma once

#include "HAL/Platform.h"
#include "Containers/Array.h"
#include "Templates/SharedPointer.h"

#include <memory>
#include <utility>

class SWidget;

/** The children of a widget, in slot order, as any parent exposes them. */
class SLATECORE_API FChildren
{
public:
	virtual ~FChildren() = default;

	virtual int32 Num() const = 0;
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) = 0;
};

/** The children of a widget that has none. */
class SLATECORE_API FNoChildren : public FChildren
{
public:
	static FNoChildren NoChildrenInstance;

	virtual int32 Num() const override { return 0; }
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override;
};

/**
 * The slots of a panel, each owning one child. A slot arrives as the chained declaration that
 * built it, which hands the finished slot over with StealSlot().
 */
template <typename SlotType>
class TPanelChildren : public FChildren
{
public:
	virtual int32 Num() const override { return Children.Num(); }
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override { return Children[Index]->GetWidget(); }

	SlotType& operator[](int32 Index) { return *Children[Index]; }
	const SlotType& operator[](int32 Index) const { return *Children[Index]; }

	/** Adds the slot at Index, or at the end for INDEX_NONE; returns where it went. */
	template <typename SlotArgumentsType>
	int32 InsertSlot(SlotArgumentsType&& SlotArguments, int32 Index = INDEX_NONE)
	{
		const int32 Position = Index == INDEX_NONE ? Children.Num() : Index;
		check(Position >= 0 && Position <= Children.Num());
		Children.EmplaceAt(Position, SlotArguments.StealSlot());
		return Position;
	}

	template <typename SlotArgumentsType>
	void AddSlots(TArray<SlotArgumentsType>&& SlotArguments)
	{
		for (SlotArgumentsType& Arguments : SlotArguments)
		{
			InsertSlot(std::move(Arguments));
		}
		SlotArguments.Empty();
	}

	/** Removes the slot that holds the widget; returns where it was, or INDEX_NONE. */
	int32 Remove(const TSharedRef<SWidget>& SlotWidget)
	{
		// From the last slot: a panel that is rebuilt at its end finds its widget at once.
		for (int32 Index = Children.Num() - 1; Index >= 0; --Index)
		{
			if (Children[Index]->GetWidget() == SlotWidget)
			{
				Children.RemoveAt(Index);
				return Index;
			}
		}
		return INDEX_NONE;
	}

	void Empty() { Children.Empty(); }

private:
	TArray<std::unique_ptr<SlotType>> Children;
};
