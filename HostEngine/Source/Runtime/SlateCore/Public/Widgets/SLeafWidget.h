#pragma once

#include "Widgets/SWidget.h"

/** A widget that draws itself and has no children. */
class SLATECORE_API SLeafWidget : public SWidget
{
public:
	virtual FChildren* GetChildren() override;

protected:
	/** A leaf has no children to place. */
	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override {}
};
