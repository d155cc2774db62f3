#pragma once

#include "CoreMinimal.h"
#include "Framework/Commands/UIAction.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Misc/Attribute.h"
#include "Textures/SlateIcon.h"
#include "ToolMenuDelegates.h"

/** One entry of a menu section: a button, a check box or a sub-menu. */
struct TOOLMENUS_API FToolMenuEntry
{
	FToolMenuEntry() = default;

	static FToolMenuEntry InitMenuEntry(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const FToolUIActionChoice& InAction, const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, const FName InTutorialHighlightName = NAME_None);

	/** Identifies the entry in its section. */
	FName Name;
	EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button;
	/** The name that editor tutorials use to point at the entry. */
	FName TutorialHighlightName;
	TAttribute<FText> Label;
	TAttribute<FText> ToolTip;
	TAttribute<FSlateIcon> Icon;

private:
	friend class FToolMenuEntryInspector;

	FUIAction Action;
};
