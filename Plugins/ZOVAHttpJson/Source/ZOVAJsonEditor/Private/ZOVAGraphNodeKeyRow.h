#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"

class SWidget;

/**
 * The key-entry row of the keyed JSON node widgets: a key box tagged "TextBox", a spacer and the
 * "Add Json Key" button, both controls with the side's tool tip. The box starts empty.
 */
TSharedRef<SWidget> MakeZOVAGraphNodeKeyRow(const FText& ToolTipText, FOnTextChanged OnKeyTextChanged, FOnClicked OnAddClicked);
