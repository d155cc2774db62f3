#pragma once

#include "CoreMinimal.h"

class UEdGraph;
class UEdGraphNode;
class UObject;

/**
 * Copy and paste of graph nodes as the editor does them: the clipboard holds one "Begin Object"
 * block per node, with the node's saved properties and one "CustomProperties Pin" line per pin.
 * The engine passes the node sets as TSet; the host Core has no TSet, so they are arrays here, in
 * the order given.
 */
class UNREALED_API FEdGraphUtilities
{
public:
	/** Writes the nodes, which must share one outer, as the editor puts them on the clipboard. */
	static void ExportNodesToText(const TArray<UObject*>& NodesToExport, FString& ExportedText);

	/**
	 * Pastes the text into the graph: a block whose class is no graph node (or is not loaded) is
	 * skipped, an existing node with the name of a pasted one is renamed out of its way, links to
	 * nodes that are not pasted with it are dropped, and every pasted node gets PostPasteNode and
	 * is reconstructed.
	 */
	static void ImportNodesFromText(UEdGraph* DestinationGraph, const FString& TextToImport, TArray<UEdGraphNode*>& ImportedNodeSet);

	/** Whether pasting the text would create at least one node. */
	static bool CanImportNodesFromText(const UEdGraph* DestinationGraph, const FString& TextToImport);
};
