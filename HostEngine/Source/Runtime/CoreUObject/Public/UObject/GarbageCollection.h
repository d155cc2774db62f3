#pragma once

#include "CoreMinimal.h"
#include "UObject/UObjectGlobals.h"

/** The flags that keep an unreferenced object through a collection: RF_Standalone in the editor, none in a game. */
#define GARBAGE_COLLECTION_KEEPFLAGS (GIsEditor ? RF_Standalone : RF_NoFlags)
