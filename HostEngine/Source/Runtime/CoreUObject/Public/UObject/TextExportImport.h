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
 * Writes the object's own block: what ExportObjectToText writes for it, without the objects inside
 * it. The editor's transactions record objects this way, each on its own.
 */
COREUOBJECT_API void ExportObjectStateToText(const UObject* Object, FString& OutText);

/**
 * Gives the object the state that ExportObjectStateToText wrote: reflected properties the text
 * leaves out go back to the class defaults, the others are read from it, and ImportCustomProperties
 * reads the rest (called even when there is nothing to read, so that the object can drop what it
 * had). The objects inside it are left alone. False when the text is no block of the object's class.
 */
COREUOBJECT_API bool ImportObjectStateFromText(UObject* Object, const TCHAR* Text);

/**
 * Recreates the objects of one exported block inside NewOuter (named NewName, or as exported).
 * References between the recreated objects point at the new copies. Returns null when the text is
 * not a valid block or names a class that does not exist.
 */
COREUOBJECT_API UObject* ImportObjectFromText(const TCHAR* Text, UObject* NewOuter, FName NewName = NAME_None);
