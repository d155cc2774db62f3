#pragma once

#include "CoreMinimal.h"
#include "HostGraphEvaluator.h"

#include <memory>

class FCompilerResultsLog;
class FKismetCompilerContext;
class UBlueprint;
class UBlueprintNodeSpawner;
class UEdGraph;
class UEdGraphNode;
class UEdGraphPin;
class UPackage;

/**
 * A transient Blueprint with one event graph, for the commands that run the JSON nodes: nodes come
 * from the Blueprint action menu, values are typed into pins, and results are read by compiling
 * the Blueprint and evaluating pins, as the editor and the Blueprint virtual machine would.
 */
class FZovaGraphSession
{
public:
	FZovaGraphSession();
	~FZovaGraphSession();

	/** Loads the plug-in's editor module by name (its runtime module with it) and makes the Blueprint. */
	bool Open(FString& OutError);
	/** Places the node that the action menu lists under Category with Title. */
	UEdGraphNode* SpawnNode(const FString& Category, const FString& Title, FString& OutError);
	/** Places the node of an action-menu entry, as choosing the entry does. */
	UEdGraphNode* SpawnNode(UBlueprintNodeSpawner& Spawner);
	/** Types a value into the box of an input pin. */
	void TypeDefaultValue(UEdGraphPin* Pin, const FString& Value);
	/** Pastes clipboard text into the graph as the editor pastes it; the nodes it created. */
	TArray<UEdGraphNode*> Paste(const FString& Text);
	/** Takes the nodes out of the graph, their links with them. */
	void RemoveNodes(const TArray<UEdGraphNode*>& Nodes);
	/** The clipboard text of the nodes, as the editor copies them. */
	static FString Copy(const TArray<UEdGraphNode*>& Nodes);
	/** Compiles the Blueprint; false with the compiler's errors when it fails. */
	bool Compile(FString& OutError);
	/** After Compile: the value the pin carries at run time. */
	TSharedPtr<const FHostPinValue> Evaluate(const UEdGraphPin* Pin, FString& OutError);

private:
	UPackage* Package = nullptr;
	UBlueprint* Blueprint = nullptr;
	UEdGraph* Graph = nullptr;
	std::unique_ptr<FCompilerResultsLog> Results;
	std::unique_ptr<FKismetCompilerContext> Compiler;
	std::unique_ptr<FHostGraphEvaluator> Evaluator;
};
