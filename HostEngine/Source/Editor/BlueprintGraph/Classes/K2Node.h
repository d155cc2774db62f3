#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphNode.h"
#include "K2Node.generated.h"

class FBlueprintActionDatabaseRegistrar;
class FKismetCompilerContext;
class UBlueprint;
class UEdGraph;

/** A node of a Blueprint graph. */
UCLASS(Abstract, MinimalAPI)
class UK2Node : public UEdGraphNode
{
	GENERATED_BODY()

public:
	BLUEPRINTGRAPH_API UK2Node(const FObjectInitializer& ObjectInitializer);

	//~ Begin UObject Interface
	/** Marks the Blueprint dirty (to be compiled) unless only the node's position changes; an undo or redo comes here too. */
	BLUEPRINTGRAPH_API virtual void PreEditChange(FProperty* PropertyThatWillChange) override;
	//~ End UObject Interface

	//~ Begin UEdGraphNode Interface
	/** Rebuilds the pins from the saved state; links and defaults follow pins of the same name and direction. */
	BLUEPRINTGRAPH_API virtual void ReconstructNode() override;
	/** A newly linked pin drops its typed default; then NotifyPinConnectionListChanged. */
	BLUEPRINTGRAPH_API virtual void PinConnectionListChanged(UEdGraphPin* Pin) override;
	//~ End UEdGraphNode Interface

	//~ Begin UK2Node Interface
	/** A pure node has no execution pins and runs whenever one of its outputs is read. */
	virtual bool IsNodePure() const { return false; }
	/** Replaces the node, in the compiler's copy of the graph, with nodes the compiler knows. */
	BLUEPRINTGRAPH_API virtual void ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph);
	/** Registers the node's entries of the Blueprint action menu; none by default. */
	virtual void GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const {}
	/** The action-menu category, levels separated by "|"; empty by default. */
	BLUEPRINTGRAPH_API virtual FText GetMenuCategory() const;
	virtual void NotifyPinConnectionListChanged(UEdGraphPin* Pin) {}
	BLUEPRINTGRAPH_API virtual void ReallocatePinsDuringReconstruction(TArray<UEdGraphPin*>& OldPins);
	virtual void PostReconstructNode() {}
	/** The style name of the icon the graph editor draws over the node's top-right corner; none by default. */
	virtual FName GetCornerIcon() const { return FName(); }
	//~ End UK2Node Interface

	/** The Blueprint the node belongs to, through its outers; null for a node outside any Blueprint. */
	BLUEPRINTGRAPH_API UBlueprint* GetBlueprint() const;
	BLUEPRINTGRAPH_API bool HasValidBlueprint() const;
};
