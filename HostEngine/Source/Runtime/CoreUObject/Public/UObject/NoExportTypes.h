#pragma once

// Host engine: the engine declares the reflected forms of Core types (FGuid, the string search
// options) in this header for its header tool alone. The host builds them by hand, in
// NoExportTypes.cpp, and its header tool knows their names.

#include "CoreMinimal.h"
#include "UObject/ReflectedTypeAccessors.h"

/** Indicates whether a string search is case sensitive. */
template <>
COREUOBJECT_API UEnum* StaticEnum<ESearchCase::Type>();

/** Indicates whether a string search starts at the beginning or at the end. */
template <>
COREUOBJECT_API UEnum* StaticEnum<ESearchDir::Type>();
