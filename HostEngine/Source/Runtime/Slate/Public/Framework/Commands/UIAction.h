#pragma once

#include "CoreMinimal.h"
#include "Delegates/Delegate.h"

/** Runs the action. */
DECLARE_DELEGATE(FExecuteAction);

/** Whether the action may run now; an unbound delegate means always. */
DECLARE_DELEGATE_RetVal(bool, FCanExecuteAction);

/** Whether a held-down key repeats the action. */
enum class EUIActionRepeatMode
{
	RepeatDisabled,
	RepeatEnabled,
};

/** What a menu entry or a button runs, with the check that may forbid it. */
struct FUIAction
{
	FExecuteAction ExecuteAction;
	FCanExecuteAction CanExecuteAction;
	EUIActionRepeatMode RepeatMode = EUIActionRepeatMode::RepeatDisabled;

	/** An action that does nothing. */
	FUIAction() = default;

	FUIAction(FExecuteAction InitExecuteAction, EUIActionRepeatMode InitRepeatMode = EUIActionRepeatMode::RepeatDisabled)
		: ExecuteAction(std::move(InitExecuteAction))
		, RepeatMode(InitRepeatMode)
	{
	}

	bool CanExecute() const
	{
		if (CanExecuteAction.IsBound())
		{
			return CanExecuteAction.Execute();
		}
		return true;
	}

	/** Runs the action if it may run and its target is still alive; returns whether it ran. */
	bool Execute() const
	{
		if (CanExecute())
		{
			return ExecuteAction.ExecuteIfBound();
		}
		return false;
	}

	bool IsBound() const { return ExecuteAction.IsBound(); }
};
