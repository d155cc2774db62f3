// Pasting clipboard text of graph nodes, which may hold anything. The input, read as UTF-8, is read
// as blocks (with the problem report) and pasted into a Blueprint graph with every node class of the
// plug-ins and the engine loaded. Whatever pasted must survive a copy: the pasted nodes, copied and
// pasted into a second graph, give the same classes, pins and links.

#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "EdGraphUtilities.h"
#include "Engine/Blueprint.h"
#include "FuzzInput.h"
#include "Graph/ZovaClipboardText.h"
#include "Modules/ModuleManager.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"
#include "UObject/TextExportImport.h"
#include "UObject/UObjectGlobals.h"

#include <cstdio>
#include <cstdlib>

namespace
{
	void Require(bool bCondition, const char* What, const FString& Detail = FString())
	{
		if (!bCondition)
		{
			fprintf(stderr, "ClipboardImportFuzz: %s %s\n", What, TCHAR_TO_UTF8(*Detail));
			abort();
		}
	}

	constexpr int64 MaxInputsPerNode = 4096;

	UEdGraph* AddGraph(UBlueprint* Blueprint, const TCHAR* Name)
	{
		UEdGraph* const Graph = NewObject<UEdGraph>(Blueprint, FName(Name));
		Graph->Schema = UEdGraphSchema_K2::StaticClass();
		Blueprint->UbergraphPages.Add(Graph);
		return Graph;
	}

	/** What a copy must keep of a node: its class, and each pin's name, direction and number of links. */
	FString Describe(const UEdGraphNode* Node)
	{
		FString Text = Node->GetClass()->GetName();
		for (const UEdGraphPin* Pin : Node->Pins)
		{
			Text += FString::Printf(TEXT(" %s/%d/%d"), *Pin->PinName.ToString(), (int32)Pin->Direction, Pin->LinkedTo.Num());
		}
		return Text;
	}
}

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
	// The request nodes' factory classes, so that pasted request nodes make their pins.
	FModuleManager::Get().LoadModule(TEXT("ZOVAHttp"));
	ProcessNewlyLoadedUObjects();
	atexit([]()
		{
			CollectGarbage();
		});
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8* Data, size_t Size)
{
	const FString Text = FuzzInput::FromUtf8(std::string_view(reinterpret_cast<const char*>(Data), Size));

	FObjectTextBlocks Blocks;
	FString Problem;
	ParseObjectTextBlocks(*Text, Blocks, &Problem);
	Require(Problem.IsEmpty() || Problem.StartsWith(TEXT("line ")), "a problem that names no line:", Problem);
	for (const FObjectTextBlock& Block : Blocks.Blocks)
	{
		for (const int32 Child : Block.Children)
		{
			Require(Blocks.Blocks.IsValidIndex(Child), "a block holds one that does not exist");
		}
		for (const int32 Line : Block.CustomLineNumbers)
		{
			Require(Line > Block.LineNumber, "a custom line numbered before its block");
		}
		Require(Block.PropertyLineNumbers.Num() == Block.PropertyLines.Num(), "a property line without its number");
		for (const int32 Line : Block.PropertyLineNumbers)
		{
			Require(Line > Block.LineNumber, "a property line numbered before its block");
		}
	}

	// A node makes as many inputs as its NumInputs asks for, in the engine as here: memory in proportion
	// to a number in the text, not to the text. Such inputs are left out, read as zova graph run reads
	// them (which refuses more than 100,000), however the line spells the name or the number.
	for (const int32 Root : Blocks.Roots)
	{
		const FObjectTextBlock& Block = Blocks.Blocks[Root];
		const UClass* const Class = Block.ClassPath.IsEmpty() ? nullptr : Cast<UClass>(StaticFindObject(UClass::StaticClass(), nullptr, *Block.ClassPath));
		FString Property;
		int32 Line = 0;
		if (Class && FZovaClipboardText::GetRequestedInputs(Block, *Class, Property, Line) > MaxInputsPerNode)
		{
			return -1;
		}
	}

	static int32 NumPackages = 0;
	UPackage* const Package = CreatePackage(*FString::Printf(TEXT("/Temp/ClipboardImportFuzz_%d"), ++NumPackages));
	Package->AddToRoot();
	UBlueprint* const Blueprint = NewObject<UBlueprint>(Package, FName(TEXT("FuzzBlueprint")));
	UEdGraph* const Graph = AddGraph(Blueprint, TEXT("EventGraph"));

	const bool bCanPaste = FEdGraphUtilities::CanImportNodesFromText(Graph, Text);
	TArray<UEdGraphNode*> Pasted;
	FEdGraphUtilities::ImportNodesFromText(Graph, Text, Pasted);
	Require(bCanPaste == !Pasted.IsEmpty(), "CanImportNodesFromText does not say whether the paste makes nodes");

	if (!Pasted.IsEmpty())
	{
		TArray<UObject*> Objects;
		for (UEdGraphNode* Node : Pasted)
		{
			Objects.Add(Node);
		}
		FString Copied;
		FEdGraphUtilities::ExportNodesToText(Objects, Copied);
		TArray<UEdGraphNode*> Repasted;
		FEdGraphUtilities::ImportNodesFromText(AddGraph(Blueprint, TEXT("SecondGraph")), Copied, Repasted);
		Require(Repasted.Num() == Pasted.Num(), "a copy of pasted nodes pastes another number of nodes:", Copied.Left(2000));
		for (int32 Index = 0; Index < Pasted.Num(); ++Index)
		{
			Require(Describe(Repasted[Index]) == Describe(Pasted[Index]), "a copy of a pasted node differs:", Describe(Pasted[Index]) + TEXT(" | ") + Describe(Repasted[Index]));
		}
	}

	// Collecting after every input would cost more than the input itself.
	Package->RemoveFromRoot();
	if (NumPackages % 64 == 0)
	{
		CollectGarbage();
	}
	return 0;
}
