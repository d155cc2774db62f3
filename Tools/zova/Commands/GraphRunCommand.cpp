// zova graph run: clipboard text of Blueprint nodes, pasted into a graph as the editor pastes it,
// compiled, and the output pins of the plug-in's JSON nodes (or the pins asked for) evaluated. Nodes
// the host cannot run are left out of the compile, and every value that depends on one is reported
// as such, not guessed.

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "EdGraph/EdGraphNode.h"
#include "Graph/ZovaClipboardText.h"
#include "Graph/ZovaGraphSession.h"
#include "Graph/ZovaPinValueOutput.h"
#include "K2Node.h"
#include "Modules/ModuleManager.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"
#include "ZovaArguments.h"
#include "ZovaCommand.h"
#include "ZovaOutput.h"

namespace
{
	const TCHAR* const PluginNodePackage = TEXT("/Script/ZOVAJsonEditor");
	const TCHAR* const HttpModuleName = TEXT("ZOVAHttp");

	/** A pin asked for and what it carries: a value, or the node it depends on that does not run here. */
	struct FPinResult
	{
		FString NodeName;
		FString PinName;
		/** Null for a pin of a node that the paste dropped. */
		const UEdGraphNode* Node = nullptr;
		const UEdGraphPin* Pin = nullptr;
		TSharedPtr<const FHostPinValue> Value;
		FString DependsOn;
	};

	/**
	 * The pasted graph and what does not run in it: opaque nodes by name with their class, and every
	 * pasted node whose values depend on one, with the first such opaque node.
	 */
	struct FPastedGraph
	{
		TArray<UEdGraphNode*> Nodes;
		TMap<FString, UEdGraphNode*> NodesByName;
		TArray<FZovaOpaqueNode> NotRun;
		/** The class of each node in NotRun, by name. */
		TMap<FString, FString> NotRunClasses;
		TMap<const UEdGraphNode*, FString> DependsOn;
	};

	bool Runs(const UEdGraphNode* Node)
	{
		const UK2Node* const K2Node = Cast<UK2Node>(Node);
		return K2Node && K2Node->IsNodePure();
	}

	/** Marks the node, and every node downstream of it, as depending on the opaque node. */
	void MarkDownstream(FPastedGraph& Pasted, const UEdGraphNode* Start, const FString& OpaqueName)
	{
		TArray<const UEdGraphNode*> Pending = {Start};
		while (!Pending.IsEmpty())
		{
			const UEdGraphNode* const Node = Pending.Pop();
			if (Pasted.DependsOn.Contains(Node))
			{
				continue;
			}
			Pasted.DependsOn.Add(Node, OpaqueName);
			for (const UEdGraphPin* Pin : Node->Pins)
			{
				if (Pin->Direction == EGPD_Output)
				{
					for (const UEdGraphPin* Linked : Pin->LinkedTo)
					{
						Pending.Add(Linked->GetOwningNode());
					}
				}
			}
		}
	}

	/**
	 * Pastes the text and sets apart what does not run: dropped blocks, pasted nodes that are not pure,
	 * and every node downstream of one, by the links the text gives (which a node that could not make
	 * its pins has lost in the paste).
	 */
	FPastedGraph PasteAndSetApart(FZovaGraphSession& Session, const FString& Text, const FZovaClipboardText& Clipboard)
	{
		FPastedGraph Pasted;
		Pasted.Nodes = Session.Paste(Text);
		for (const FString& Note : Clipboard.DescribeRenamedNodes(Pasted.Nodes))
		{
			ZovaOutput::PrintError(Note);
		}
		Pasted.NotRun = Clipboard.GetOpaqueNodes();
		for (UEdGraphNode* Node : Pasted.Nodes)
		{
			Pasted.NodesByName.Add(Node->GetName(), Node);
			if (!Runs(Node))
			{
				Pasted.NotRun.Add({Node->GetName(), Node->GetClass()->GetPathName()});
			}
		}
		for (const FZovaOpaqueNode& Opaque : Pasted.NotRun)
		{
			Pasted.NotRunClasses.Add(Opaque.Name, Opaque.ClassPath);
		}
		for (const FZovaTextLink& Link : Clipboard.GetInputLinks())
		{
			UEdGraphNode* const Node = Pasted.Nodes.IsValidIndex(Link.NodeIndex) ? Pasted.Nodes[Link.NodeIndex] : nullptr;
			const FString FromName = Pasted.Nodes.IsValidIndex(Link.FromNodeIndex) ? Pasted.Nodes[Link.FromNodeIndex]->GetName() : Link.FromNodeName;
			if (Node && Runs(Node) && Pasted.NotRunClasses.Contains(FromName))
			{
				MarkDownstream(Pasted, Node, FromName);
			}
		}
		TArray<UEdGraphNode*> Removed;
		for (UEdGraphNode* Node : Pasted.Nodes)
		{
			if (!Runs(Node) || Pasted.DependsOn.Contains(Node))
			{
				Removed.Add(Node);
			}
		}
		Session.RemoveNodes(Removed);
		return Pasted;
	}

