#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"
#include "Misc/Optional.h"

/** The action of a menu entry, given in any of the forms a caller has at hand. */
struct FToolUIActionChoice
{
	FToolUIActionChoice() = default;

	FToolUIActionChoice(const FUIAction& InAction)
		: Action(InAction)
	{
	}

	/** The action, or null when the choice holds none. */
	const FUIAction* GetUIAction() const { return Action.IsSet() ? &Action.GetValue() : nullptr; }

protected:
	TOptional<FUIAction> Action;
};
