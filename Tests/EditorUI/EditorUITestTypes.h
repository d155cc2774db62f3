#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "EditorUITestTypes.generated.h"

/** An object that menu actions and transactions act on. */
UCLASS()
class UTestEditTarget : public UObject
{
	GENERATED_BODY()

public:
	UPROPERTY()
	TArray<FString> Keys;

	/** A menu action: appends the key, as many times as asked. */
	void AddKey(FString Key, int32 Times);
};
