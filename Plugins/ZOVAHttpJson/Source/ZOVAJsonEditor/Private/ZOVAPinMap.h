// Copyright ZOVA. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphNode.h"

/** Pin lookups for expansions that reach one pin per key or element. */
namespace ZOVAPinMap
{
	/**
	 * The node's pins of one direction by name (the first of a name, as FindPin finds it), made in one
	 * pass: FindPin walks the pins, so a lookup per key would take time in the square of the keys.
	 */
	TMap<FName, UEdGraphPin*> MapPinsByName(const UEdGraphNode& Node, EEdGraphPinDirection Direction);

	/** The pin of that name in the map; it must be there. */
	UEdGraphPin* FindPinChecked(const TMap<FName, UEdGraphPin*>& PinsByName, const FString& Name);
}
