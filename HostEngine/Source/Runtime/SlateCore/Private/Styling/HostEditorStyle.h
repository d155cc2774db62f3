#pragma once

// Host engine only, no engine twin. The editor registers its full style set at start-up and makes it
// the application style. The host has no editor start-up, so this set holds, under the editor
// style's name, the entries that the widgets here draw with: the editor's and the core style's
// names, sizes, fonts, paddings and colours. Brushes that are images in the engine name the image
// the engine loads; the host's painter draws its own version of each.

#include "Styling/SlateStyle.h"

class FHostEditorStyle : public FSlateStyleSet
{
public:
	FHostEditorStyle();

private:
	void SetupCoreStyles();
	void SetupGraphNodeStyles();
	void SetupGraphPinStyles();
};
