#include "Widgets/SWidget.h"
#include "Widgets/DeclarativeSyntaxSupport.h"

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
