#pragma once

#include "HAL/Platform.h"
#include "Templates/SharedPointer.h"

class SWidget;

/** A place in a parent widget that holds one child; an empty slot holds the null widget. */
class SLATECORE_API FSlotBase
{
public:
	FSlotBase();
	virtual ~FSlotBase();

	FSlotBase(const FSlotBase&) = delete;
	FSlotBase& operator=(const FSlotBase&) = delete;

	const TSharedRef<SWidget>& GetWidget() const { return Widget; }
	void AttachWidget(const TSharedRef<SWidget>& InWidget) { Widget = InWidget; }

private:
	TSharedRef<SWidget> Widget;
};
