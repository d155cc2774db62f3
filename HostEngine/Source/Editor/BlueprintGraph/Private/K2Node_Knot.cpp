#include "K2Node_Knot.h"

#include "EdGraphSchema_K2.h"
#include "Templates/Casts.h"

#define LOCTEXT_NAMESPACE "K2Node_Knot"

namespace KnotPinNames
{
	static const FName InputPinName(TEXT("InputPin"));
	static const FName OutputPinName(TEXT("OutputPin"));
}

namespace
{
	bool IsLinkedToTypedPin(const UEdGraphPin* Pin)
	{
		return Pin->LinkedTo.ContainsByPredicate([](const UEdGraphPin* Linked) { return Linked->PinType.PinCategory != UEdGraphSchema_K2::PC_Wildcard; });
	}

	/** The pin of the knot that faces the end the type comes from, and the one facing away from it. */
	UEdGraphPin* GetSourcePin(const UK2Node_Knot* Knot, bool bFromInput)
	{
		return bFromInput ? Knot->GetInputPin() : Knot->GetOutputPin();
	}

	UEdGraphPin* GetDestinationPin(const UK2Node_Knot* Knot, bool bFromInput)
	{
		return bFromInput ? Knot->GetOutputPin() : Knot->GetInputPin();
	}

	/** Both pins of the knot take the type of the first pin linked to its source side, if any. */
	void TakeTypeFromSource(UK2Node_Knot* Knot, bool bFromInput)
	{
		const UEdGraphPin* const SourcePin = GetSourcePin(Knot, bFromInput);
		if (!SourcePin->LinkedTo.IsEmpty())
		{
			const FEdGraphPinType Type = SourcePin->LinkedTo[0]->PinType;
			Knot->GetInputPin()->PinType = Type;
			Knot->GetOutputPin()->PinType = Type;
		}
	}
}

UK2Node_Knot::UK2Node_Knot(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UK2Node_Knot::AllocateDefaultPins()
{
	UEdGraphPin* const InputPin = CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_Wildcard, KnotPinNames::InputPinName);
	InputPin->bDefaultValueIsIgnored = true;
	CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Wildcard, KnotPinNames::OutputPinName);
}

FText UK2Node_Knot::GetNodeTitle(ENodeTitleType::Type TitleType) const
{
	if (TitleType == ENodeTitleType::MenuTitle)
	{
		return LOCTEXT("KnotListTitle", "Add Reroute Node...");
	}
	return LOCTEXT("KnotTitle", "Reroute Node");
}

FText UK2Node_Knot::GetTooltipText() const
{
	return LOCTEXT("KnotTooltip", "Reroute Node (reroutes wires)");
}

void UK2Node_Knot::ExpandNode(FKismetCompilerContext& CompilerContext, UEdGraph* SourceGraph)
{
	Super::ExpandNode(CompilerContext, SourceGraph);
	GetDefault<UEdGraphSchema_K2>()->CombineTwoPinNetsAndRemoveOldPins(GetInputPin(), GetOutputPin());
}

void UK2Node_Knot::NotifyPinConnectionListChanged(UEdGraphPin* Pin)
{
	PropagatePinType();
}

void UK2Node_Knot::PostReconstructNode()
{
	PropagatePinType();
	Super::PostReconstructNode();
}

void UK2Node_Knot::PropagatePinType()
{
	UEdGraphPin* const InputPin = GetInputPin();
	UEdGraphPin* const OutputPin = GetOutputPin();
	if (IsLinkedToTypedPin(InputPin))
	{
		PropagatePinTypeFromDirection(true);
	}
	else if (IsLinkedToTypedPin(OutputPin))
	{
		PropagatePinTypeFromDirection(false);
	}
	else if (!InputPin->LinkedTo.IsEmpty() || !OutputPin->LinkedTo.IsEmpty())
	{
		// Only wildcards around: the input side still gives its container and reference state.
		PropagatePinTypeFromDirection(!InputPin->LinkedTo.IsEmpty());
	}
	else
	{
		for (UEdGraphPin* Pin : {InputPin, OutputPin})
		{
			Pin->BreakAllPinLinks();
			Pin->PinType = FEdGraphPinType();
			Pin->PinType.PinCategory = UEdGraphSchema_K2::PC_Wildcard;
		}
	}
}

void UK2Node_Knot::PropagatePinTypeFromDirection(bool bFromInput)
{
	// The engine walks a chain of knots by recursion, once per knot; here the walk keeps its own lists,
	// so a chain of any length is typed. Knots towards the source end are typed first, farthest first,
	// then this knot, then the knots and nodes towards the other end.
	TMap<const UK2Node_Knot*, bool> Visited;
	Visited.Add(this, true);
	TArray<UK2Node_Knot*> Upstream;
	TArray<TPair<UK2Node_Knot*, bool>> Walk = {{this, false}};
	while (!Walk.IsEmpty())
	{
		TPair<UK2Node_Knot*, bool>& Top = Walk.Last();
		UK2Node_Knot* const Knot = Top.Key;
		if (Top.Value)
		{
			Walk.Pop();
			if (Knot != this)
			{
				Upstream.Add(Knot);
			}
			continue;
		}
		Top.Value = true;
		for (UEdGraphPin* Linked : GetSourcePin(Knot, bFromInput)->LinkedTo)
		{
			UK2Node_Knot* const SourceKnot = Cast<UK2Node_Knot>(Linked->GetOwningNode());
			if (SourceKnot && !Visited.Contains(SourceKnot))
			{
				Visited.Add(SourceKnot, true);
				Walk.Add({SourceKnot, false});
			}
		}
	}
	for (UK2Node_Knot* Knot : Upstream)
	{
		TakeTypeFromSource(Knot, bFromInput);
	}

	TArray<UK2Node_Knot*> Downstream = {this};
	while (!Downstream.IsEmpty())
	{
		UK2Node_Knot* const Knot = Downstream.Pop();
		if (GetSourcePin(Knot, bFromInput)->LinkedTo.IsEmpty())
		{
			continue;
		}
		TakeTypeFromSource(Knot, bFromInput);
		const TArray<UEdGraphPin*> Links = GetDestinationPin(Knot, bFromInput)->LinkedTo;
		for (UEdGraphPin* Linked : Links)
		{
			UK2Node* const Node = Linked ? Cast<UK2Node>(Linked->GetOwningNode()) : nullptr;
			UK2Node_Knot* const NextKnot = Cast<UK2Node_Knot>(Node);
			if (NextKnot && !Visited.Contains(NextKnot))
			{
				Visited.Add(NextKnot, true);
				Downstream.Add(NextKnot);
			}
			else if (Node && !NextKnot)
			{
				Node->PinConnectionListChanged(Linked);
			}
		}
	}
}

#undef LOCTEXT_NAMESPACE
