#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/ObjectPtr.h"
#include "Templates/Casts.h"
#include "Templates/SubclassOf.h"
#include "EdGraph/EdGraphNode.h"
#include "EdGraph.generated.h"

class UEdGraphSchema;

/** What happened to a graph, for the listeners of NotifyGraphChanged. */
enum EEdGraphActionType
{
	GRAPHACTION_Default = 0,
	GRAPHACTION_AddNode = 0x1 << 0,
	GRAPHACTION_SelectNode = 0x1 << 1,
	GRAPHACTION_RemoveNode = 0x1 << 2,
	GRAPHACTION_EditNode = 0x1 << 3,
};

/** One change of a graph. The engine keeps Nodes in a set; the host Core has no TSet. */
struct FEdGraphEditAction
{
	FEdGraphEditAction() = default;
	FEdGraphEditAction(EEdGraphActionType InAction, UEdGraph* InGraph, UEdGraphNode* InNode, bool bInUserInvoked)
		: Action(InAction)
		, Graph(InGraph)
		, bUserInvoked(bInUserInvoked)
	{
		if (InNode)
		{
			Nodes.Add(InNode);
		}
	}

	EEdGraphActionType Action = GRAPHACTION_Default;
	UEdGraph* Graph = nullptr;
	TArray<const UEdGraphNode*> Nodes;
	bool bUserInvoked = false;
};

/** A graph of nodes: an event graph of a Blueprint, or the compiler's working copy of one. */
UCLASS(MinimalAPI)
class UEdGraph : public UObject
{
	GENERATED_BODY()

public:
	DECLARE_MULTICAST_DELEGATE_OneParam(FOnGraphChanged, const FEdGraphEditAction&);

	ENGINE_API UEdGraph(const FObjectInitializer& ObjectInitializer);

	/** The schema class whose default object decides which links are allowed. */
	UPROPERTY()
	TSubclassOf<UEdGraphSchema> Schema;

	UPROPERTY()
	TArray<TObjectPtr<UEdGraphNode>> Nodes;

	//~ Begin UObject Interface
	ENGINE_API virtual void PostEditImport() override;
	//~ End UObject Interface

	ENGINE_API const UEdGraphSchema* GetSchema() const;

	ENGINE_API void AddNode(UEdGraphNode* NodeToAdd, bool bUserAction = false, bool bSelectNewNode = true);
	ENGINE_API bool RemoveNode(UEdGraphNode* NodeToRemove, bool bBreakAllLinks = true);

	/** Creates a node made by the compiler, adds it and marks it intermediate; its pins are not allocated. */
	template <typename NodeClass>
	NodeClass* CreateIntermediateNode()
	{
		NodeClass* Node = static_cast<NodeClass*>(CreateNode(NodeClass::StaticClass(), false, false));
		FSetAsIntermediateNode SetAsIntermediate(Node);
		return Node;
	}

	/** The nodes of the graph that are of the class (or a subclass), in graph order. */
	template <class MinRequiredType>
	void GetNodesOfClass(TArray<MinRequiredType*>& OutNodes) const
	{
		for (UEdGraphNode* Node : Nodes)
		{
			if (MinRequiredType* const TypedNode = Cast<MinRequiredType>(Node))
			{
				OutNodes.Add(TypedNode);
			}
		}
	}

	template <typename NodeType>
	friend struct FGraphNodeCreator;

	ENGINE_API FDelegateHandle AddOnGraphChangedHandler(const FOnGraphChanged::FDelegate& InHandler);
	ENGINE_API void RemoveOnGraphChangedHandler(FDelegateHandle Handle);

	/** Tells the listeners (graph editors) that the graph changed. */
	ENGINE_API virtual void NotifyGraphChanged();
	ENGINE_API virtual void NotifyGraphChanged(const FEdGraphEditAction& Action);

protected:
	ENGINE_API UEdGraphNode* CreateNode(TSubclassOf<UEdGraphNode> NewNodeClass, bool bFromUI, bool bSelectNewNode);

	UEdGraphNode* CreateNode(TSubclassOf<UEdGraphNode> NewNodeClass, bool bSelectNewNode = true)
	{
		return CreateNode(NewNodeClass, false, bSelectNewNode);
	}

	UEdGraphNode* CreateUserInvokedNode(TSubclassOf<UEdGraphNode> NewNodeClass, bool bSelectNewNode = true)
	{
		return CreateNode(NewNodeClass, true, bSelectNewNode);
	}

private:
	FOnGraphChanged OnGraphChanged;
};

/**
 * Places a node in a graph the way the editor does: CreateNode adds an empty node, the caller sets
 * it up, and Finalize gives it a guid, tells it it was placed and allocates its pins if it has none.
 * A creator that was never finalized asserts.
 */
template <typename NodeType>
struct FGraphNodeCreator
{
public:
	explicit FGraphNodeCreator(UEdGraph& InGraph)
		: Graph(InGraph)
	{
	}

	FGraphNodeCreator(const FGraphNodeCreator&) = delete;
	FGraphNodeCreator& operator=(const FGraphNodeCreator&) = delete;

	~FGraphNodeCreator()
	{
		checkf(bPlaced, TEXT("Created node was not finalized in a FGraphNodeCreator<%s>"), *NodeType::StaticClass()->GetName());
	}

	NodeType* CreateNode(bool bSelectNewNode = true, TSubclassOf<NodeType> NodeClass = NodeType::StaticClass())
	{
		Node = static_cast<NodeType*>(Graph.CreateNode(NodeClass.Get(), bSelectNewNode));
		return Node;
	}

	NodeType* CreateUserInvokedNode(bool bSelectNewNode = true, TSubclassOf<NodeType> NodeClass = NodeType::StaticClass())
	{
		Node = static_cast<NodeType*>(Graph.CreateUserInvokedNode(NodeClass.Get(), bSelectNewNode));
		return Node;
	}

	void Finalize()
	{
		check(!bPlaced);
		Node->CreateNewGuid();
		Node->PostPlacedNewNode();
		bPlaced = true;
		if (Node->Pins.Num() == 0)
		{
			Node->AllocateDefaultPins();
		}
	}

private:
	NodeType* Node = nullptr;
	UEdGraph& Graph;
	bool bPlaced = false;
};
