#include "Engine/Blueprint.h"

#include "EdGraph/EdGraph.h"
#include "EngineLogs.h"

DEFINE_LOG_CATEGORY(LogBlueprint);

UBlueprint::UBlueprint(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UBlueprint::BroadcastChanged()
{
	ChangedEvent.Broadcast(this);
}
