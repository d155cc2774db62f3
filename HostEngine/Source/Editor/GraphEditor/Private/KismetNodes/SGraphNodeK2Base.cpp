#include "KismetNodes/SGraphNodeK2Base.h"
#include "K2Node.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateBrush.h"
#include "Templates/Casts.h"

namespace
{
	/** How far the corner icon's centre sits inside the node's right edge and below its top. */
	constexpr double CornerIconInsetX = 3.0;
	constexpr double CornerIconInsetY = 2.0;
}

void SGraphNodeK2Base::GetOverlayBrushes(bool bSelected, const FVector2D WidgetSize, TArray<FOverlayBrushInfo>& Brushes) const
{
	const UK2Node* const K2Node = Cast<const UK2Node>(GraphNode);
	if (!K2Node)
	{
		return;
	}
	const FName CornerIcon = K2Node->GetCornerIcon();
	if (CornerIcon.IsNone())
	{
		return;
	}
	FOverlayBrushInfo Overlay(FAppStyle::GetBrush(CornerIcon));
	const FVector2D& ImageSize = Overlay.Brush->ImageSize;
	Overlay.OverlayOffset = FVector2D(WidgetSize.X - ImageSize.X / 2.0 - CornerIconInsetX, CornerIconInsetY - ImageSize.Y / 2.0);
	Brushes.Add(Overlay);
}
