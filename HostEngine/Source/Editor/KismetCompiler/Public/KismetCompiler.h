#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraph.h"
#include "EdGraph/EdGraphSchema.h"
#include "EdGraphCompilerUtilities.h"
#include "Engine/Blueprint.h"
#include "KismetCompiledFunctionContext.h"

class UBlueprintGeneratedClass;
class UEdGraphSchema_K2;

/** The Blueprint compiler's messages outside any compile log; on the host also a Blueprint function that cannot run. */
KISMETCOMPILER_API DECLARE_LOG_CATEGORY_EXTERN(LogK2Compiler, Log, All);

enum class EInternalCompilerFlags
{
	None = 0x0,
};

/**
 * Compiles a Blueprint's event graphs and function graphs. The compile works on copies of the
 * graphs, so the author's nodes keep their links: every node is asked to expand (nodes that
 * expansions spawn are asked in turn), expanded nodes are removed, and what is left is checked:
 * links between pins of incompatible types, calls of missing functions and unlinked inputs that no
 * literal can stand for (containers, references) are errors. A function graph is first pruned to
 * what its entry reaches. The Blueprint's generated class gets one function per function graph,
 * with the graph's parameters; the graph evaluator (see HostGraphEvaluator.h) runs the compiled
 * graphs, a function's when the function is called.
 */
class KISMETCOMPILER_API FKismetCompilerContext : public FGraphCompilerContext
{
public:
	typedef FGraphCompilerContext Super;

	FKismetCompilerContext(UBlueprint* SourceSketch, FCompilerResultsLog& InMessageLog, const FKismetCompilerOptions& InCompilerOptions);
	virtual ~FKismetCompilerContext() override;

	/**
	 * Copies, expands and checks the event graphs and the function graphs, makes the generated class
	 * and its functions (when the Blueprint has a parent class), then sets the Blueprint's status
	 * from the log.
	 */
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
	/** One entry per function graph, in the Blueprint's order; their copies are kept as the event graphs' are. */
	TArray<FKismetFunctionContext> FunctionList;
	/** The class the compile fills: the Blueprint's generated class. */
	UBlueprintGeneratedClass* NewClass = nullptr;

protected:
	/** Reports a refused link made while expanding Node. */
	void CheckConnectionResponse(const FPinConnectionResponse& Response, const UEdGraphNode* Node);

	/**
	 * Removes, without a message, what the graph's roots (function entries) do not reach: impure
	 * nodes no execution wire from a root leads to, then nodes no link at all leads to, then pure
	 * nodes that no kept impure node reads. Warns of an impure node removed while a kept node reads
	 * one of its values.
	 */
	void PruneIsolatedNodes(UEdGraph* InGraph);

private:
	void PrepareIntermediateNode(UEdGraphNode* Node, UEdGraphNode* SourceNode);
	/** Notes each node of Copy as made from the node of the same name in Source, whose guid it takes. */
	void NoteCopiedNodes(UEdGraph* Copy, UEdGraph* Source);
	void MergeUbergraphPagesIn();
	void ProcessOneFunctionGraph(UEdGraph* SourceGraph);
	void ExpansionStep(UEdGraph* Graph);
	void ValidateGraphIsWellFormed(UEdGraph* Graph);
	void RegisterNets(UEdGraph* Graph);
	/** An unlinked input takes its default as a literal; an error when the schema refuses the default. */
	void RegisterLiteral(UEdGraphPin* Net);
	/** The Blueprint's generated class, made the first time, emptied of the functions of the last compile. */
	void SpawnNewClass(const FString& NewClassName);
	/** Prunes the function graph, then makes its function with the graph's parameters and checks its nets. */
	void PrecompileFunction(FKismetFunctionContext& Context);
	/** Inputs from the entry's outputs, then outputs from the first return node's inputs. */
	void CreateParametersForFunction(FKismetFunctionContext& Context);

	/** Nodes replaced by their expansion; kept alive for the log that still points at them. */
	TArray<UEdGraphNode*> ExpandedNodes;
	/** Nodes pruned from function graphs; kept alive as the expanded ones are. */
	TArray<UEdGraphNode*> PrunedNodes;
	/** Intermediate nodes made so far per source node, for their guids. */
	TMap<const UEdGraphNode*, int32> IntermediateCounts;
	int32 MacroSpawnX = 0;
	int32 MacroSpawnY = 0;
	int32 MacroRowMaxHeight = 0;
};
