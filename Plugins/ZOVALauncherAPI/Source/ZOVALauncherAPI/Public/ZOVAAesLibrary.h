// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "Kismet/BlueprintFunctionLibrary.h"
#include "ZOVAAesLibrary.generated.h"

UCLASS()
class ZOVALAUNCHERAPI_API UZOVAAesLibrary : public UBlueprintFunctionLibrary
{
	GENERATED_BODY()
};
