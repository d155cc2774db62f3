#include "EdGraphUtilities.h"

#include "EdGraph/EdGraph.h"
#include "EdGraph/EdGraphNode.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"
#include "UObject/TextExportImport.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	/** The class of a block that pasting creates: a graph node class that is loaded and not abstract. */
	UClass* FindPastableClass(const FObjectTextBlock& Block)
	{
		UClass* const Class = Block.ClassPath.IsEmpty() ? nullptr : Cast<UClass>(StaticFindObject(UClass::StaticClass(), nullptr, *Block.ClassPath));
		return Class && Class->IsChildOf(UEdGraphNode::StaticClass()) && !Class->HasAnyClassFlags(CLASS_Abstract) ? Class : nullptr;
	}

	/**
	 * Whether the block's name can name the pasted node: one the engine could hold, without the
	 * characters the engine keeps out of object names (which would break the "Node PinId" links of a
	 * later copy).
	 */
	bool IsUsableNodeName(const FString& Name)
	{
		static const FString NotInObjectNames(TEXT("\"' ,/.:|&!~\n\r\t@#(){}[]=;^%$`"));
		if (Name.IsEmpty() || Name.Len() >= NAME_SIZE)
		{
			return false;
		}
		for (const TCHAR Character : Name)
		{
			int32 Found = INDEX_NONE;
			if (NotInObjectNames.FindChar(Character, Found))
			{
				return false;
			}
		}
		return true;
	}

	/**
	 * Links name pins by id, so a node's pins need ids of their own. The editor never writes one id
	 * twice; in text that does, the later pins get fresh ids and links by that id go to the first.
	 */
	void GiveRepeatedPinIdsFreshOnes(UEdGraphNode& Node)
	{
		TMap<FGuid, bool> Ids;
		for (UEdGraphPin* Pin : Node.Pins)
		{
			if (Ids.Contains(Pin->PinId))
			{
				Pin->PinId = FGuid::NewGuid();
			}
			Ids.Add(Pin->PinId, true);
		}
	}

	/** Drops the links of pasted pins to nodes that were not pasted with them, on both sides. */
	void DropLinksLeavingThePaste(const TArray<UEdGraphNode*>& Pasted)
	{
		TMap<const UEdGraphNode*, bool> IsPasted;
		IsPasted.Reserve(Pasted.Num());
		for (const UEdGraphNode* Node : Pasted)
		{
			IsPasted.Add(Node, true);
		}
		for (UEdGraphNode* Node : Pasted)
		{
			for (UEdGraphPin* Pin : Node->Pins)
			{
				for (int32 Index = Pin->LinkedTo.Num() - 1; Index >= 0; --Index)
				{
					UEdGraphPin* const Other = Pin->LinkedTo[Index];
					if (!IsPasted.Contains(Other->GetOwningNode()))
					{
						Other->LinkedTo.RemoveSingle(Pin);
						Pin->LinkedTo.RemoveAt(Index);
					}
				}
			}
		}
	}
}

void FEdGraphUtilities::ExportNodesToText(const TArray<UObject*>& NodesToExport, FString& ExportedText)
{
	const UObject* LastOuter = nullptr;
	for (const UObject* Node : NodesToExport)
	{
		check(!LastOuter || Node->GetOuter() == LastOuter);
		LastOuter = Node->GetOuter();
		ExportObjectToText(Node, ExportedText);
	}
}

void FEdGraphUtilities::ImportNodesFromText(UEdGraph* DestinationGraph, const FString& TextToImport, TArray<UEdGraphNode*>& ImportedNodeSet)
{
	check(DestinationGraph);
	FObjectTextBlocks Blocks;
	ParseObjectTextBlocks(*TextToImport, Blocks);

	TArray<UEdGraphNode*> Pasted;
	TArray<int32> PastedBlocks;
	for (const int32 Root : Blocks.Roots)
	{
		const FObjectTextBlock& Block = Blocks.Blocks[Root];
		UClass* const Class = FindPastableClass(Block);
		if (!Class)
		{
			continue;
		}
		// Each block takes its name, and whatever holds the name already, an earlier block of the same
		// name included, moves out of its way, as the engine's text factory clears a name's use. The
		// engine keeps any name (and asserts on one too long to hold); the host gives a name it cannot
		// use a fresh one.
		const FName Name = IsUsableNodeName(Block.Name) ? FName(*Block.Name) : MakeUniqueObjectName(DestinationGraph, Class);
		if (UObject* const InTheWay = StaticFindObjectFast(nullptr, DestinationGraph, Name))
		{
			InTheWay->Rename(*MakeUniqueObjectName(DestinationGraph, InTheWay->GetClass()).ToString());
		}
		UEdGraphNode* const Node = NewObject<UEdGraphNode>(DestinationGraph, Class, Name, RF_Transactional);
		Pasted.Add(Node);
		PastedBlocks.Add(Root);
	}
	// Every node exists before any reads its text, so a link names whichever node holds the name by then.
	for (int32 Index = 0; Index < Pasted.Num(); ++Index)
	{
		ImportObjectTextBlock(Pasted[Index], Blocks, PastedBlocks[Index]);
		GiveRepeatedPinIdsFreshOnes(*Pasted[Index]);
		Pasted[Index]->PostEditImport();
		DestinationGraph->Nodes.Add(Pasted[Index]);
	}

	UEdGraphPin::ResolveAllPinReferences();
	DropLinksLeavingThePaste(Pasted);
	for (UEdGraphNode* Node : Pasted)
	{
		Node->PostPasteNode();
		Node->ReconstructNode();
		Node->SetFlags(RF_Transactional);
	}
	ImportedNodeSet.Append(Pasted);
}

bool FEdGraphUtilities::CanImportNodesFromText(const UEdGraph* DestinationGraph, const FString& TextToImport)
{
	FObjectTextBlocks Blocks;
	ParseObjectTextBlocks(*TextToImport, Blocks);
	for (const int32 Root : Blocks.Roots)
	{
		if (FindPastableClass(Blocks.Blocks[Root]))
		{
			return true;
		}
	}
	return false;
}
