#include "Layout/Children.h"
#include "Widgets/SNullWidget.h"

FNoChildren FNoChildren::NoChildrenInstance;

TSharedRef<SWidget> FNoChildren::GetChildAt(int32 Index)
{
	checkNoEntry();
	return SNullWidget::NullWidget;
}
