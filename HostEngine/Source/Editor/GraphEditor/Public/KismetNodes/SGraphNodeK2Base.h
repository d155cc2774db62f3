#pragma once

#include "CoreMinimal.h"
#include "SGraphNode.h"

/**
 * The widget of a Blueprint node. The engine gives operator-like nodes a compact layout here; no
 * host node is compact, so every Blueprint node keeps SGraphNode's standard layout.
 */
class GRAPHEDITOR_API SGraphNodeK2Base : public SGraphNode
{
};
