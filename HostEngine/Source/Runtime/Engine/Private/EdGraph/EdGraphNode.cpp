#include "EdGraph/EdGraphNode.h"

#include "EdGraph/EdGraph.h"
#include "EdGraph/EdGraphSchema.h"
#include "Engine/Blueprint.h"
#include "Misc/OutputDevice.h"
#include "Misc/Parse.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"

namespace
{
	const TCHAR PinLinePrefix[] = TEXT("CustomProperties Pin ");

}

UEdGraphNode::UEdGraphNode(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

UEdGraphNode::~UEdGraphNode()
{
	for (UEdGraphPin* Pin : Pins)
	{
		delete Pin;
	}
	for (UEdGraphPin* Pin : TrashedPins)
	{
		delete Pin;
	}
}

void UEdGraphNode::ExportCustomProperties(FOutputDevice& Out, uint32 Indent)
{
	const FString Spaces = FString::ChrN((int32)Indent, ' ');
	FString Lines;
	for (const UEdGraphPin* Pin : Pins)
	{
		Lines.Append(Spaces);
		Lines.Append(PinLinePrefix);
		Pin->ExportTextItem(Lines, PPF_Delimited);
		Lines.Append(TEXT("\r\n"));
	}
	Out.Log(Lines);
}

void UEdGraphNode::ImportCustomProperties(const TCHAR* SourceText, FFeedbackContext* Warn)
{
	TArray<UEdGraphPin*> FormerPins = MoveTemp(Pins);
	Pins.Reset();
	for (const TCHAR* Cursor = SourceText; *Cursor;)
	{
		while (FChar::IsWhitespace(*Cursor))
		{
			++Cursor;
		}
		const TCHAR* PinText = Cursor;
		if (FParse::Command(&PinText, TEXT("CustomProperties")) && FParse::Command(&PinText, TEXT("Pin")))
		{
			UEdGraphPin* Pin = TakeFormerPin(FormerPins, PinText);
			const bool bFormer = Pin != nullptr;
			Pin = bFormer ? Pin : UEdGraphPin::CreatePin(this);
			// The engine reads each pin with the paste's GWarn, which is the host's GLog.
			if (Pin->ImportTextItem(PinText, PPF_Delimited, this, GLog))
			{
				Pins.Add(Pin);
				Cursor = PinText;
			}
			else if (bFormer)
			{
				FormerPins.Add(Pin);
			}
			else
			{
				delete Pin;
			}
		}
		while (*Cursor && *Cursor != '\n')
		{
			++Cursor;
		}
	}
	for (UEdGraphPin* Dropped : FormerPins)
	{
		Dropped->BreakAllPinLinks(false, false);
		Dropped->MarkAsGarbage();
	}
}

void UEdGraphNode::PostEditUndo()
{
	UEdGraphPin::ResolveAllPinReferences();
	Super::PostEditUndo();
}

UEdGraphPin* UEdGraphNode::TakeFormerPin(TArray<UEdGraphPin*>& FormerPins, const TCHAR* PinText)
{
	// The text form starts with the pin's id: "(PinId=<32 hex digits>,".
	const TCHAR IdPrefix[] = TEXT("(PinId=");
	const int32 IdPrefixLength = UE_ARRAY_COUNT(IdPrefix) - 1;
	constexpr int32 NumIdDigits = 32;
	if (FormerPins.IsEmpty() || FCString::Strncmp(PinText, IdPrefix, IdPrefixLength) != 0)
	{
		return nullptr;
	}
	const TCHAR* const Digits = PinText + IdPrefixLength;
	for (int32 Index = 0; Index < NumIdDigits; ++Index)
	{
		if (!FChar::IsHexDigit(Digits[Index]))
		{
			return nullptr;
		}
	}
	FGuid PinId;
	verify(FGuid::Parse(FString::ConstructFromPtrSize(Digits, NumIdDigits), PinId));
	const int32 Index = FormerPins.IndexOfByPredicate([&PinId](const UEdGraphPin* Former) { return Former->PinId == PinId; });
	if (Index == INDEX_NONE)
	{
		return nullptr;
	}
	UEdGraphPin* const Pin = FormerPins[Index];
	FormerPins.RemoveAt(Index);
	return Pin;
}

void UEdGraphNode::AddReferencedObjects(UObject* InThis, FReferenceCollector& Collector)
{
	UEdGraphNode* const This = static_cast<UEdGraphNode*>(InThis);
	for (UEdGraphPin* Pin : This->Pins)
	{
		UObject* DefaultObject = Pin->DefaultObject.Get();
		Collector.AddReferencedObject(DefaultObject, This);
	}
}

UEdGraphPin* UEdGraphNode::CreatePin(EEdGraphPinDirection Dir, const FEdGraphPinType& InPinType, const FName PinName, int32 Index)
{
	UEdGraphPin* const NewPin = UEdGraphPin::CreatePin(this);
	NewPin->PinName = PinName;
	NewPin->Direction = Dir;
	NewPin->PinType = InPinType;
	Modify(false);
	if (Pins.IsValidIndex(Index))
	{
		Pins.Insert(NewPin, Index);
	}
	else
	{
		Pins.Add(NewPin);
	}
	return NewPin;
}

UEdGraphPin* UEdGraphNode::CreatePin(EEdGraphPinDirection Dir, const FName PinCategory, const FName PinSubCategory, UObject* PinSubCategoryObject, const FName PinName, const FCreatePinParams& PinParams)
{
	FEdGraphPinType PinType(PinCategory, PinSubCategory, PinSubCategoryObject, PinParams.ContainerType, PinParams.bIsReference, PinParams.ValueTerminalType);
	PinType.bIsConst = PinParams.bIsConst;
	return CreatePin(Dir, PinType, PinName, PinParams.Index);
}

UEdGraphPin* UEdGraphNode::FindPin(const FName PinName, const EEdGraphPinDirection Direction) const
{
	for (UEdGraphPin* Pin : Pins)
	{
		if (Pin->PinName == PinName && (Direction == EGPD_MAX || Pin->Direction == Direction))
		{
			return Pin;
		}
	}
	return nullptr;
}

UEdGraphPin* UEdGraphNode::FindPin(const FString& PinName, const EEdGraphPinDirection Direction) const
{
	return FindPin(*PinName, Direction);
}

UEdGraphPin* UEdGraphNode::FindPin(const TCHAR* PinName, const EEdGraphPinDirection Direction) const
{
	const FName Name(PinName, FNAME_Find);
	return Name.IsNone() ? nullptr : FindPin(Name, Direction);
}

UEdGraphPin* UEdGraphNode::FindPinChecked(const FName PinName, const EEdGraphPinDirection Direction) const
{
	UEdGraphPin* const Pin = FindPin(PinName, Direction);
	check(Pin);
	return Pin;
}

UEdGraphPin* UEdGraphNode::FindPinChecked(const FString& PinName, const EEdGraphPinDirection Direction) const
{
	return FindPinChecked(*PinName, Direction);
}

UEdGraphPin* UEdGraphNode::FindPinChecked(const TCHAR* PinName, const EEdGraphPinDirection Direction) const
{
	UEdGraphPin* const Pin = FindPin(PinName, Direction);
	check(Pin);
	return Pin;
}

FName UEdGraphNode::CreateUniquePinName(FName SourcePinName) const
{
	FName PinName = SourcePinName;
	for (int32 Number = 1; FindPin(PinName); ++Number)
	{
		PinName = FName(*FString::Printf(TEXT("%s%d"), *SourcePinName.ToString(), Number));
	}
	return PinName;
}

bool UEdGraphNode::RemovePin(UEdGraphPin* Pin)
{
	check(Pin);
	Modify();
	UEdGraphPin* const RootPin = Pin->ParentPin ? Pin->ParentPin : Pin;
	RootPin->BreakAllPinLinks();
	if (Pins.Remove(RootPin) == 0)
	{
		return false;
	}
	for (UEdGraphPin* SubPin : RootPin->SubPins)
	{
		Pins.Remove(SubPin);
		SubPin->MarkAsGarbage();
	}
	RootPin->MarkAsGarbage();
	OnPinRemoved(RootPin);
	return true;
}

void UEdGraphNode::BreakAllNodeLinks(bool bAlwaysMarkDirty)
{
	// Every node loses links once, however many of its pins were linked here.
	TArray<UEdGraphNode*> AffectedNodes;
	TMap<UEdGraphNode*, bool> Seen;
	AffectedNodes.Add(this);
	Seen.Add(this, true);
	for (UEdGraphPin* Pin : Pins)
	{
		for (UEdGraphPin* Linked : Pin->LinkedTo)
		{
			UEdGraphNode* const LinkedNode = Linked->GetOwningNode();
			if (!Seen.Contains(LinkedNode))
			{
				Seen.Add(LinkedNode, true);
				AffectedNodes.Add(LinkedNode);
			}
		}
		Pin->BreakAllPinLinks(false, bAlwaysMarkDirty);
	}
	for (UEdGraphNode* Node : AffectedNodes)
	{
		Node->NodeConnectionListChanged();
	}
}

UEdGraph* UEdGraphNode::GetGraph() const
{
	UEdGraph* const Graph = Cast<UEdGraph>(GetOuter());
	ensure(Graph || GetOuter() == (UObject*)GetTransientPackage());
	return Graph;
}

const UEdGraphSchema* UEdGraphNode::GetSchema() const
{
	const UEdGraph* const Graph = GetGraph();
	return Graph ? Graph->GetSchema() : nullptr;
}

void UEdGraphNode::CreateNewGuid()
{
	NodeGuid = FGuid::NewGuid();
}

FText UEdGraphNode::GetNodeTitle(ENodeTitleType::Type TitleType) const
{
	return FText::FromString(GetClass()->GetName());
}

FText UEdGraphNode::GetTooltipText() const
{
	return GetClass()->GetToolTipText();
}

FText UEdGraphNode::GetPinDisplayName(const UEdGraphPin* Pin) const
{
	return GetSchema()->GetPinDisplayName(Pin);
}

UGraphNodeContextMenuContext::UGraphNodeContextMenuContext(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UGraphNodeContextMenuContext::Init(const UEdGraph* InGraph, const UEdGraphNode* InNode, const UEdGraphPin* InPin, bool bInDebuggingMode)
{
	Graph = InGraph;
	Node = InNode;
	Pin = InPin;
	bIsDebugging = bInDebuggingMode;
	Blueprint = InGraph ? InGraph->GetTypedOuter<UBlueprint>() : nullptr;
	if (Pin)
	{
		Node = Pin->GetOwningNode();
	}
}
