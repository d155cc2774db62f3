#pragma once

#include "CoreMinimal.h"

class FZovaArguments;
class UEdGraphNode;

/** How the json commands print, with --emit-nodes, the node they built instead of running it. */
namespace ZovaNodeText
{
	/** Prints the node's clipboard text, ready to paste into the Blueprint editor; --json is refused. */
	int32 PrintForPaste(UEdGraphNode* Node, const FZovaArguments& Arguments);
}
