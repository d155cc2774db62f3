#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "ToolMenuEntry.h"
#include "ToolMenuMisc.h"

/** A titled group of entries in a menu. */
struct TOOLMENUS_API FToolMenuSection
{
	/** Adds an entry; an entry of the same name in this section is replaced in place. */
	FToolMenuEntry& AddEntry(const FToolMenuEntry& Args);

	FToolMenuEntry& AddMenuEntry(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const FToolUIActionChoice& InAction, const EUserInterfaceActionType UserInterfaceActionType = EUserInterfaceActionType::Button, const FName InTutorialHighlightName = NAME_None);

	FToolMenuEntry* FindEntry(const FName InName);

	FName Name;
	TAttribute<FText> Label;
	FToolMenuInsert InsertPosition;
	/** The entries, in the order they show. */
	TArray<FToolMenuEntry> Blocks;
};
