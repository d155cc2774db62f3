#include "Kismet2/CompilerResultsLog.h"

#include "EdGraph/EdGraphNode.h"
#include "EdGraph/EdGraphPin.h"
#include "EngineLogs.h"
#include "Templates/Casts.h"

void FBacktrackMap::NotifyIntermediateObjectCreation(UObject* NewObject, UObject* SourceObject)
{
	SourceBacktrackMap.Add(NewObject, SourceObject);
}

void FBacktrackMap::NotifyIntermediatePinCreation(UEdGraphPin* NewPin, UEdGraphPin* SourcePin)
{
	PinSourceBacktrackMap.Add(NewPin, SourcePin);
}

UObject* FBacktrackMap::FindSourceObject(UObject* PossiblyDuplicatedObject)
{
	return const_cast<UObject*>(static_cast<const FBacktrackMap*>(this)->FindSourceObject(static_cast<const UObject*>(PossiblyDuplicatedObject)));
}

const UObject* FBacktrackMap::FindSourceObject(const UObject* PossiblyDuplicatedObject) const
{
	const UObject* Current = PossiblyDuplicatedObject;
	// Bounded: each step goes back one compile stage, and a map never holds a cycle on purpose.
	for (int32 Step = 0; Step < SourceBacktrackMap.Num(); ++Step)
	{
		UObject* const* Source = SourceBacktrackMap.Find(Current);
		if (!Source || *Source == Current)
		{
			break;
		}
		Current = *Source;
	}
	return Current;
}

UEdGraphPin* FBacktrackMap::FindSourcePin(UEdGraphPin* PossiblyDuplicatedPin)
{
	return const_cast<UEdGraphPin*>(static_cast<const FBacktrackMap*>(this)->FindSourcePin(static_cast<const UEdGraphPin*>(PossiblyDuplicatedPin)));
}

const UEdGraphPin* FBacktrackMap::FindSourcePin(const UEdGraphPin* PossiblyDuplicatedPin) const
{
	UEdGraphPin* Current = const_cast<UEdGraphPin*>(PossiblyDuplicatedPin);
	for (int32 Step = 0; Step < PinSourceBacktrackMap.Num(); ++Step)
	{
		UEdGraphPin* const* Source = PinSourceBacktrackMap.Find(Current);
		if (!Source || *Source == Current)
		{
			break;
		}
		Current = *Source;
	}
	const UEdGraphNode* const Node = Current->GetOwningNodeUnchecked();
	const UEdGraphNode* const SourceNode = Node ? Cast<UEdGraphNode>(FindSourceObject(Node)) : nullptr;
	if (SourceNode && SourceNode != Node)
	{
		if (UEdGraphPin* const SourcePin = FindPinById(SourceNode, Current->PinId))
		{
			return SourcePin;
		}
	}
	return Current;
}

UEdGraphPin* FBacktrackMap::FindPinById(const UEdGraphNode* Node, const FGuid& PinId) const
{
	TMap<FGuid, UEdGraphPin*>* PinsById = PinsByIdCache.Find(Node);
	if (!PinsById)
	{
		PinsById = &PinsByIdCache.Add(Node, TMap<FGuid, UEdGraphPin*>());
		PinsById->Reserve(Node->Pins.Num());
		for (UEdGraphPin* Pin : Node->Pins)
		{
			PinsById->Add(Pin->PinId, Pin);
		}
	}
	UEdGraphPin* const* Found = PinsById->Find(PinId);
	return Found ? *Found : nullptr;
}

FCompilerResultsLog::FCompilerResultsLog(bool bIsCompatibleWithEvents)
{
}

void FCompilerResultsLog::NotifyIntermediateObjectCreation(UObject* NewObject, UObject* SourceObject)
{
	SourceBacktrackMap.NotifyIntermediateObjectCreation(NewObject, SourceObject);
}

void FCompilerResultsLog::NotifyIntermediatePinCreation(UEdGraphPin* NewObject, UEdGraphPin* SourceObject)
{
	SourceBacktrackMap.NotifyIntermediatePinCreation(NewObject, SourceObject);
}

UObject* FCompilerResultsLog::FindSourceObject(UObject* PossiblyDuplicatedObject)
{
	return SourceBacktrackMap.FindSourceObject(PossiblyDuplicatedObject);
}

const UObject* FCompilerResultsLog::FindSourceObject(const UObject* PossiblyDuplicatedObject) const
{
	return SourceBacktrackMap.FindSourceObject(PossiblyDuplicatedObject);
}

UEdGraphPin* FCompilerResultsLog::FindSourcePin(UEdGraphPin* PossiblyDuplicatedPin)
{
	return SourceBacktrackMap.FindSourcePin(PossiblyDuplicatedPin);
}

const UEdGraphPin* FCompilerResultsLog::FindSourcePin(const UEdGraphPin* PossiblyDuplicatedPin) const
{
	return SourceBacktrackMap.FindSourcePin(PossiblyDuplicatedPin);
}

TSharedRef<FTokenizedMessage> FCompilerResultsLog::AddMessage(EMessageSeverity::Type Severity, const TCHAR* Format, std::initializer_list<FString> Tokens)
{
	FString Text;
	const FString* NextToken = Tokens.begin();
	for (const TCHAR* Cursor = Format; *Cursor; ++Cursor)
	{
		if (Cursor[0] == '@' && Cursor[1] == '@' && NextToken != Tokens.end())
		{
			Text += *NextToken++;
			++Cursor;
		}
		else
		{
			Text.AppendChar(*Cursor);
		}
	}
	const TSharedRef<FTokenizedMessage> Message = FTokenizedMessage::Create(Severity, FText::FromString(Text));
	Messages.Add(Message);
	if (!bSilentMode && (!bLogInfoOnly || Severity == EMessageSeverity::Info))
	{
		// The engine's editor names the asset the way its asset log does; the host writes the path.
		const FString Line = (SourcePath.IsEmpty() ? FString() : FString::Printf(TEXT("[AssetLog] %s: "), *SourcePath)) + TEXT("[Compiler] ") + Text;
		if (Severity == EMessageSeverity::Error)
		{
			UE_LOG(LogBlueprint, Error, TEXT("%s"), *Line);
		}
		else if (Severity == EMessageSeverity::Warning || Severity == EMessageSeverity::PerformanceWarning)
		{
			UE_LOG(LogBlueprint, Warning, TEXT("%s"), *Line);
		}
		else
		{
			UE_LOG(LogBlueprint, Log, TEXT("%s"), *Line);
		}
	}
	return Message;
}

FString FCompilerResultsLog::GetTokenText(const UObject* Object) const
{
	if (!Object)
	{
		return TEXT("None");
	}
	// The author knows the node that an intermediate one was made from.
	const UObject* const Source = FindSourceObject(Object);
	if (const UEdGraphNode* const Node = Cast<UEdGraphNode>(Source))
	{
		return Node->GetNodeTitle(ENodeTitleType::ListView).ToString();
	}
	return Source->GetName();
}

FString FCompilerResultsLog::GetTokenText(const UEdGraphPin* Pin) const
{
	if (!Pin)
	{
		return TEXT("None");
	}
	return FString::Printf(TEXT("%s (%s)"), *Pin->GetDisplayName().ToString(), *GetTokenText(Pin->GetOwningNodeUnchecked()));
}
