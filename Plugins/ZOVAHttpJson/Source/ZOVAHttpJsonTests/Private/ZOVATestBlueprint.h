// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphPin.h"
#include "Misc/AutomationTest.h"
#include "Templates/Casts.h"
#include "UObject/Class.h"

#if WITH_DEV_AUTOMATION_TESTS

class UBlueprint;
class UEdGraph;
class UEdGraphNode;
class UK2Node_FunctionEntry;
class UK2Node_FunctionResult;

/**
 * A transient Blueprint whose functions a test builds as an author builds them in the Blueprint
 * editor: parameters added to the entry and return nodes, nodes placed from the action menu, links
 * made through the schema. The test compiles it and calls its functions on an instance of the
 * generated class. Failures are reported to the owning test.
 */
class FZOVATestBlueprint
{
public:
	/** One function graph: its inputs are the entry node's outputs, its outputs the return node's inputs. */
	struct FFunction
	{
		UEdGraph* Graph = nullptr;
		UK2Node_FunctionEntry* Entry = nullptr;
		UK2Node_FunctionResult* Result = nullptr;

		/** Adds an input parameter; returns the entry node's pin for it. */
		UEdGraphPin* AddInput(const TCHAR* Name, FName Category) const;
		/** Adds an output parameter; returns the return node's pin for it. */
		UEdGraphPin* AddOutput(const TCHAR* Name, FName Category, EPinContainerType ContainerType = EPinContainerType::None) const;
	};

	explicit FZOVATestBlueprint(FAutomationTestBase& InTest);
	~FZOVATestBlueprint();

	FZOVATestBlueprint(const FZOVATestBlueprint&) = delete;
	FZOVATestBlueprint& operator=(const FZOVATestBlueprint&) = delete;

	/** A new function with its entry node and a return node that the entry's execution output leads to. */
	FFunction AddFunction(const TCHAR* FunctionName);

	/** Places the node that the action menu offers for the class, as picking the entry does. */
	template <typename NodeType>
	NodeType* SpawnNode(UEdGraph* Graph)
	{
		return Cast<NodeType>(SpawnNode(Graph, NodeType::StaticClass()));
	}

	/** Links two pins through the schema. @return whether the link was made */
	bool Link(UEdGraphPin* PinA, UEdGraphPin* PinB);

	/** Compiles the Blueprint. @return whether it compiled without errors */
	bool Compile();

	/**
	 * Calls a function of the generated class on a new instance. Parms holds the parameters in their
	 * order: the inputs, then the outputs, which the call fills in.
	 * @return whether the function was found and called
	 */
	template <typename ParmsType>
	bool Call(const TCHAR* FunctionName, ParmsType& Parms)
	{
		return Call(FunctionName, &Parms, sizeof(ParmsType));
	}

private:
	UEdGraphNode* SpawnNode(UEdGraph* Graph, UClass* NodeClass);
	bool Call(const TCHAR* FunctionName, void* Parms, int32 ParmsSize);

	FAutomationTestBase& Test;
	UBlueprint* Blueprint = nullptr;
};

#endif
