#include "KismetCompiler.h"

#include "EdGraphSchema_K2.h"
#include "UObject/Class.h"
#include "HostGraphEvaluator.h"
#include "K2Node.h"
#include "Templates/Casts.h"

#include <algorithm>

namespace KismetCompilerLayout
{
	static constexpr int32 AverageNodeWidth = 256;
	static constexpr int32 AverageNodeHeight = 128;
	static constexpr int32 NodePadding = 32;
	static constexpr int32 MaximumSpawnX = 4096;
}

namespace
{
	bool HasAnyLinks(const UEdGraphNode* Node)
	{
		return Node->Pins.ContainsByPredicate([](const UEdGraphPin* Pin) { return !Pin->LinkedTo.IsEmpty(); });
	}
}

FKismetCompilerContext::FKismetCompilerContext(UBlueprint* SourceSketch, FCompilerResultsLog& InMessageLog, const FKismetCompilerOptions& InCompilerOptions)
	: Super(InMessageLog)
	, Blueprint(SourceSketch)
	, Schema(GetDefault<UEdGraphSchema_K2>())
	, CompileOptions(InCompilerOptions)
{
	check(Blueprint);
}

FKismetCompilerContext::~FKismetCompilerContext()
{
	for (UEdGraphNode* Node : ExpandedNodes)
	{
		Node->RemoveFromRoot();
	}
	if (ConsolidatedEventGraph)
	{
		ConsolidatedEventGraph->RemoveFromRoot();
	}
}

void FKismetCompilerContext::CompileFunctions(EInternalCompilerFlags InternalFlags)
{
	check(!ConsolidatedEventGraph);
	Blueprint->bBeingCompiled = true;
	MergeUbergraphPagesIn();
	ExpansionStep();
	ValidateGraph();
	RegisterNets();
	Blueprint->bBeingCompiled = false;
	if (MessageLog.NumErrors > 0)
	{
		Blueprint->Status = BS_Error;
	}
	else
	{
		Blueprint->Status = MessageLog.NumWarnings > 0 ? BS_UpToDateWithWarnings : BS_UpToDate;
	}
}

FPinConnectionResponse FKismetCompilerContext::MovePinLinksToIntermediate(UEdGraphPin& SourcePin, UEdGraphPin& IntermediatePin)
{
	FPinConnectionResponse Response;
	// A pin kept only because links still pointed at it is reported elsewhere; moving it adds noise.
	if (!SourcePin.bOrphanedPin)
	{
		Response = Schema->MovePinLinks(SourcePin, IntermediatePin, true);
		CheckConnectionResponse(Response, SourcePin.GetOwningNode());
		MessageLog.NotifyIntermediatePinCreation(&IntermediatePin, &SourcePin);
	}
	return Response;
}

FPinConnectionResponse FKismetCompilerContext::CopyPinLinksToIntermediate(UEdGraphPin& SourcePin, UEdGraphPin& IntermediatePin)
{
	FPinConnectionResponse Response;
	if (!SourcePin.bOrphanedPin)
	{
		Response = Schema->CopyPinLinks(SourcePin, IntermediatePin, true);
		CheckConnectionResponse(Response, SourcePin.GetOwningNode());
		MessageLog.NotifyIntermediatePinCreation(&IntermediatePin, &SourcePin);
	}
	return Response;
}

void FKismetCompilerContext::AutoAssignNodePosition(UEdGraphNode* Node)
{
	using namespace KismetCompilerLayout;
	Node->NodePosX = MacroSpawnX;
	Node->NodePosY = MacroSpawnY;
	MacroRowMaxHeight = std::max(MacroRowMaxHeight, AverageNodeHeight);
	MacroSpawnX += AverageNodeWidth + NodePadding;
	if (MacroSpawnX >= MaximumSpawnX)
	{
		MacroSpawnX = 0;
		MacroSpawnY += MacroRowMaxHeight + NodePadding;
		MacroRowMaxHeight = 0;
	}
}

void FKismetCompilerContext::CheckConnectionResponse(const FPinConnectionResponse& Response, const UEdGraphNode* Node)
{
	if (!Response.CanSafeConnect())
	{
		MessageLog.Error(*FString::Printf(TEXT("COMPILER ERROR: failed building connection with '%s' at @@"), *Response.Message.ToString()), Node);
	}
}

void FKismetCompilerContext::PrepareIntermediateNode(UEdGraphNode* Node, UEdGraphNode* SourceNode)
{
	MessageLog.NotifyIntermediateObjectCreation(Node, SourceNode);
	// Derived from the source node's guid and the order of spawning, so every compile of the same
	// graph names its intermediate nodes alike.
	int32& Count = IntermediateCounts.FindOrAdd(SourceNode);
	const FGuid& SourceGuid = SourceNode->NodeGuid;
	const uint32 Salt = GetTypeHash(++Count);
	Node->NodeGuid = FGuid(HashCombine(SourceGuid.A, Salt), HashCombine(SourceGuid.B, Salt), HashCombine(SourceGuid.C, Salt), HashCombine(SourceGuid.D, Salt));
	AutoAssignNodePosition(Node);
}

