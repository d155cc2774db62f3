#include "Engine/Blueprint.h"

#include "EdGraph/EdGraph.h"

UBlueprint::UBlueprint(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UBlueprint::BroadcastChanged()
{
	ChangedEvent.Broadcast(this);
}
