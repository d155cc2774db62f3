#pragma once

#include "HAL/Platform.h"

/** The mouse cursor shapes a widget can ask for while the pointer is over it. */
namespace EMouseCursor
{
	enum Type
	{
		/** Hides the cursor. */
		None,
		Default,
		TextEditBeam,
		ResizeLeftRight,
		ResizeUpDown,
		ResizeSouthEast,
		ResizeSouthWest,
		CardinalCross,
		Crosshairs,
		Hand,
		GrabHand,
		GrabHandClosed,
		SlashedCircle,
		EyeDropper,
		Custom,
		TotalCursorCount
	};
}
