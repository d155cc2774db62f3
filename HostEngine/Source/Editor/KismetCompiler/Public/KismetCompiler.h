#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraph.h"
#include "EdGraph/EdGraphSchema.h"
#include "EdGraphCompilerUtilities.h"
#include "Engine/Blueprint.h"

class UEdGraphSchema_K2;

enum class EInternalCompilerFlags
{
	None = 0x0,
};

/**
 * Compiles a Blueprint's event graphs. The compile works on a copy of the graphs, so the author's
 * nodes keep their links: every node is asked to expand (nodes that expansions spawn are asked in
 * turn), expanded nodes are removed, and what is left is checked: links between pins of
 * incompatible types, calls of missing functions and unlinked inputs that no literal can stand for
 * (containers, references) are errors. The graph evaluator (see
 * HostGraphEvaluator.h) runs the result.
 */
class KISMETCOMPILER_API FKismetCompilerContext : public FGraphCompilerContext
{
public:
	typedef FGraphCompilerContext Super;

	FKismetCompilerContext(UBlueprint* SourceSketch, FCompilerResultsLog& InMessageLog, const FKismetCompilerOptions& InCompilerOptions);
	virtual ~FKismetCompilerContext() override;

	/** Copies, expands and checks the event graphs, then sets the Blueprint's status from the log. */
	void CompileFunctions(EInternalCompilerFlags InternalFlags);

	/**
	 * Creates a node in the graph (the source node's graph when null) as part of expanding
	 * SourceNode: noted in the log as made from it, given a guid that is the same on every compile,
	 * and placed. Its pins are not allocated.
	 */
	template <typename NodeType>
	NodeType* SpawnIntermediateNode(UEdGraphNode* SourceNode, UEdGraph* ParentGraph = nullptr)
	{
		if (!ParentGraph)
		{
			ParentGraph = SourceNode->GetGraph();
		}
		NodeType* const Result = ParentGraph->CreateIntermediateNode<NodeType>();
		PrepareIntermediateNode(Result, SourceNode);
		return Result;
	}

	/**
	 * Moves the links of SourcePin to IntermediatePin, each checked by the schema, and its default
	 * value; a refused link is a compile error. Orphaned pins are left alone.
	 */
	FPinConnectionResponse MovePinLinksToIntermediate(UEdGraphPin& SourcePin, UEdGraphPin& IntermediatePin);
	/** As MovePinLinksToIntermediate, but SourcePin keeps its links. */
	FPinConnectionResponse CopyPinLinksToIntermediate(UEdGraphPin& SourcePin, UEdGraphPin& IntermediatePin);
	/** Places a node made by the compiler in rows, away from the author's nodes. */
	void AutoAssignNodePosition(UEdGraphNode* Node);

	const UEdGraphSchema_K2* GetSchema() const { return Schema; }

	UBlueprint* Blueprint;
	const UEdGraphSchema_K2* Schema;
	FKismetCompilerOptions CompileOptions;
	/** The compiled copy of the event graphs; kept from CompileFunctions until the compiler goes. */
	UEdGraph* ConsolidatedEventGraph = nullptr;

protected:
	/** Reports a refused link made while expanding Node. */
	void CheckConnectionResponse(const FPinConnectionResponse& Response, const UEdGraphNode* Node);

private:
	void PrepareIntermediateNode(UEdGraphNode* Node, UEdGraphNode* SourceNode);
	void MergeUbergraphPagesIn();
	void ExpansionStep();
	void ValidateGraph();
	void RegisterNets();
	/** An unlinked input takes its default as a literal; an error when the schema refuses the default. */
	void RegisterLiteral(UEdGraphPin* Net);

	/** Nodes replaced by their expansion; kept alive for the log that still points at them. */
	TArray<UEdGraphNode*> ExpandedNodes;
	/** Intermediate nodes made so far per source node, for their guids. */
	TMap<const UEdGraphNode*, int32> IntermediateCounts;
	int32 MacroSpawnX = 0;
	int32 MacroSpawnY = 0;
	int32 MacroRowMaxHeight = 0;
};
