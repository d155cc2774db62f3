#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphNode.h"

struct FObjectTextBlock;

/** A block of clipboard text that pasting drops: its class is no graph node the host has loaded. */
struct FZovaOpaqueNode
{
	FString Name;
	FString ClassPath;
};

/**
 * An input pin of a node that pasting creates, linked in the text to another block: the node by its
 * place among the pasted nodes, in the order of the text, and the other end as the editor's paste finds
 * it by name (the last pasted block of that name holds it), else the dropped block of that name.
 */
struct FZovaTextLink
{
	int32 NodeIndex = INDEX_NONE;
	FName PinName;
	/** The pasted node the link comes from, or INDEX_NONE for a dropped block. */
	int32 FromNodeIndex = INDEX_NONE;
	/** The dropped block the link comes from, when FromNodeIndex is INDEX_NONE. */
	FString FromNodeName;
};

/**
 * Clipboard text as zova reads it before pasting it. The editor pastes what it can and drops the
 * rest, mostly quietly; zova refuses text that is not in the editor's form, naming the first line that
 * is not, says which lines the paste skips, and keeps aside what the paste may drop: the blocks it
 * cannot create, and the links the text gives each input pin (a node that pastes but cannot make its
 * pins would lose them).
 */
class FZovaClipboardText
{
public:
	/** False, with "line N: expected ..." in OutError, for the first line not in the editor's form. */
	bool Read(const FString& Text, FString& OutError);

	const TArray<FZovaOpaqueNode>& GetOpaqueNodes() const { return OpaqueNodes; }
	const TArray<FZovaTextLink>& GetInputLinks() const { return InputLinks; }
	/** "line N: ..." for each pin line the paste skips, naming the field it cannot read. */
	const TArray<FString>& GetWarnings() const { return Warnings; }

	/**
	 * After the paste, given the nodes it created: "line N: ..." for each node that does not carry the
	 * name of its block, as when a later block of the same name took it.
	 */
	TArray<FString> DescribeRenamedNodes(const TArray<UEdGraphNode*>& Pasted) const;

	/**
	 * How many inputs the block asks a node of the class for, through the properties that set how
	 * many a node makes (NumInputs, NumAdditionalInputs), each read as the paste reads it: the largest,
	 * with its property and line; 0 and line 0 when no line sets one.
	 */
	static int64 GetRequestedInputs(const FObjectTextBlock& Block, const UClass& Class, FString& OutPropertyName, int32& OutLineNumber);

private:
	/** The name and line of each block that pasting creates, in order. */
	struct FPastedBlock
	{
		FString Name;
		int32 LineNumber;
	};

	TArray<FZovaOpaqueNode> OpaqueNodes;
	TArray<FZovaTextLink> InputLinks;
	TArray<FString> Warnings;
	TArray<FPastedBlock> PastedBlocks;
};
