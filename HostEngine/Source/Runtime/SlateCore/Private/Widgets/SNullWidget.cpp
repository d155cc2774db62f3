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

	protected:
		/** The empty widget takes no space and draws nothing. */
		virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override { return FVector2D(0.0, 0.0); }
	};
}

TSharedRef<SWidget> SNullWidget::NullWidget = MakeShared<SNullWidgetContent>();
