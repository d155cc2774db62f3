#include "Layout/Geometry.h"
#include "Layout/ArrangedWidget.h"

FGeometry FGeometry::MakeRoot(const FVector2D& LocalSize)
{
	return FGeometry(FVector2D(0.0, 0.0), LocalSize);
}

FGeometry FGeometry::MakeChild(const FVector2D& ChildOffset, const FVector2D& ChildSize) const
{
	return FGeometry(FVector2D(AbsolutePosition.X + ChildOffset.X, AbsolutePosition.Y + ChildOffset.Y), ChildSize);
}

FArrangedWidget FGeometry::MakeChild(const TSharedRef<SWidget>& ChildWidget, const FVector2D& ChildOffset, const FVector2D& ChildSize) const
{
	return FArrangedWidget(MakeChild(ChildOffset, ChildSize), ChildWidget);
}
