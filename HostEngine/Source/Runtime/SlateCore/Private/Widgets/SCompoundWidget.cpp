#include "Widgets/SCompoundWidget.h"

TSharedRef<SWidget> FCompoundWidgetOneChildSlot::GetChildAt(int32 Index)
{
	check(Index == 0);
	return GetWidget();
}
