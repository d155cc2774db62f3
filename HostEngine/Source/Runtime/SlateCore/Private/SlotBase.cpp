#include "SlotBase.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

FSlotBase::FSlotBase()
	: Widget(SNullWidget::NullWidget)
{
}

FSlotBase::~FSlotBase() = default;
