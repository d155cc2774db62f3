#include "Widgets/SWidget.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Layout/Geometry.h"
#include "Layout/WidgetStyle.h"
#include "Rendering/DrawElements.h"
#include "Widgets/DeclarativeSyntaxSupport.h"

#include <algorithm>

SWidget::SWidget()
	: Visibility(EVisibility())
	, EnabledState(true)
{
}

SWidget::~SWidget() = default;

void SWidget::SWidgetConstruct(const FSlateBaseNamedArgs& Args)
{
	ToolTipText = Args._ToolTipText;
	Cursor = Args._Cursor;
	EnabledState = Args._IsEnabled;
	Visibility = Args._Visibility;
	Tag = Args._Tag;
}

void SWidget::SetDebugInfo(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, size_t InAllocSize)
{
	TypeOfWidget = FName(InType);
}

void SWidget::SetCursor(const TAttribute<TOptional<EMouseCursor::Type>>& InCursor)
{
	Cursor = InCursor;
}

void SWidget::SetEnabled(TAttribute<bool> InEnabledState)
{
	EnabledState = std::move(InEnabledState);
}

void SWidget::SlatePrepass(float InLayoutScaleMultiplier)
{
	FChildren* const Children = GetChildren();
	for (int32 Index = 0; Index < Children->Num(); ++Index)
	{
		const TSharedRef<SWidget> Child = Children->GetChildAt(Index);
		if (Child->GetVisibility() != EVisibility::Collapsed)
		{
			Child->SlatePrepass(InLayoutScaleMultiplier);
		}
	}
	DesiredSize = ComputeDesiredSize(InLayoutScaleMultiplier);
}

void SWidget::ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	OnArrangeChildren(AllottedGeometry, ArrangedChildren);
}

int32 SWidget::Paint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const
{
	OutDrawElements.PushPaintingWidget(*this, LayerId, AllottedGeometry);
	const int32 NewLayerId = OnPaint(AllottedGeometry, OutDrawElements, LayerId, InWidgetStyle);
	OutDrawElements.PopPaintingWidget(*this);
	return NewLayerId;
}

int32 SWidget::OnPaint(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const
{
	return PaintArrangedChildren(AllottedGeometry, OutDrawElements, LayerId + 1, InWidgetStyle);
}

int32 SWidget::PaintArrangedChildren(const FGeometry& AllottedGeometry, FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle) const
{
	FArrangedChildren ArrangedChildren(EVisibility::Visible);
	ArrangeChildren(AllottedGeometry, ArrangedChildren);
	int32 MaxLayerId = LayerId;
	for (int32 Index = 0; Index < ArrangedChildren.Num(); ++Index)
	{
		const FArrangedWidget& Child = ArrangedChildren[Index];
		MaxLayerId = std::max(MaxLayerId, Child.Widget->Paint(Child.Geometry, OutDrawElements, LayerId, InWidgetStyle));
	}
	return MaxLayerId;
}
