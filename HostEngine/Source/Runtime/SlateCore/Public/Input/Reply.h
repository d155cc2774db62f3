#pragma once

#include "HAL/Platform.h"

/** What an event handler tells Slate: whether it handled the event. */
class FReply
{
public:
	/** The event was handled; Slate stops routing it. */
	static FReply Handled()
	{
		return FReply(true);
	}

	/** The event was not handled; Slate offers it to the next widget. */
	static FReply Unhandled()
	{
		return FReply(false);
	}

	bool IsEventHandled() const { return bIsHandled; }

private:
	explicit FReply(bool bInIsHandled)
		: bIsHandled(bInIsHandled)
	{
	}

	bool bIsHandled;
};
