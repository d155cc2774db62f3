#include "Kismet2/BlueprintEditorUtils.h"

#include "EdGraph/EdGraphNode.h"
#include "Engine/Blueprint.h"
#include "UObject/UObjectGlobals.h"

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

UBlueprint* FBlueprintEditorUtils::FindBlueprintForGraph(const UEdGraph* Graph)
{
	return Graph ? Graph->GetTypedOuter<UBlueprint>() : nullptr;
}

UBlueprint* FBlueprintEditorUtils::FindBlueprintForGraphChecked(const UEdGraph* Graph)
{
	UBlueprint* const Blueprint = FindBlueprintForGraph(Graph);
	checkf(Blueprint, TEXT("Cannot find Blueprint for graph %s"), *Graph->GetPathName());
	return Blueprint;
}

UBlueprint* FBlueprintEditorUtils::FindBlueprintForNode(const UEdGraphNode* Node)
{
	return Node ? Node->GetTypedOuter<UBlueprint>() : nullptr;
}

UBlueprint* FBlueprintEditorUtils::FindBlueprintForNodeChecked(const UEdGraphNode* Node)
{
	UBlueprint* const Blueprint = FindBlueprintForNode(Node);
	checkf(Blueprint, TEXT("Cannot find Blueprint for node %s"), *Node->GetPathName());
	return Blueprint;
}

bool FBlueprintEditorUtils::DoesSupportEventGraphs(const UBlueprint* Blueprint)
{
	return Blueprint->BlueprintType == BPTYPE_Normal || Blueprint->BlueprintType == BPTYPE_LevelScript;
}

UEdGraph* FBlueprintEditorUtils::CreateNewGraph(UObject* ParentScope, const FName& GraphName, TSubclassOf<UEdGraph> GraphClass, TSubclassOf<UEdGraphSchema> SchemaClass)
{
	if (!GraphName.IsNone())
	{
		if (UEdGraph* const ExistingGraph = FindObject<UEdGraph>(ParentScope, *GraphName.ToString()))
		{
			ensureMsgf(false, TEXT("Graph %s already exists: %s"), *GraphName.ToString(), *ExistingGraph->GetFullName());
			ExistingGraph->Rename(nullptr, ExistingGraph->GetOuter());
		}
	}
	UEdGraph* const NewGraph = NewObject<UEdGraph>(ParentScope, GraphClass.Get(), GraphName, RF_Transactional);
	NewGraph->Schema = SchemaClass;
	return NewGraph;
}

void FBlueprintEditorUtils::AddUbergraphPage(UBlueprint* Blueprint, UEdGraph* Graph)
{
	Blueprint->UbergraphPages.Add(Graph);
	MarkBlueprintAsStructurallyModified(Blueprint);
}
