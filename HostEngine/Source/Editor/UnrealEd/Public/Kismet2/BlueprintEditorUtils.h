#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "Engine/Blueprint.h"
#include "K2Node_EditablePinBase.h"
#include "Templates/Casts.h"
#include "Templates/SubclassOf.h"

class UEdGraphNode;

/** Editor operations on Blueprints. */
class FBlueprintEditorUtils
{
public:
	/**
	 * Marks the Blueprint as changed in a way that needs a recompile but keeps its structure:
	 * dirty status and a dirty package. Does nothing while the Blueprint is being created or compiled.
	 */
	static UNREALED_API void MarkBlueprintAsModified(UBlueprint* Blueprint);

	/** As MarkBlueprintAsModified, for changes of pins or members; also tells the Blueprint's listeners. */
	static UNREALED_API void MarkBlueprintAsStructurallyModified(UBlueprint* Blueprint);

	/** The Blueprint the graph belongs to, through its outers; null for a graph outside any Blueprint. */
	static UNREALED_API UBlueprint* FindBlueprintForGraph(const UEdGraph* Graph);
	/** As FindBlueprintForGraph; the graph must belong to a Blueprint. */
	static UNREALED_API UBlueprint* FindBlueprintForGraphChecked(const UEdGraph* Graph);
	static UNREALED_API UBlueprint* FindBlueprintForNode(const UEdGraphNode* Node);
	static UNREALED_API UBlueprint* FindBlueprintForNodeChecked(const UEdGraphNode* Node);

	/** Whether the Blueprint has event graphs: classes and level scripts do, libraries and interfaces not. */
	static UNREALED_API bool DoesSupportEventGraphs(const UBlueprint* Blueprint);

	/**
	 * A new empty graph of the class and schema inside ParentScope (a Blueprint), undoable. A graph of
	 * the same name that is there already is moved out of the way, after an ensure.
	 */
	static UNREALED_API UEdGraph* CreateNewGraph(UObject* ParentScope, const FName& GraphName, TSubclassOf<UEdGraph> GraphClass, TSubclassOf<UEdGraphSchema> SchemaClass);

	/**
	 * Gives a function graph its terminator nodes through its schema, without adding the graph to the
	 * Blueprint. A graph the user made gets editable terminators and a callable, overridable, public
	 * function (static in a function library, const in a const Blueprint). SignatureType is UClass
	 * or UFunction, as the schema's CreateFunctionGraphTerminators takes.
	 */
	template <typename SignatureType>
	static void CreateFunctionGraph(UBlueprint* Blueprint, UEdGraph* Graph, bool bIsUserCreated, SignatureType* SignatureFromObject)
	{
		const UEdGraphSchema* const Schema = Graph->GetSchema();
		const UEdGraphSchema_K2* const K2Schema = Cast<const UEdGraphSchema_K2>(Schema);
		Schema->CreateDefaultNodesForGraph(*Graph);
		if (!K2Schema)
		{
			return;
		}
		K2Schema->CreateFunctionGraphTerminators(*Graph, SignatureFromObject);
		if (bIsUserCreated)
		{
			int32 ExtraFunctionFlags = FUNC_BlueprintCallable | FUNC_BlueprintEvent | FUNC_Public;
			if (Blueprint->BlueprintType == BPTYPE_FunctionLibrary)
			{
				ExtraFunctionFlags |= FUNC_Static;
			}
			if (Blueprint->BlueprintType == BPTYPE_Const)
			{
				ExtraFunctionFlags |= FUNC_Const;
			}
			K2Schema->MarkFunctionEntryAsEditable(Graph, true);
			K2Schema->AddExtraFunctionFlags(Graph, ExtraFunctionFlags);
		}
	}

	/** CreateFunctionGraph, then adds the graph to the Blueprint's function graphs: a structural change. */
	template <typename SignatureType>
	static void AddFunctionGraph(UBlueprint* Blueprint, UEdGraph* Graph, bool bIsUserCreated, SignatureType* SignatureFromObject)
	{
		CreateFunctionGraph(Blueprint, Graph, bIsUserCreated, SignatureFromObject);
		Blueprint->FunctionGraphs.Add(Graph);
		MarkBlueprintAsStructurallyModified(Blueprint);
	}

	/** Adds the graph to the Blueprint's event graphs: a structural change. */
	static UNREALED_API void AddUbergraphPage(UBlueprint* Blueprint, UEdGraph* Graph);
};
