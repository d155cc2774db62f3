#include "ToolMenuEntryInspector.h"
#include "ToolMenuEntry.h"

const FUIAction& FToolMenuEntryInspector::GetAction(const FToolMenuEntry& Entry)
{
	return Entry.Action;
}

bool FToolMenuEntryInspector::Pick(const FToolMenuEntry& Entry)
{
	return Entry.Action.Execute();
}
