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

/** A length that may be left unset. */
struct FOptionalSize
{
	FOptionalSize() = default;

	FOptionalSize(float InSize)
		: Size(InSize)
		, bIsSet(true)
	{
	}

	bool IsSet() const { return bIsSet; }
	float Get() const { return Size; }

private:
	float Size = 0.0f;
	bool bIsSet = false;
};
