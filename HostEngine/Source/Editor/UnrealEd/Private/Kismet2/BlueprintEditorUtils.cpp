#include "Kismet2/BlueprintEditorUtils.h"

#include "Engine/Blueprint.h"

void FBlueprintEditorUtils::MarkBlueprintAsModified(UBlueprint* Blueprint)
{
	check(Blueprint);
	if (Blueprint->Status == BS_BeingCreated || Blueprint->bBeingCompiled)
	{
		return;
	}
	Blueprint->Status = BS_Dirty;
	Blueprint->MarkPackageDirty();
}

void FBlueprintEditorUtils::MarkBlueprintAsStructurallyModified(UBlueprint* Blueprint)
{
	check(Blueprint);
	if (Blueprint->Status == BS_BeingCreated || Blueprint->bBeingCompiled)
	{
		return;
	}
	Blueprint->BroadcastChanged();
	MarkBlueprintAsModified(Blueprint);
}
