#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphNode.h"

/** A block of clipboard text that pasting drops: its class is no graph node the host has loaded. */
struct FZovaOpaqueNode
{
	FString Name;
	FString ClassPath;
};

/** An input pin of a block that pasting creates, linked in the text to another block of the text. */
struct FZovaTextLink
{
	FString NodeName;
	FName PinName;
	FString FromNodeName;
};

/**
 * Clipboard text as zova reads it before pasting it. The editor pastes what it can and drops the
 * rest quietly; zova refuses text that is not in the editor's form, naming the first line that is
 * not, and keeps aside what the paste may drop: the blocks it cannot create, and the links the text
 * gives each input pin (a node that pastes but cannot make its pins would lose them).
 */
class FZovaClipboardText
{
public:
	/** False, with "line N: expected ..." in OutError, for the first line not in the editor's form. */
	bool Read(const FString& Text, FString& OutError);

	const TArray<FZovaOpaqueNode>& GetOpaqueNodes() const { return OpaqueNodes; }
	const TArray<FZovaTextLink>& GetInputLinks() const { return InputLinks; }

private:
	TArray<FZovaOpaqueNode> OpaqueNodes;
	TArray<FZovaTextLink> InputLinks;
};
