// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphNode.h"
#include "Framework/SlateDelegates.h"
#include "Misc/Attribute.h"

class SEditableTextBox;
class SWidget;
class UZOVAK2Node_JsonBase;

/**
 * The key-entry row of the keyed JSON node widgets: a key box tagged "TextBox", a spacer and the
 * "Add Json Key" button, both controls with the side's tool tip and enabled while IsEnabled holds.
 * The box starts empty; OutKeyBox receives it.
 */
TSharedRef<SWidget> MakeZOVAGraphNodeKeyRow(const FText& ToolTipText, FOnTextChanged OnKeyTextChanged, FOnClicked OnAddClicked, const TAttribute<bool>& IsEnabled, TSharedPtr<SEditableTextBox>& OutKeyBox);

/**
 * What the row's button does: adds the key to the node as one undoable "Add Json Key" step. A
 * refused key leaves the node's reason on the key box. True when the key was added.
 */
bool AddZOVAGraphNodeKey(UZOVAK2Node_JsonBase& Node, const FString& Key, EEdGraphPinDirection Direction, SEditableTextBox& KeyBox);
