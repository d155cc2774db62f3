#include "EdGraph/EdGraph.h"

#include "EdGraph/EdGraphSchema.h"

UEdGraph::UEdGraph(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UEdGraph::PostEditImport()
{
	Super::PostEditImport();
	// The nodes were read before the graph itself: every pin they named now exists.
	UEdGraphPin::ResolveAllPinReferences();
}

const UEdGraphSchema* UEdGraph::GetSchema() const
{
	return Schema ? Schema.GetDefaultObject() : nullptr;
}

void UEdGraph::AddNode(UEdGraphNode* NodeToAdd, bool bUserAction, bool bSelectNewNode)
{
	check(NodeToAdd && NodeToAdd->GetOuter() == this);
	Modify();
	Nodes.Add(NodeToAdd);
	NotifyGraphChanged(FEdGraphEditAction(GRAPHACTION_AddNode, this, NodeToAdd, bUserAction));
}

bool UEdGraph::RemoveNode(UEdGraphNode* NodeToRemove, bool bBreakAllLinks)
{
	Modify();
	const int32 NumRemoved = Nodes.Remove(NodeToRemove);
	if (bBreakAllLinks)
	{
		NodeToRemove->BreakAllNodeLinks();
	}
	NotifyGraphChanged(FEdGraphEditAction(GRAPHACTION_RemoveNode, this, NodeToRemove, false));
	return NumRemoved > 0;
}

UEdGraphNode* UEdGraph::CreateNode(TSubclassOf<UEdGraphNode> NewNodeClass, bool bFromUI, bool bSelectNewNode)
{
	const EObjectFlags Flags = RF_Transactional | (HasAnyFlags(RF_Transient) ? RF_Transient : RF_NoFlags);
	UEdGraphNode* const NewNode = NewObject<UEdGraphNode>(this, NewNodeClass, NAME_None, Flags);
	AddNode(NewNode, bFromUI, bSelectNewNode);
	return NewNode;
}

FDelegateHandle UEdGraph::AddOnGraphChangedHandler(const FOnGraphChanged::FDelegate& InHandler)
{
	return OnGraphChanged.Add(InHandler);
}

void UEdGraph::RemoveOnGraphChangedHandler(FDelegateHandle Handle)
{
	OnGraphChanged.Remove(Handle);
}

void UEdGraph::NotifyGraphChanged()
{
	FEdGraphEditAction Action;
	Action.Graph = this;
	NotifyGraphChanged(Action);
}

void UEdGraph::NotifyGraphChanged(const FEdGraphEditAction& Action)
{
	OnGraphChanged.Broadcast(Action);
}