void FKismetCompilerContext::MergeUbergraphPagesIn()
{
	int32 LowestAuthorNode = 0;
	for (UEdGraph* Page : Blueprint->UbergraphPages)
	{
		UEdGraph* const Copy = DuplicateObject(Page, Blueprint, MakeUniqueObjectName(Blueprint, UEdGraph::StaticClass(), FName(TEXT("ExecuteUbergraph"))));
		Copy->SetFlags(RF_Transient);
		for (UEdGraphNode* CopiedNode : Copy->Nodes)
		{
			UEdGraphNode* const SourceNode = Cast<UEdGraphNode>(StaticFindObjectFast(UEdGraphNode::StaticClass(), Page, CopiedNode->GetFName()));
			if (SourceNode)
			{
				MessageLog.NotifyIntermediateObjectCreation(CopiedNode, SourceNode);
				// Node guids are not reflected properties in the host, so the copy takes its source's here.
				CopiedNode->NodeGuid = SourceNode->NodeGuid;
			}
			LowestAuthorNode = std::max(LowestAuthorNode, CopiedNode->NodePosY);
		}
		if (!ConsolidatedEventGraph)
		{
			ConsolidatedEventGraph = Copy;
			ConsolidatedEventGraph->AddToRoot();
			continue;
		}
		for (UEdGraphNode* CopiedNode : Copy->Nodes)
		{
			CopiedNode->Rename(nullptr, ConsolidatedEventGraph);
			ConsolidatedEventGraph->Nodes.Add(CopiedNode);
		}
		Copy->Nodes.Reset();
	}
	if (!ConsolidatedEventGraph)
	{
		ConsolidatedEventGraph = NewObject<UEdGraph>(Blueprint, MakeUniqueObjectName(Blueprint, UEdGraph::StaticClass(), FName(TEXT("ExecuteUbergraph"))), RF_Transient);
		ConsolidatedEventGraph->Schema = UEdGraphSchema_K2::StaticClass();
		ConsolidatedEventGraph->AddToRoot();
	}
	MacroSpawnY = LowestAuthorNode + KismetCompilerLayout::AverageNodeHeight + KismetCompilerLayout::NodePadding;
}

void FKismetCompilerContext::ExpansionStep()
{
	UEdGraph* const Graph = ConsolidatedEventGraph;
	// Nodes spawned by an expansion are appended, so this loop reaches them too.
	for (int32 Index = 0; Index < Graph->Nodes.Num(); ++Index)
	{
		UEdGraphNode* const Node = Graph->Nodes[Index];
		const int32 NumNodesBefore = Graph->Nodes.Num();
		if (UK2Node* const K2Node = Cast<UK2Node>(Node))
		{
			K2Node->ExpandNode(*this, Graph);
		}
		// A call node whose expansion placed nodes and left it without links (an operator node with
		// several inputs) is dead; the engine never runs it, and its pins must not stand for the new ones.
		const bool bReplacedByExpansion = Graph->Nodes.Num() > NumNodesBefore && !HasAnyLinks(Node);
		if (!FHostGraphEvaluator::CanEvaluateNode(Node) || bReplacedByExpansion)
		{
			ExpandedNodes.Add(Node);
		}
	}

	TMap<const UEdGraphNode*, bool> Removed;
	Removed.Reserve(ExpandedNodes.Num());
	for (UEdGraphNode* Node : ExpandedNodes)
	{
		if (HasAnyLinks(Node))
		{
			MessageLog.Error(TEXT("@@ is still linked after its expansion; nothing can run it"), Node);
			Node->BreakAllNodeLinks();
		}
		// The log still points at these nodes and their pins; they stay until the compiler goes.
		Node->AddToRoot();
		Removed.Add(Node, true);
	}
	Graph->Nodes.RemoveAll([&Removed](const TObjectPtr<UEdGraphNode>& Node) { return Removed.Contains(Node.Get()); });
}

void FKismetCompilerContext::ValidateGraph()
{
	for (UEdGraphNode* Node : ConsolidatedEventGraph->Nodes)
	{
		Node->ValidateNodeDuringCompilation(MessageLog);
		for (UEdGraphPin* Pin : Node->Pins)
		{
			if (Pin->Direction != EGPD_Output)
			{
				continue;
			}
			for (UEdGraphPin* Linked : Pin->LinkedTo)
			{
				if (!Schema->ArePinTypesCompatible(Pin->PinType, Linked->PinType))
				{
					MessageLog.Error(*FString::Printf(TEXT("@@ (%s) cannot be linked to @@ (%s)"), *UEdGraphSchema_K2::TypeToText(Pin->PinType).ToString(), *UEdGraphSchema_K2::TypeToText(Linked->PinType).ToString()), Pin, Linked);
				}
			}
		}
	}
}

void FKismetCompilerContext::RegisterNets()
{
	// The engine first prunes the nodes that nothing executed reaches; the host graph has no events or
	// function entries to start from, so every node that is left counts as reached.
	for (UEdGraphNode* Node : ConsolidatedEventGraph->Nodes)
	{
		for (UEdGraphPin* Pin : Node->Pins)
		{
			if (!Pin->bOrphanedPin && !Schema->IsMetaPin(*Pin) && Pin->Direction == EGPD_Input && Pin->LinkedTo.IsEmpty())
			{
				RegisterLiteral(Pin);
			}
		}
	}
}

void FKismetCompilerContext::RegisterLiteral(UEdGraphPin* Net)
{
	const FString Refusal = Schema->IsCurrentPinDefaultValid(Net);
	if (Refusal.IsEmpty())
	{
		return;
	}
	const FString Default = Net->GetDefaultAsString();
	if (Default.IsEmpty())
	{
		MessageLog.Error(*FString::Printf(TEXT("The current value of the '@@' pin is invalid: %s"), *Refusal), Net);
	}
	else
	{
		MessageLog.Error(*FString::Printf(TEXT("The current value (%s) of the '@@' pin is invalid: %s"), *Default, *Refusal), Net);
	}
}
