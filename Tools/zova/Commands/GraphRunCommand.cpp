// zova graph run: clipboard text of Blueprint nodes, pasted into a graph as the editor pastes it,
// compiled, and the output pins of the plug-in's JSON nodes (or the pins asked for) evaluated. Nodes
// the host cannot run are left out of the compile, and every value that depends on one is reported
// as such, not guessed.

#include "CoreMinimal.h"
#include "Dom/JsonObject.h"
#include "Dom/JsonValue.h"
#include "EdGraph/EdGraphNode.h"
#include "EdGraphSchema_K2.h"
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

	/**
	 * A pin asked for and what it carries: a value, the node it depends on that does not run here, or
	 * why the evaluator could not give it.
	 */
	struct FPinResult
	{
		FString NodeName;
		FString PinName;
		/** Null for a pin of a node that the paste dropped. */
		const UEdGraphNode* Node = nullptr;
		const UEdGraphPin* Pin = nullptr;
		TSharedPtr<const FHostPinValue> Value;
		FString DependsOn;
		FString Error;
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

	bool IsPluginNode(const UEdGraphNode* Node)
	{
		return Node->GetClass()->GetOuter()->GetName() == PluginNodePackage;
	}

	/** Whether the node's values go to no other node of the text: an end of the graph. */
	bool FeedsNoNode(const UEdGraphNode* Node)
	{
		return !Node->Pins.ContainsByPredicate([](const UEdGraphPin* Pin) { return Pin->Direction == EGPD_Output && !Pin->LinkedTo.IsEmpty(); });
	}

	/**
	 * The outputs shown when no pin is asked for: those of the plug-in's nodes or, in a text without
	 * one, those of the nodes that run and feed no other node.
	 */
	void FindDefaultPins(const FPastedGraph& Pasted, TArray<FPinResult>& OutResults)
	{
		const bool bHasPluginNode = Pasted.Nodes.ContainsByPredicate(&IsPluginNode);
		for (const UEdGraphNode* Node : Pasted.Nodes)
		{
			const bool bShown = bHasPluginNode ? IsPluginNode(Node) : Runs(Node) && FeedsNoNode(Node);
			for (const UEdGraphPin* Pin : Node->Pins)
			{
				if (bShown && Pin->Direction == EGPD_Output && Pin->PinType.PinCategory != UEdGraphSchema_K2::PC_Exec)
				{
					OutResults.Add({Node->GetName(), Pin->GetName(), Node, Pin});
				}
			}
		}
	}

	/**
	 * The pins named NODE.PIN (the node name ends at the first "."), or the default outputs. A node
	 * that does not run here may have lost its pins in the paste, so any pin of it is taken.
	 */
	bool FindRequestedPins(const FPastedGraph& Pasted, const TArray<FString>& Requests, TArray<FPinResult>& OutResults, FString& OutError)
	{
		if (Requests.IsEmpty())
		{
			FindDefaultPins(Pasted, OutResults);
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
			if (Pasted.NotRunClasses.Contains(NodeName))
			{
				OutResults.Add({NodeName, PinName, Node ? *Node : nullptr, nullptr, nullptr, NodeName});
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

	TSharedRef<FJsonObject> ResultToJson(const FPinResult& Result)
	{
		const TSharedRef<FJsonObject> Entry = MakeShared<FJsonObject>();
		Entry->SetStringField(TEXT("node"), Result.NodeName);
		Entry->SetStringField(TEXT("pin"), Result.PinName);
		if (Result.Value)
		{
			Entry->SetField(TEXT("value"), ZovaPinValueOutput::ToJson(*Result.Value));
		}
		else if (!Result.DependsOn.IsEmpty())
		{
			Entry->SetStringField(TEXT("depends_on"), Result.DependsOn);
		}
		else
		{
			Entry->SetStringField(TEXT("error"), Result.Error);
		}
		return Entry;
	}

	void PrintJson(const FPastedGraph& Pasted, const TArray<FPinResult>& Results)
	{
		TArray<TSharedPtr<FJsonValue>> Pins;
		for (const FPinResult& Result : Results)
		{
			Pins.Add(MakeShared<FJsonValueObject>(ResultToJson(Result)));
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
	}

	/** One row per value (per element of a container), then the nodes not run, one line each. */
	void PrintTables(const FPastedGraph& Pasted, const TArray<FPinResult>& Results)
	{
		TArray<TArray<FString>> Rows = {{TEXT("Node"), TEXT("Pin"), TEXT("Value")}};
		for (const FPinResult& Result : Results)
		{
			const FString& NodeName = Result.NodeName;
			const FString& PinName = Result.PinName;
			if (!Result.DependsOn.IsEmpty())
			{
				Rows.Add({NodeName, PinName, DependsOnText(Pasted, Result.DependsOn)});
				continue;
			}
			if (!Result.Value)
			{
				Rows.Add({NodeName, PinName, TEXT("not evaluated: ") + Result.Error});
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
		if (Pasted.NotRun.IsEmpty())
		{
			return;
		}
		TArray<TArray<FString>> NotRunRows = {{TEXT("Not run here"), TEXT("Class")}};
		for (const FZovaOpaqueNode& Opaque : Pasted.NotRun)
		{
			NotRunRows.Add({Opaque.Name, Opaque.ClassPath});
		}
		ZovaOutput::PrintLine(FString());
		ZovaOutput::PrintTable(NotRunRows);
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
		bool bAllGiven = true;
		for (FPinResult& Result : Results)
		{
			if (Result.DependsOn.IsEmpty())
			{
				Result.Value = Session.Evaluate(Result.Pin, Result.Error);
				bAllGiven &= Result.Value.IsValid();
			}
		}
		if (Arguments.WantsJson())
		{
			PrintJson(Pasted, Results);
		}
		else
		{
			PrintTables(Pasted, Results);
		}
		return bAllGiven ? EZovaExit::Success : EZovaExit::Failure;
	}

	const FZovaCommandRegistration GraphRunRegistration({
		TEXT("graph run"),
		TEXT("runs Blueprint nodes copied in the editor (clipboard text) and prints their output values"),
		TEXT("Usage: zova graph run FILE [--pin NODE.PIN ...] [--json]\n\n")
		TEXT("Reads the text that the Blueprint editor puts on the clipboard when nodes are copied (Ctrl+C), from\n")
		TEXT("FILE (any readable path, /dev/stdin too) or, for \"-\", from standard input, and pastes it into a graph\n")
		TEXT("as the editor pastes it: links to nodes that were not copied are dropped. The graph is compiled and the\n")
		TEXT("output pins of the plug-in's JSON nodes are evaluated (in a text without one, the outputs of the nodes\n")
		TEXT("that feed no other), or the pins named with --pin NODE.PIN (the node's name from its Begin Object line,\n")
		TEXT("then the pin's name). Pure engine nodes run as the Blueprint virtual machine runs them: calls of pure\n")
		TEXT("functions (the literal makers, string and array functions among them), reroute knots, enum literals,\n")
		TEXT("Make Array, Make Map, Get, Select, Format Text (with text and string arguments). Events, variables,\n")
		TEXT("functions with execution pins and nodes of classes the host does not have (those of other plug-ins,\n")
		TEXT("for one) are not run: a value that depends on one is shown as \"depends on NODE (class X), not run\n")
		TEXT("here\", and the table ends with the nodes not run, one line each with its class.\n")
		TEXT("--emit-nodes on a json command writes such text for one node.\n\n")
		TEXT("Exit status: 0 when every pin asked for has a value or depends on a node not run here, 1 when the\n")
		TEXT("evaluator could not give one (its row says why), 2 for bad usage or text that is not in the editor's\n")
		TEXT("form (one line names the line number and what was expected there), or a graph that does not compile.\n\n")
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
