#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Templates/SubclassOf.h"
#include "BlueprintNodeBinder.h"
#include "BlueprintNodeSpawner.generated.h"

class UEdGraph;
class UEdGraphNode;

/** How an action-menu entry is shown: its name, its category path ("A|B") and its tooltip. */
struct FBlueprintActionUiSpec
{
	FText MenuName;
	FText Category;
	FText Tooltip;
};

/** One entry of the Blueprint action menu: spawns a node of its class into a graph. */
UCLASS(Transient)
class BLUEPRINTGRAPH_API UBlueprintNodeSpawner : public UObject, public IBlueprintNodeBinder
{
	GENERATED_BODY()

public:
	/** Runs on a spawned node before its pins are allocated; the bool is true for template nodes. */
	DECLARE_DELEGATE_TwoParams(FCustomizeNodeDelegate, UEdGraphNode*, bool);

	UBlueprintNodeSpawner(const FObjectInitializer& ObjectInitializer);

	/**
	 * Makes a spawner for the node class.
	 * @param Outer - the spawner's outer; the transient package when null
	 * @param PostSpawnDelegate - customizes each spawned node before its pins are allocated
	 */
	static UBlueprintNodeSpawner* Create(TSubclassOf<UEdGraphNode> const NodeClass, UObject* Outer = nullptr, FCustomizeNodeDelegate PostSpawnDelegate = FCustomizeNodeDelegate());

	template <class NodeType>
	static UBlueprintNodeSpawner* Create(UObject* Outer = nullptr, FCustomizeNodeDelegate PostSpawnDelegate = FCustomizeNodeDelegate())
	{
		return Create(NodeType::StaticClass(), Outer, PostSpawnDelegate);
	}

	//~ Begin UObject Interface
	virtual void BeginDestroy() override;
	//~ End UObject Interface

	/**
	 * Spawns a node into the graph at the location, with pins allocated. A node spawned into the
	 * template graph (see GetTemplateNode) is not placed as an author's node is.
	 */
	virtual UEdGraphNode* Invoke(UEdGraph* ParentGraph, FBindingSet const& Bindings, FVector2D const Location) const;

	/** A node this spawner makes, kept in a transient graph, for reading its title, category and pins. */
	UEdGraphNode* GetTemplateNode(UEdGraph* TargetGraph = nullptr, FBindingSet const& Bindings = FBindingSet()) const;

	/**
	 * Fills what DefaultMenuSignature leaves empty from the template node (its menu title, menu
	 * category and tooltip), keeps it there, and returns it: what the action menu shows.
	 */
	const FBlueprintActionUiSpec& PrimeDefaultUiSpec(UEdGraph* TargetGraph = nullptr) const;

	/** The class of the nodes spawned. */
	UPROPERTY()
	TSubclassOf<UEdGraphNode> NodeClass;

	/** How the entry is shown; a spawner of a function sets it from the function, others leave it to the template node. */
	FBlueprintActionUiSpec DefaultMenuSignature;

	FCustomizeNodeDelegate CustomizeNodeDelegate;

protected:
	/** Creates the node, positions it, customizes it, allocates its pins and adds it to the graph. */
	UEdGraphNode* SpawnEdGraphNode(TSubclassOf<UEdGraphNode> InNodeClass, UEdGraph* ParentGraph, const FBindingSet& Bindings, FVector2D Location, FCustomizeNodeDelegate PostSpawnDelegate) const;

private:
	mutable UEdGraphNode* TemplateNode = nullptr;
};
