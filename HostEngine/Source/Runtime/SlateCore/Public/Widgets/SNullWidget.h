#pragma once

#include "HAL/Platform.h"
#include "Templates/SharedPointer.h"

class SWidget;

/** The shared empty widget that fills slots nobody has filled. */
class SLATECORE_API SNullWidget
{
public:
	static TSharedRef<SWidget> NullWidget;
};
