#pragma once

#include "HAL/Platform.h"
#include "Math/Vector2D.h"
#include "Templates/SharedPointer.h"

class SWidget;
struct FArrangedWidget;

/**
 * Where a widget sits and how large it is. The engine's geometry also carries a scale and render
 * transforms; the host lays widgets out at scale 1 without transforms, so a position and a size
 * describe it fully.
 */
struct SLATECORE_API FGeometry
{
	FGeometry() = default;

	/** The geometry of a root widget: at the origin, LocalSize large. */
	static FGeometry MakeRoot(const FVector2D& LocalSize);

	/** The geometry of an area at ChildOffset inside this one, ChildSize large. */
	FGeometry MakeChild(const FVector2D& ChildOffset, const FVector2D& ChildSize) const;

	/** The geometry of a child placed at ChildOffset inside this one, ChildSize large. */
	FArrangedWidget MakeChild(const TSharedRef<SWidget>& ChildWidget, const FVector2D& ChildOffset, const FVector2D& ChildSize) const;

	const FVector2D& GetLocalSize() const { return Size; }
	/** The top-left corner in the root widget's space. */
	const FVector2D& GetAbsolutePosition() const { return AbsolutePosition; }

private:
	FGeometry(const FVector2D& InAbsolutePosition, const FVector2D& InSize)
		: AbsolutePosition(InAbsolutePosition)
		, Size(InSize)
	{
	}

	FVector2D AbsolutePosition;
	FVector2D Size;
};
