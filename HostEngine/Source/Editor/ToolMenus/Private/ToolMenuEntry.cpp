#include "ToolMenuEntry.h"

FToolMenuEntry FToolMenuEntry::InitMenuEntry(const FName InName, const TAttribute<FText>& InLabel, const TAttribute<FText>& InToolTip, const TAttribute<FSlateIcon>& InIcon, const FToolUIActionChoice& InAction, const EUserInterfaceActionType UserInterfaceActionType, const FName InTutorialHighlightName)
{
	FToolMenuEntry Entry;
	Entry.Name = InName;
	Entry.Label = InLabel;
	Entry.ToolTip = InToolTip;
	Entry.Icon = InIcon;
	if (const FUIAction* const UIAction = InAction.GetUIAction())
	{
		Entry.Action = *UIAction;
	}
	Entry.UserInterfaceActionType = UserInterfaceActionType;
	Entry.TutorialHighlightName = InTutorialHighlightName;
	return Entry;
}
