#include "BlueprintFunctionNodeSpawner.h"

#include "K2Node_CallFunction.h"
#include "ObjectTools.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"

#define LOCTEXT_NAMESPACE "BlueprintFunctionNodeSpawner"

UBlueprintFunctionNodeSpawner::UBlueprintFunctionNodeSpawner(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

UBlueprintFunctionNodeSpawner* UBlueprintFunctionNodeSpawner::Create(UFunction const* const Function, UObject* Outer)
{
	check(Function);
	UBlueprintFunctionNodeSpawner* const Spawner = NewObject<UBlueprintFunctionNodeSpawner>(Outer ? Outer : (UObject*)GetTransientPackage());
	Spawner->NodeClass = UK2Node_CallFunction::StaticClass();
	Spawner->Function = Function;

	// The menu shows the function as it is declared, whichever node class ends up placing it.
	FBlueprintActionUiSpec& MenuSignature = Spawner->DefaultMenuSignature;
	MenuSignature.MenuName = ObjectTools::GetUserFacingFunctionName(Function);
	MenuSignature.Category = UK2Node_CallFunction::GetDefaultCategoryForFunction(Function, FText::GetEmpty());
	MenuSignature.Tooltip = FText::FromString(ObjectTools::GetDefaultTooltipForFunction(Function));
	if (MenuSignature.Category.IsEmpty())
	{
		MenuSignature.Category = LOCTEXT("UncategorizedFallbackCategory", "Call Function");
	}
	if (MenuSignature.Tooltip.IsEmpty())
	{
		MenuSignature.Tooltip = MenuSignature.MenuName;
	}
	return Spawner;
}

UEdGraphNode* UBlueprintFunctionNodeSpawner::Invoke(UEdGraph* ParentGraph, FBindingSet const& Bindings, FVector2D const Location) const
{
	const UFunction* const CalledFunction = Function;
	const FCustomizeNodeDelegate UserCustomization = CustomizeNodeDelegate;
	const FCustomizeNodeDelegate SetFunction = FCustomizeNodeDelegate::CreateLambda([CalledFunction, UserCustomization](UEdGraphNode* NewNode, bool bIsTemplateNode)
	{
		// A registrar may have given the spawner another node class, such as a latent node that
		// wraps the function itself; only call nodes take the function here.
		if (UK2Node_CallFunction* const CallNode = Cast<UK2Node_CallFunction>(NewNode))
		{
			CallNode->SetFromFunction(CalledFunction);
		}
		UserCustomization.ExecuteIfBound(NewNode, bIsTemplateNode);
	});
	return SpawnEdGraphNode(NodeClass, ParentGraph, Bindings, Location, SetFunction);
}

#undef LOCTEXT_NAMESPACE
