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
	TArray<const FObjectTextBlock*> PastedBlocks;
	TMap<FString, bool> NamesPasted;
	for (const int32 Root : Blocks.Roots)
	{
		const FObjectTextBlock& Block = Blocks.Blocks[Root];
		UClass* const Class = FindPastableClass(Block);
		if (!Class)
		{
			continue;
		}
		// The engine keeps whatever name the text gives (and asserts on one too long to hold); the host
		// gives such a node a fresh name, as it does a block without one and a block that repeats the
		// name of an earlier one (links by that name then go to the earlier block, as they read).
		const bool bUsable = IsUsableNodeName(Block.Name) && !NamesPasted.Contains(Block.Name);
		const FName Name = bUsable ? FName(*Block.Name) : MakeUniqueObjectName(DestinationGraph, Class);
		if (UObject* const InTheWay = StaticFindObjectFast(nullptr, DestinationGraph, Name))
		{
			InTheWay->Rename(*MakeUniqueObjectName(DestinationGraph, InTheWay->GetClass()).ToString());
		}
		NamesPasted.Add(Name.ToString(), true);
		UEdGraphNode* const Node = NewObject<UEdGraphNode>(DestinationGraph, Class, Name, RF_Transactional);
		Pasted.Add(Node);
		PastedBlocks.Add(&Block);
	}
	for (int32 Index = 0; Index < Pasted.Num(); ++Index)
	{
		ImportObjectTextProperties(Pasted[Index], *PastedBlocks[Index]);
		Pasted[Index]->ImportCustomProperties(*PastedBlocks[Index]->CustomText, nullptr);
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
