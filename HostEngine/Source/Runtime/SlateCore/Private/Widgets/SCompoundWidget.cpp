#include "Widgets/SCompoundWidget.h"
#include "Layout/LayoutUtils.h"

TSharedRef<SWidget> FCompoundWidgetOneChildSlot::GetChildAt(int32 Index)
{
	check(Index == 0);
	return GetWidget();
}

FVector2D SCompoundWidget::ComputeDesiredSize(float LayoutScaleMultiplier) const
{
	const TSharedRef<SWidget>& Child = ChildSlot.GetWidget();
	if (Child->GetVisibility() == EVisibility::Collapsed)
	{
		return FVector2D(0.0, 0.0);
	}
	const FVector2D ChildSize = Child->GetDesiredSize();
	const FVector2D PaddingSize = ChildSlot.GetPadding().GetDesiredSize();
	return FVector2D(ChildSize.X + PaddingSize.X, ChildSize.Y + PaddingSize.Y);
}

void SCompoundWidget::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	ArrangeSingleChild(AllottedGeometry, ArrangedChildren, ChildSlot);
}
