#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"

class SButton;

/**
 * The borderless button that the JSON node widgets put under their pins: a white label followed
 * by an icon of the application style, with the hand cursor.
 */
TSharedRef<SButton> MakeZOVAGraphNodeButton(const FString& Label, const FName IconName, const FText& ToolTipText, FOnClicked OnClicked);
