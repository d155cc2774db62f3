#pragma once

#include "HAL/Platform.h"

/** Where a widget sits across the width of its slot. */
enum EHorizontalAlignment : int
{
	/** Stretched to the slot's width. */
	HAlign_Fill,
	HAlign_Left,
	HAlign_Center,
	HAlign_Right,
};

/** Where a widget sits across the height of its slot. */
enum EVerticalAlignment : int
{
	/** Stretched to the slot's height. */
	VAlign_Fill,
	VAlign_Top,
	VAlign_Center,
	VAlign_Bottom,
};

/** The direction a panel lays its children out in. */
enum EOrientation : int
{
	Orient_Horizontal,
	Orient_Vertical,
};
