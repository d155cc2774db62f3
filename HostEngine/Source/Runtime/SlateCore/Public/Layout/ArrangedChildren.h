#pragma once

#include "Containers/Array.h"
#include "Layout/ArrangedWidget.h"
#include "Layout/Visibility.h"

/** The children a widget arranged, keeping only those whose visibility the filter accepts. */
class SLATECORE_API FArrangedChildren
{
public:
	explicit FArrangedChildren(EVisibility InVisibilityFilter)
		: VisibilityFilter(InVisibilityFilter)
	{
	}

	/** Whether a widget of that visibility is kept: Visible keeps the drawn ones. */
	bool Accepts(EVisibility InVisibility) const
	{
		return (InVisibility.Value & VisibilityFilter.Value) != 0;
	}

	/** Adds the arranged widget when the filter accepts VisibilityOverride. */
	void AddWidget(EVisibility VisibilityOverride, const FArrangedWidget& InWidgetGeometry);
	/** Adds the arranged widget when the filter accepts its own visibility. */
	void AddWidget(const FArrangedWidget& InWidgetGeometry);

	int32 Num() const { return Array.Num(); }
	const FArrangedWidget& operator[](int32 Index) const { return Array[Index]; }

private:
	EVisibility VisibilityFilter;
	TArray<FArrangedWidget> Array;
};
