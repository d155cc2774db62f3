#include "BlueprintFunctionNodeSpawner.h"

#include "K2Node_CallFunction.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"

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
	return Spawner;
}

UEdGraphNode* UBlueprintFunctionNodeSpawner::Invoke(UEdGraph* ParentGraph, FBindingSet const& Bindings, FVector2D const Location) const
{
	const UFunction* const CalledFunction = Function;
	const FCustomizeNodeDelegate UserCustomization = CustomizeNodeDelegate;
	const FCustomizeNodeDelegate SetFunction = FCustomizeNodeDelegate::CreateLambda([CalledFunction, UserCustomization](UEdGraphNode* NewNode, bool bIsTemplateNode)
	{
		CastChecked<UK2Node_CallFunction>(NewNode)->SetFromFunction(CalledFunction);
		UserCustomization.ExecuteIfBound(NewNode, bIsTemplateNode);
	});
	return SpawnEdGraphNode(NodeClass, ParentGraph, Bindings, Location, SetFunction);
}
