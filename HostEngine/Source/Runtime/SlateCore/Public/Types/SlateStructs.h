#pragma once

#include "HAL/Platform.h"

/** How a box panel sizes a slot along the box's direction. */
struct FSizeParam
{
	enum ESizeRule
	{
		/** As large as the slot's content asks for. */
		SizeRule_Auto,
		/** A share of the space the auto-sized slots leave over. */
		SizeRule_Stretch,
	};
};
