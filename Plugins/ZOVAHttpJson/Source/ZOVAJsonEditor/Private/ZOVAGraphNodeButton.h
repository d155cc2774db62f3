// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Misc/Attribute.h"

class SButton;

/**
 * The borderless button that the JSON node widgets put under their pins: a white label followed
 * by an icon of the application style, with the hand cursor. Like the engine's add-pin buttons it
 * is enabled only while the node may be edited (IsEnabled).
 */
TSharedRef<SButton> MakeZOVAGraphNodeButton(const FString& Label, const FName IconName, const FText& ToolTipText, FOnClicked OnClicked, const TAttribute<bool>& IsEnabled);
