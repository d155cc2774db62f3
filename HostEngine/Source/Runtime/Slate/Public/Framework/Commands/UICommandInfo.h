#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"
#include "UICommandInfo.generated.h"

/** The kind of control a UI action shows as. */
UENUM()
enum class EUserInterfaceActionType : uint8
{
	/** Not an action that can be run. */
	None,
	/** Runs once per click. */
	Button,
	/** Switches between on and off. */
	ToggleButton,
	/** One of a group of which only one is on. */
	RadioButton,
	/** A check box. */
	Check,
	/** A button that shows as a drop-down arrow. */
	CollapsedButton,
};
