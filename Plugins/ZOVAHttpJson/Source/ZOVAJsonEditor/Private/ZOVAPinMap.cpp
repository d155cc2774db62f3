// Copyright ZOVA. All Rights Reserved.

#include "ZOVAPinMap.h"

#include "EdGraph/EdGraphPin.h"

TMap<FName, UEdGraphPin*> ZOVAPinMap::MapPinsByName(const UEdGraphNode& Node, EEdGraphPinDirection Direction)
{
	TMap<FName, UEdGraphPin*> PinsByName;
	PinsByName.Reserve(Node.Pins.Num());
	for (UEdGraphPin* Pin : Node.Pins)
	{
		if (Pin->Direction == Direction && !PinsByName.Contains(Pin->PinName))
		{
			PinsByName.Add(Pin->PinName, Pin);
		}
	}
	return PinsByName;
}

UEdGraphPin* ZOVAPinMap::FindPinChecked(const TMap<FName, UEdGraphPin*>& PinsByName, const FString& Name)
{
	UEdGraphPin* const* const Pin = PinsByName.Find(FName(*Name));
	check(Pin);
	return *Pin;
}
