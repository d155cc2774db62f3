#pragma once

#include "HAL/Platform.h"

/** Whether a widget is drawn, takes space in its parent and answers the pointer. */
struct SLATECORE_API EVisibility
{
	/** Drawn and hit-testable. */
	static const EVisibility Visible;
	/** Not drawn, takes no space. */
	static const EVisibility Collapsed;

	EVisibility()
		: Value(VIS_Visible)
	{
	}

	/** Whether the widget is drawn. */
	bool IsVisible() const { return (Value & VISPRIVATE_Visible) != 0; }

	bool operator==(const EVisibility& Other) const { return Value == Other.Value; }
	bool operator!=(const EVisibility& Other) const { return Value != Other.Value; }

private:
	friend class FArrangedChildren;

	enum Private
	{
		VISPRIVATE_Visible = 0x1 << 0,
		VISPRIVATE_Collapsed = 0x1 << 1,
		VISPRIVATE_SelfHitTestVisible = 0x1 << 3,
		VISPRIVATE_ChildrenHitTestVisible = 0x1 << 4,

		VIS_Visible = VISPRIVATE_Visible | VISPRIVATE_SelfHitTestVisible | VISPRIVATE_ChildrenHitTestVisible,
		VIS_Collapsed = VISPRIVATE_Collapsed,
	};

	EVisibility(Private InValue)
		: Value(InValue)
	{
	}

	Private Value;
};
