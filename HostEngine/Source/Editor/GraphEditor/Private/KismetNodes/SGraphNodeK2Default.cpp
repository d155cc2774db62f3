#include "KismetNodes/SGraphNodeK2Default.h"
#include "K2Node.h"

void SGraphNodeK2Default::Construct(const FArguments& InArgs, UK2Node* InNode)
{
	GraphNode = InNode;
	SetCursor(EMouseCursor::CardinalCross);
	UpdateGraphNode();
}