	/** The pins named NODE.PIN (the node name ends at the first "."), or every output of the plug-in's nodes. */
	bool FindRequestedPins(const FPastedGraph& Pasted, const TArray<FString>& Requests, TArray<FPinResult>& OutResults, FString& OutError)
	{
		if (Requests.IsEmpty())
		{
			for (const UEdGraphNode* Node : Pasted.Nodes)
			{
				if (Node->GetClass()->GetOuter()->GetName() != PluginNodePackage)
				{
					continue;
				}
				for (const UEdGraphPin* Pin : Node->Pins)
				{
					if (Pin->Direction == EGPD_Output)
					{
						OutResults.Add({Node->GetName(), Pin->GetName(), Node, Pin});
					}
				}
			}
			return true;
		}
		for (const FString& Request : Requests)
		{
			FString NodeName;
			FString PinName;
			if (!Request.Split(TEXT("."), &NodeName, &PinName, ESearchCase::CaseSensitive) || NodeName.IsEmpty() || PinName.IsEmpty())
			{
				OutError = FString::Printf(TEXT("--pin %s is not NODE.PIN"), *Request);
				return false;
			}
			UEdGraphNode* const* const Node = Pasted.NodesByName.Find(NodeName);
			if (!Node && Pasted.NotRunClasses.Contains(NodeName))
			{
				OutResults.Add({NodeName, PinName, nullptr, nullptr, nullptr, NodeName});
				continue;
			}
			if (!Node)
			{
				OutError = FString::Printf(TEXT("the text holds no node named %s"), *NodeName);
				return false;
			}
			// An output first, for a node with an input and an output of the same name.
			const UEdGraphPin* Pin = (*Node)->FindPin(PinName, EGPD_Output);
			Pin = Pin ? Pin : (*Node)->FindPin(PinName);
			if (!Pin)
			{
				OutError = FString::Printf(TEXT("the node %s has no pin \"%s\""), *NodeName, *PinName);
				return false;
			}
			OutResults.Add({NodeName, PinName, *Node, Pin});
		}
		return true;
	}

	FString DependsOnText(const FPastedGraph& Pasted, const FString& OpaqueName)
	{
		return FString::Printf(TEXT("depends on %s (class %s), not run here"), *OpaqueName, *Pasted.NotRunClasses.FindChecked(OpaqueName));
	}

	void PrintResults(const FPastedGraph& Pasted, const TArray<FPinResult>& Results, bool bJson)
	{
		if (bJson)
		{
			TArray<TSharedPtr<FJsonValue>> Pins;
			for (const FPinResult& Result : Results)
			{
				const TSharedRef<FJsonObject> Entry = MakeShared<FJsonObject>();
				Entry->SetStringField(TEXT("node"), Result.NodeName);
				Entry->SetStringField(TEXT("pin"), Result.PinName);
				if (Result.Value)
				{
					Entry->SetField(TEXT("value"), ZovaPinValueOutput::ToJson(*Result.Value));
				}
				else
				{
					Entry->SetStringField(TEXT("depends_on"), Result.DependsOn);
				}
				Pins.Add(MakeShared<FJsonValueObject>(Entry));
			}
			TArray<TSharedPtr<FJsonValue>> NotRun;
			for (const FZovaOpaqueNode& Opaque : Pasted.NotRun)
			{
				const TSharedRef<FJsonObject> Entry = MakeShared<FJsonObject>();
				Entry->SetStringField(TEXT("name"), Opaque.Name);
				Entry->SetStringField(TEXT("class"), Opaque.ClassPath);
				NotRun.Add(MakeShared<FJsonValueObject>(Entry));
			}
			const TSharedRef<FJsonObject> Object = MakeShared<FJsonObject>();
			Object->SetArrayField(TEXT("pins"), Pins);
			Object->SetArrayField(TEXT("unknown_nodes"), NotRun);
			ZovaOutput::PrintJson(Object);
			return;
		}
		TArray<TArray<FString>> Rows = {{TEXT("Node"), TEXT("Pin"), TEXT("Value")}};
		for (const FPinResult& Result : Results)
		{
			const FString& NodeName = Result.NodeName;
			const FString& PinName = Result.PinName;
			if (!Result.Value)
			{
				Rows.Add({NodeName, PinName, DependsOnText(Pasted, Result.DependsOn)});
				continue;
			}
			const TArray<FString> Lines = ZovaPinValueOutput::ToLines(*Result.Value);
			if (!Result.Pin->PinType.IsContainer())
			{
				Rows.Add({NodeName, PinName, Lines.IsEmpty() ? FString() : Lines[0]});
				continue;
			}
			if (Lines.IsEmpty())
			{
				Rows.Add({NodeName, PinName + TEXT(" []"), FString()});
			}
			for (int32 Element = 0; Element < Lines.Num(); ++Element)
			{
				Rows.Add({NodeName, FString::Printf(TEXT("%s [%d]"), *PinName, Element), Lines[Element]});
			}
		}
		ZovaOutput::PrintTable(Rows);
	}

