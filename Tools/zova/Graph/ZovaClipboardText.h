#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphNode.h"

/** A block of clipboard text that pasting drops: its class is no graph node the host has loaded. */
struct FZovaOpaqueNode
{
	FString Name;
	FString ClassPath;
};

/** A pin of a block that pasting creates, linked in the text to an opaque node. */
struct FZovaOpaqueLink
{
	FString NodeName;
	FName PinName;
	EEdGraphPinDirection Direction = EGPD_Input;
	FString OpaqueNodeName;
};

/**
 * Clipboard text as zova reads it before pasting it. The editor pastes what it can and drops the
 * rest quietly; zova refuses text that is not in the editor's form, naming the first line that is
 * not, and keeps aside what the paste drops: the blocks it cannot create and the pins linked to them.
 */
class FZovaClipboardText
{
public:
	/** False, with "line N: expected ..." in OutError, for the first line not in the editor's form. */
	bool Read(const FString& Text, FString& OutError);

	const TArray<FZovaOpaqueNode>& GetOpaqueNodes() const { return OpaqueNodes; }
	const TArray<FZovaOpaqueLink>& GetOpaqueLinks() const { return OpaqueLinks; }

private:
	TArray<FZovaOpaqueNode> OpaqueNodes;
	TArray<FZovaOpaqueLink> OpaqueLinks;
};
