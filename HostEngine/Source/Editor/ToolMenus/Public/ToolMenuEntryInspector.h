#pragma once

// Host engine only, no engine twin. The editor turns a menu entry into a widget and runs its action
// when the user picks it; the host's tests pick entries through this class instead.

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"

struct FToolMenuEntry;

class TOOLMENUS_API FToolMenuEntryInspector
{
public:
	static const FUIAction& GetAction(const FToolMenuEntry& Entry);

	/** What picking the entry does: runs its action if it may run; returns whether it ran. */
	static bool Pick(const FToolMenuEntry& Entry);
};
