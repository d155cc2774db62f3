#pragma once

// Host engine: objects as text, in the engine's copy-and-paste form ("Begin Object Class=... End
// Object"). The engine spreads this over UnrealEd's exporters and factories; the host keeps the
// two entry points here so that saving, loading and duplication share them.

#include "CoreMinimal.h"

class UObject;

/**
 * Writes the object and every object inside it (nested blocks), their reflected properties that
 * differ from the class defaults, and what ExportCustomProperties adds.
 */
COREUOBJECT_API void ExportObjectToText(const UObject* Object, FString& OutText);

/**
 * Recreates the objects of one exported block inside NewOuter (named NewName, or as exported).
 * References between the recreated objects point at the new copies. Returns null when the text is
 * not a valid block or names a class that does not exist.
 */
COREUOBJECT_API UObject* ImportObjectFromText(const TCHAR* Text, UObject* NewOuter, FName NewName = NAME_None);
