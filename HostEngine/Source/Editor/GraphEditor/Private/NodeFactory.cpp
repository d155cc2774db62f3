#include "NodeFactory.h"
#include "EdGraph/EdGraphNode.h"
#include "EdGraph/EdGraphPin.h"
#include "EdGraphSchema_K2.h"
#include "K2Node.h"
#include "KismetNodes/SGraphNodeK2Default.h"
#include "KismetPins/SGraphPinExec.h"
#include "KismetPins/SGraphPinString.h"
#include "SGraphPin.h"
#include "Templates/Casts.h"

TSharedPtr<SGraphNode> FNodeFactory::CreateNodeWidget(UEdGraphNode* InNode)
{
	check(InNode);
	if (const TSharedPtr<SGraphNode> VisualWidget = InNode->CreateVisualWidget())
	{
		return VisualWidget;
	}
	UK2Node* const K2Node = Cast<UK2Node>(InNode);
	checkf(K2Node, TEXT("The host has widgets for Blueprint nodes only"));
	return SNew(SGraphNodeK2Default, K2Node);
}

TSharedPtr<SGraphPin> FNodeFactory::CreatePinWidget(UEdGraphPin* InPin)
{
	check(InPin);
	const FName Category = InPin->PinType.PinCategory;
	if (Category == UEdGraphSchema_K2::PC_Exec)
	{
		return SNew(SGraphPinExec, InPin);
	}
	if (Category == UEdGraphSchema_K2::PC_String && !InPin->PinType.IsContainer())
	{
		return SNew(SGraphPinString, InPin);
	}
	return SNew(SGraphPin, InPin);
}
