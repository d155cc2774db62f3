#include "BlueprintNodeSpawner.h"

#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "K2Node.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"

namespace
{
	/** The graph that holds template nodes: transient, kept for the life of the process. */
	UEdGraph* GetTemplateGraph()
	{
		static UEdGraph* const Graph = []()
		{
			UEdGraph* const NewGraph = NewObject<UEdGraph>(GetTransientPackage(), FName(TEXT("BlueprintNodeTemplateGraph")), RF_Transient);
			NewGraph->Schema = UEdGraphSchema_K2::StaticClass();
			NewGraph->AddToRoot();
			return NewGraph;
		}();
		return Graph;
	}
}

UBlueprintNodeSpawner::UBlueprintNodeSpawner(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

UBlueprintNodeSpawner* UBlueprintNodeSpawner::Create(TSubclassOf<UEdGraphNode> const NodeClass, UObject* Outer, FCustomizeNodeDelegate PostSpawnDelegate)
{
	check(NodeClass != nullptr);
	UBlueprintNodeSpawner* const Spawner = NewObject<UBlueprintNodeSpawner>(Outer ? Outer : (UObject*)GetTransientPackage());
	Spawner->NodeClass = NodeClass;
	Spawner->CustomizeNodeDelegate = PostSpawnDelegate;
	return Spawner;
}

void UBlueprintNodeSpawner::BeginDestroy()
{
	if (TemplateNode)
	{
		GetTemplateGraph()->RemoveNode(TemplateNode);
		TemplateNode = nullptr;
	}
	Super::BeginDestroy();
}

UEdGraphNode* UBlueprintNodeSpawner::Invoke(UEdGraph* ParentGraph, FBindingSet const& Bindings, FVector2D const Location) const
{
	return SpawnEdGraphNode(NodeClass, ParentGraph, Bindings, Location, CustomizeNodeDelegate);
}

const FBlueprintActionUiSpec& UBlueprintNodeSpawner::PrimeDefaultUiSpec(UEdGraph* TargetGraph) const
{
	// Filled in place, as the engine does, so that the template node is asked once.
	FBlueprintActionUiSpec& MenuSignature = const_cast<FBlueprintActionUiSpec&>(DefaultMenuSignature);
	const bool bComplete = !MenuSignature.MenuName.IsEmpty() && !MenuSignature.Category.IsEmpty() && !MenuSignature.Tooltip.IsEmpty();
	const UEdGraphNode* const Template = bComplete ? nullptr : GetTemplateNode(TargetGraph);
	if (MenuSignature.MenuName.IsEmpty() && Template)
	{
		MenuSignature.MenuName = Template->GetNodeTitle(ENodeTitleType::MenuTitle);
	}
	if (const UK2Node* const K2Template = Cast<UK2Node>(Template); MenuSignature.Category.IsEmpty() && K2Template)
	{
		MenuSignature.Category = K2Template->GetMenuCategory();
	}
	if (MenuSignature.Tooltip.IsEmpty() && Template)
	{
		MenuSignature.Tooltip = Template->GetTooltipText();
	}
	return MenuSignature;
}

UEdGraphNode* UBlueprintNodeSpawner::GetTemplateNode(UEdGraph* TargetGraph, FBindingSet const& Bindings) const
{
	if (!TemplateNode)
	{
		TemplateNode = Invoke(GetTemplateGraph(), Bindings, FVector2D(0.0, 0.0));
	}
	return TemplateNode;
}

UEdGraphNode* UBlueprintNodeSpawner::SpawnEdGraphNode(TSubclassOf<UEdGraphNode> InNodeClass, UEdGraph* ParentGraph, const FBindingSet& Bindings, FVector2D Location, FCustomizeNodeDelegate PostSpawnDelegate) const
{
	if (InNodeClass == nullptr)
	{
		return nullptr;
	}
	check(ParentGraph);
	const bool bIsTemplateNode = ParentGraph == GetTemplateGraph();
	UEdGraphNode* const NewNode = NewObject<UEdGraphNode>(ParentGraph, InNodeClass, NAME_None, RF_Transactional);
	NewNode->CreateNewGuid();
	NewNode->NodePosX = (int32)Location.X;
	NewNode->NodePosY = (int32)Location.Y;
	PostSpawnDelegate.ExecuteIfBound(NewNode, bIsTemplateNode);
	NewNode->AllocateDefaultPins();
	if (!bIsTemplateNode)
	{
		NewNode->PostPlacedNewNode();
	}
	ParentGraph->AddNode(NewNode, !bIsTemplateNode, false);
	return NewNode;
}
