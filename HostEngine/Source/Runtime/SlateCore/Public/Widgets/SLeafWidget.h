#pragma once

#include "Widgets/SWidget.h"

/** A widget that draws itself and has no children. */
class SLATECORE_API SLeafWidget : public SWidget
{
public:
	virtual FChildren* GetChildren() override;
};
