#include "K2Node_AsyncAction.h"

#include "BlueprintActionDatabaseRegistrar.h"
#include "BlueprintFunctionNodeSpawner.h"
#include "Kismet/BlueprintAsyncActionBase.h"
#include "Templates/Casts.h"
#include "UObject/UnrealType.h"
#include "UObject/WeakObjectPtrTemplates.h"

// UK2Node_AsyncAction

UK2Node_AsyncAction::UK2Node_AsyncAction(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
	ProxyActivateFunctionName = GET_FUNCTION_NAME_CHECKED(UBlueprintAsyncActionBase, Activate);
}

void UK2Node_AsyncAction::GetMenuActions(FBlueprintActionDatabaseRegistrar& ActionRegistrar) const
{
	UClass* const NodeClass = GetClass();
	ActionRegistrar.RegisterClassFactoryActions<UBlueprintAsyncActionBase>(FBlueprintActionDatabaseRegistrar::FMakeFuncSpawnerDelegate::CreateLambda([NodeClass](const UFunction* FactoryFunction) -> UBlueprintNodeSpawner*
	{
		// Such a class brings a node of its own for its factories.
		if (FactoryFunction->GetOuterUClass()->HasMetaData(TEXT("HasDedicatedAsyncNode")))
		{
			return nullptr;
		}
		UBlueprintNodeSpawner* const Spawner = UBlueprintFunctionNodeSpawner::Create(FactoryFunction);
		check(Spawner);
		Spawner->NodeClass = NodeClass;
		const TWeakObjectPtr<UFunction> WeakFactory(const_cast<UFunction*>(FactoryFunction));
		Spawner->CustomizeNodeDelegate = UBlueprintNodeSpawner::FCustomizeNodeDelegate::CreateLambda([WeakFactory](UEdGraphNode* NewNode, bool bIsTemplateNode)
		{
			UK2Node_AsyncAction* const Node = CastChecked<UK2Node_AsyncAction>(NewNode);
			if (const UFunction* const Factory = WeakFactory.Get())
			{
				Node->ProxyFactoryFunctionName = Factory->GetFName();
				Node->ProxyFactoryClass = Factory->GetOuterUClass();
				Node->ProxyClass = CastFieldChecked<FObjectProperty>(Factory->GetReturnProperty())->PropertyClass;
			}
		});
		return Spawner;
	}));
}