	int32 RunGraphRun(const FZovaArguments& Arguments)
	{
		if (Arguments.NumPositional() != 1)
		{
			return ZovaOutput::UsageError(TEXT("graph run takes one FILE, or - for standard input (see zova graph run --help)"));
		}
		FString Text;
		FString Error;
		FZovaGraphSession Session;
		FZovaClipboardText Clipboard;
		if (!Arguments.ReadFilePositional(0, Text, Error) || !Session.Open(Error))
		{
			return ZovaOutput::UsageError(Error);
		}
		// The request nodes' factories, so that a pasted request node finds its class.
		if (!FModuleManager::Get().LoadModule(HttpModuleName))
		{
			return ZovaOutput::UsageError(FString::Printf(TEXT("cannot load the module %s (libUnrealEditor-%s.so beside zova)"), HttpModuleName, HttpModuleName));
		}
		if (!Clipboard.Read(Text, Error))
		{
			return ZovaOutput::UsageError(Error);
		}
		for (const FString& Warning : Clipboard.GetWarnings())
		{
			ZovaOutput::PrintError(Warning);
		}
		const FPastedGraph Pasted = PasteAndSetApart(Session, Text, Clipboard);
		const TArray<FString> Requests = Arguments.GetOptionValues(TEXT("pin"));
		TArray<FPinResult> Results;
		if (!FindRequestedPins(Pasted, Requests, Results, Error))
		{
			return ZovaOutput::UsageError(Error);
		}
		for (FPinResult& Result : Results)
		{
			if (const FString* const DependsOn = Result.Node ? Pasted.DependsOn.Find(Result.Node) : nullptr)
			{
				Result.DependsOn = *DependsOn;
			}
			else if (Result.Node && !Runs(Result.Node))
			{
				Result.DependsOn = Result.Node->GetName();
			}
		}
		const bool bEvaluates = Results.ContainsByPredicate([](const FPinResult& Result) { return Result.DependsOn.IsEmpty(); });
		if (bEvaluates && !Session.Compile(Error))
		{
			return ZovaOutput::UsageError(Error);
		}
		for (FPinResult& Result : Results)
		{
			if (Result.DependsOn.IsEmpty())
			{
				Result.Value = Session.Evaluate(Result.Pin, Error);
				if (!Result.Value)
				{
					return ZovaOutput::UsageError(FString::Printf(TEXT("cannot evaluate %s.%s: %s"), *Result.Node->GetName(), *Result.Pin->GetName(), *Error));
				}
			}
		}
		PrintResults(Pasted, Results, Arguments.WantsJson());
		return EZovaExit::Success;
	}

	const FZovaCommandRegistration GraphRunRegistration({
		TEXT("graph run"),
		TEXT("runs Blueprint nodes copied in the editor (clipboard text) and prints their output values"),
		TEXT("Usage: zova graph run FILE [--pin NODE.PIN ...] [--json]\n\n")
		TEXT("Reads the text that the Blueprint editor puts on the clipboard when nodes are copied (Ctrl+C), from\n")
		TEXT("FILE or, for \"-\", from standard input, and pastes it into a graph as the editor pastes it: links to\n")
		TEXT("nodes that were not copied are dropped. The graph is compiled and the output pins of the plug-in's JSON\n")
		TEXT("nodes are evaluated, or the pins named with --pin NODE.PIN (the node's name from its Begin Object line,\n")
		TEXT("then the pin's name). Nodes the host cannot run (of other plug-ins, events, variables, functions with\n")
		TEXT("execution pins) are not run: a value that depends on one is shown as \"depends on NODE (class X), not\n")
		TEXT("run here\". --emit-nodes on a json command writes such text for one node.\n\n")
		TEXT("Exit status: 0 when the pins were evaluated, 2 for bad usage or text that is not in the editor's form\n")
		TEXT("(one line names the line number and what was expected there), or a graph that does not compile.\n\n")
		TEXT("Example:\n")
		TEXT("  $ zova json analyze '{\"name\":\"Zova\",\"tags\":[1,2]}' --key name --key tags --emit-nodes | zova graph run -\n")
		TEXT("  Node               Pin      Value\n")
		TEXT("  ZOVAK2Node_Json_1  Success  true\n")
		TEXT("  ZOVAK2Node_Json_1  name     Zova\n")
		TEXT("  ZOVAK2Node_Json_1  tags     [1,2]"),
		{EZovaValue::File},
		{{TEXT("pin"), EZovaValue::Line, true}},
		{},
		&RunGraphRun,
	});
}
