#include "Widgets/SNullWidget.h"
#include "Widgets/SLeafWidget.h"

namespace
{
	class SNullWidgetContent : public SLeafWidget
	{
	public:
		SNullWidgetContent()
		{
			SetDebugInfo("SNullWidgetContent", __FILE__, __LINE__, sizeof(SNullWidgetContent));
		}
	};
}

TSharedRef<SWidget> SNullWidget::NullWidget = MakeShared<SNullWidgetContent>();
