#pragma once

#include "Layout/Geometry.h"
#include "Templates/SharedPointer.h"

class SWidget;

/** A widget with the geometry its parent gave it. */
struct FArrangedWidget
{
	FArrangedWidget(const FGeometry& InGeometry, const TSharedRef<SWidget>& InWidget)
		: Geometry(InGeometry)
		, Widget(InWidget)
	{
	}

	FGeometry Geometry;
	TSharedRef<SWidget> Widget;
};
