#include "KismetCompiler.h"

#include "EdGraphSchema_K2.h"
#include "Engine/BlueprintGeneratedClass.h"
#include "HostGraphEvaluator.h"
#include "K2Node.h"
#include "K2Node_FunctionEntry.h"
#include "K2Node_FunctionResult.h"
#include "Templates/Casts.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/PropertyValueOps.h"
#include "UObject/UnrealType.h"

#include <algorithm>

DEFINE_LOG_CATEGORY(LogK2Compiler);

namespace KismetCompilerLayout
{
	static constexpr int32 AverageNodeWidth = 256;
	static constexpr int32 AverageNodeHeight = 128;
	static constexpr int32 NodePadding = 32;
	static constexpr int32 MaximumSpawnX = 4096;
}

namespace
{
	bool HasAnyLinks(const UEdGraphNode* Node)
	{
		return Node->Pins.ContainsByPredicate([](const UEdGraphPin* Pin) { return !Pin->LinkedTo.IsEmpty(); });
	}

	bool IsExecPin(const UEdGraphPin* Pin)
	{
		return Pin->PinType.PinCategory == UEdGraphSchema_K2::PC_Exec;
	}

	/** Only Blueprint nodes can be pure. */
	bool IsNodePure(const UEdGraphNode* Node)
	{
		const UK2Node* const K2Node = Cast<UK2Node>(Node);
		return K2Node && K2Node->IsNodePure();
	}

	/** Adds to Visited every node reached from the roots through pins that Follow accepts. */
	template <typename FollowType>
	void VisitNodes(const TArray<UEdGraphNode*>& Roots, FollowType&& Follow, TMap<const UEdGraphNode*, bool>& Visited)
	{
		TArray<UEdGraphNode*> Pending = Roots;
		while (!Pending.IsEmpty())
		{
			UEdGraphNode* const Node = Pending.Pop();
			if (Visited.Contains(Node))
			{
				continue;
			}
			Visited.Add(Node, true);
			for (const UEdGraphPin* Pin : Node->Pins)
			{
				if (Follow(Pin))
				{
					for (const UEdGraphPin* Linked : Pin->LinkedTo)
					{
						Pending.Add(Linked->GetOwningNode());
					}
				}
			}
		}
	}

	/** A parameter value type: its C++ type and the property class that holds it. */
	template <typename InValueType, typename InPropertyType>
	struct TParameterType
	{
		typedef InValueType ValueType;
		typedef InPropertyType PropertyType;
	};

	/** Calls Visitor with the TParameterType of the pin category; false for one that no parameter holds on the host. */
	template <typename VisitorType>
	bool VisitParameterType(FName Category, FName SubCategory, VisitorType&& Visitor)
	{
		if (Category == UEdGraphSchema_K2::PC_Boolean)
		{
			Visitor(TParameterType<bool, FBoolProperty>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Byte)
		{
			Visitor(TParameterType<uint8, FByteProperty>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Int)
		{
			Visitor(TParameterType<int32, FIntProperty>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Int64)
		{
			Visitor(TParameterType<int64, FInt64Property>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Real && SubCategory == UEdGraphSchema_K2::PC_Float)
		{
			Visitor(TParameterType<float, FFloatProperty>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Real)
		{
			Visitor(TParameterType<double, FDoubleProperty>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Name)
		{
			Visitor(TParameterType<FName, FNameProperty>());
		}
		else if (Category == UEdGraphSchema_K2::PC_String)
		{
			Visitor(TParameterType<FString, FStrProperty>());
		}
		else if (Category == UEdGraphSchema_K2::PC_Text)
		{
			Visitor(TParameterType<FText, FTextProperty>());
		}
		else
		{
			return false;
		}
		return true;
	}

	int32 AlignOffset(int32 Offset, int32 Alignment)
	{
		return (Offset + Alignment - 1) / Alignment * Alignment;
	}

	/**
	 * Appends a parameter of the pin type to the function, after the last one and aligned as its C++
	 * type is, as linking a function lays its parameters out. Null for a type the host cannot hold
	 * in a parameter (objects, structs, sets, maps).
	 */
	FProperty* AddParameterProperty(UFunction* Function, FName Name, const FEdGraphPinType& Type, EPropertyFlags Flags)
	{
		FProperty* Result = nullptr;
		if (Type.ContainerType != EPinContainerType::None && !Type.IsArray())
		{
			return nullptr;
		}
		VisitParameterType(Type.PinCategory, Type.PinSubCategory, [&](auto ParameterType)
		{
			typedef typename decltype(ParameterType)::ValueType ValueType;
			typedef typename decltype(ParameterType)::PropertyType PropertyType;
			if (Type.IsArray())
			{
				const int32 Offset = AlignOffset(Function->GetPropertiesSize(), alignof(TArray<ValueType>));
				FProperty* const Inner = new PropertyType(Function, Name, CPF_None, 0, GetPropertyValueOps<ValueType>());
				Result = new FArrayProperty(Function, Name, Flags, Offset, GetPropertyValueOps<TArray<ValueType>>(), Inner);
			}
			else
			{
				Result = new PropertyType(Function, Name, Flags, AlignOffset(Function->GetPropertiesSize(), alignof(ValueType)), GetPropertyValueOps<ValueType>());
			}
		});
		if (Result)
		{
			Function->AddCppProperty(Result);
			Function->SetPropertiesSize(Result->GetOffset_ForUFunction() + Result->GetSize());
		}
		return Result;
	}

	/**
	 * What a Blueprint function runs when it is called: the function's compiled graph, kept with the
	 * function, through the graph evaluator (the host has no Blueprint virtual machine).
	 */
	void ExecuteCompiledFunctionGraph(UObject* Context, FFrame& Stack, RESULT_DECL)
	{
		const UFunction* const Function = Stack.Node;
		const TObjectPtr<UObject>* const Script = Function->ScriptAndPropertyObjectReferences.FindByPredicate([](const TObjectPtr<UObject>& Object) { return Object && Object->IsA<UEdGraph>(); });
		const UEdGraph* const CompiledGraph = Script ? Cast<UEdGraph>(Script->Get()) : nullptr;
		if (!CompiledGraph)
		{
			UE_LOG(LogK2Compiler, Error, TEXT("%s cannot run: the last compile of its Blueprint failed"), *Function->GetPathName());
			return;
		}
		FHostGraphEvaluator Evaluator(CompiledGraph);
		FString Error;
		if (!Evaluator.CallFunction(Function, Stack.Locals, Error))
		{
			UE_LOG(LogK2Compiler, Error, TEXT("%s: %s"), *Function->GetPathName(), *Error);
		}
	}
}

FKismetCompilerContext::FKismetCompilerContext(UBlueprint* SourceSketch, FCompilerResultsLog& InMessageLog, const FKismetCompilerOptions& InCompilerOptions)
	: Super(InMessageLog)
	, Blueprint(SourceSketch)
	, Schema(GetDefault<UEdGraphSchema_K2>())
	, CompileOptions(InCompilerOptions)
{
	check(Blueprint);
}

FKismetCompilerContext::~FKismetCompilerContext()
{
	for (UEdGraphNode* Node : ExpandedNodes)
	{
		Node->RemoveFromRoot();
	}
	for (UEdGraphNode* Node : PrunedNodes)
	{
		Node->RemoveFromRoot();
	}
	for (const FKismetFunctionContext& Context : FunctionList)
	{
		Context.SourceGraph->RemoveFromRoot();
	}
	if (ConsolidatedEventGraph)
	{
		ConsolidatedEventGraph->RemoveFromRoot();
	}
}

void FKismetCompilerContext::CompileFunctions(EInternalCompilerFlags InternalFlags)
{
	check(!ConsolidatedEventGraph);
	Blueprint->bBeingCompiled = true;
	// Without a parent class (the host's graph-only Blueprints) there is no class to make; the
	// engine asserts on such a Blueprint.
	if (Blueprint->ParentClass)
	{
		SpawnNewClass(Blueprint->GetName() + TEXT("_C"));
	}
	MergeUbergraphPagesIn();
	ExpansionStep(ConsolidatedEventGraph);
	ValidateGraphIsWellFormed(ConsolidatedEventGraph);
	for (UEdGraph* FunctionGraph : Blueprint->FunctionGraphs)
	{
		ProcessOneFunctionGraph(FunctionGraph);
	}
	// The engine prunes the event graphs too, from their events; the host's have no events, so every
	// node left after expansion counts as reached.
	RegisterNets(ConsolidatedEventGraph);
	for (FKismetFunctionContext& Context : FunctionList)
	{
		PrecompileFunction(Context);
	}
	// A failed compile leaves the functions their signatures but nothing to run.
	if (MessageLog.NumErrors == 0)
	{
		for (const FKismetFunctionContext& Context : FunctionList)
		{
			if (Context.Function)
			{
				Context.Function->ScriptAndPropertyObjectReferences.Add(Context.SourceGraph);
			}
		}
	}
	Blueprint->bBeingCompiled = false;
	if (MessageLog.NumErrors > 0)
	{
		Blueprint->Status = BS_Error;
	}
	else
	{
		Blueprint->Status = MessageLog.NumWarnings > 0 ? BS_UpToDateWithWarnings : BS_UpToDate;
	}
}

FPinConnectionResponse FKismetCompilerContext::MovePinLinksToIntermediate(UEdGraphPin& SourcePin, UEdGraphPin& IntermediatePin)
{
	FPinConnectionResponse Response;
	// A pin kept only because links still pointed at it is reported elsewhere; moving it adds noise.
	if (!SourcePin.bOrphanedPin)
	{
		Response = Schema->MovePinLinks(SourcePin, IntermediatePin, true);
		CheckConnectionResponse(Response, SourcePin.GetOwningNode());
		MessageLog.NotifyIntermediatePinCreation(&IntermediatePin, &SourcePin);
	}
	return Response;
}

FPinConnectionResponse FKismetCompilerContext::CopyPinLinksToIntermediate(UEdGraphPin& SourcePin, UEdGraphPin& IntermediatePin)
{
	FPinConnectionResponse Response;
	if (!SourcePin.bOrphanedPin)
	{
		Response = Schema->CopyPinLinks(SourcePin, IntermediatePin, true);
		CheckConnectionResponse(Response, SourcePin.GetOwningNode());
		MessageLog.NotifyIntermediatePinCreation(&IntermediatePin, &SourcePin);
	}
	return Response;
}

void FKismetCompilerContext::AutoAssignNodePosition(UEdGraphNode* Node)
{
	using namespace KismetCompilerLayout;
	Node->NodePosX = MacroSpawnX;
	Node->NodePosY = MacroSpawnY;
	MacroRowMaxHeight = std::max(MacroRowMaxHeight, AverageNodeHeight);
	MacroSpawnX += AverageNodeWidth + NodePadding;
	if (MacroSpawnX >= MaximumSpawnX)
	{
		MacroSpawnX = 0;
		MacroSpawnY += MacroRowMaxHeight + NodePadding;
		MacroRowMaxHeight = 0;
	}
}

void FKismetCompilerContext::CheckConnectionResponse(const FPinConnectionResponse& Response, const UEdGraphNode* Node)
{
	if (!Response.CanSafeConnect())
	{
		MessageLog.Error(*FString::Printf(TEXT("COMPILER ERROR: failed building connection with '%s' at @@"), *Response.Message.ToString()), Node);
	}
}

void FKismetCompilerContext::PrepareIntermediateNode(UEdGraphNode* Node, UEdGraphNode* SourceNode)
{
	MessageLog.NotifyIntermediateObjectCreation(Node, SourceNode);
	// Derived from the source node's guid and the order of spawning, so every compile of the same
	// graph names its intermediate nodes alike.
	int32& Count = IntermediateCounts.FindOrAdd(SourceNode);
	const FGuid& SourceGuid = SourceNode->NodeGuid;
	const uint32 Salt = GetTypeHash(++Count);
	Node->NodeGuid = FGuid(HashCombine(SourceGuid.A, Salt), HashCombine(SourceGuid.B, Salt), HashCombine(SourceGuid.C, Salt), HashCombine(SourceGuid.D, Salt));
	AutoAssignNodePosition(Node);
}

void FKismetCompilerContext::NoteCopiedNodes(UEdGraph* Copy, UEdGraph* Source)
{
	for (UEdGraphNode* CopiedNode : Copy->Nodes)
	{
		UEdGraphNode* const SourceNode = Cast<UEdGraphNode>(StaticFindObjectFast(UEdGraphNode::StaticClass(), Source, CopiedNode->GetFName()));
		if (SourceNode)
		{
			MessageLog.NotifyIntermediateObjectCreation(CopiedNode, SourceNode);
			// Node guids are not reflected properties in the host, so the copy takes its source's here.
			CopiedNode->NodeGuid = SourceNode->NodeGuid;
		}
	}
}

void FKismetCompilerContext::MergeUbergraphPagesIn()
{
	int32 LowestAuthorNode = 0;
	for (UEdGraph* Page : Blueprint->UbergraphPages)
	{
		UEdGraph* const Copy = DuplicateObject(Page, Blueprint, MakeUniqueObjectName(Blueprint, UEdGraph::StaticClass(), FName(TEXT("ExecuteUbergraph"))));
		Copy->SetFlags(RF_Transient);
		NoteCopiedNodes(Copy, Page);
		for (const UEdGraphNode* CopiedNode : Copy->Nodes)
		{
			LowestAuthorNode = std::max(LowestAuthorNode, CopiedNode->NodePosY);
		}
		if (!ConsolidatedEventGraph)
		{
			ConsolidatedEventGraph = Copy;
			ConsolidatedEventGraph->AddToRoot();
			continue;
		}
		for (UEdGraphNode* CopiedNode : Copy->Nodes)
		{
			CopiedNode->Rename(nullptr, ConsolidatedEventGraph);
			ConsolidatedEventGraph->Nodes.Add(CopiedNode);
		}
		Copy->Nodes.Reset();
	}
	if (!ConsolidatedEventGraph)
	{
		ConsolidatedEventGraph = NewObject<UEdGraph>(Blueprint, MakeUniqueObjectName(Blueprint, UEdGraph::StaticClass(), FName(TEXT("ExecuteUbergraph"))), RF_Transient);
		ConsolidatedEventGraph->Schema = UEdGraphSchema_K2::StaticClass();
		ConsolidatedEventGraph->AddToRoot();
	}
	MacroSpawnY = LowestAuthorNode + KismetCompilerLayout::AverageNodeHeight + KismetCompilerLayout::NodePadding;
}

void FKismetCompilerContext::ProcessOneFunctionGraph(UEdGraph* SourceGraph)
{
	// The copy keeps the graph's name, as the engine's does; a copy an earlier compile left goes aside.
	const FName CopyName(*(SourceGraph->GetName() + TEXT("_MERGED")));
	if (UObject* const EarlierCopy = StaticFindObjectFast(nullptr, Blueprint, CopyName))
	{
		EarlierCopy->Rename(nullptr, GetTransientPackage());
	}
	UEdGraph* const FunctionGraph = DuplicateObject(SourceGraph, Blueprint, CopyName);
	FunctionGraph->SetFlags(RF_Transient);
	FunctionGraph->AddToRoot();
	MessageLog.NotifyIntermediateObjectCreation(FunctionGraph, SourceGraph);
	NoteCopiedNodes(FunctionGraph, SourceGraph);
	FunctionList.AddDefaulted_GetRef().SourceGraph = FunctionGraph;
	ExpansionStep(FunctionGraph);
	ValidateGraphIsWellFormed(FunctionGraph);
}

void FKismetCompilerContext::ExpansionStep(UEdGraph* Graph)
{
	const int32 FirstExpanded = ExpandedNodes.Num();
	// Nodes spawned by an expansion are appended, so this loop reaches them too.
	for (int32 Index = 0; Index < Graph->Nodes.Num(); ++Index)
	{
		UEdGraphNode* const Node = Graph->Nodes[Index];
		const int32 NumNodesBefore = Graph->Nodes.Num();
		if (UK2Node* const K2Node = Cast<UK2Node>(Node))
		{
			K2Node->ExpandNode(*this, Graph);
		}
		// A call node whose expansion placed nodes and left it without links (an operator node with
		// several inputs) is dead; the engine never runs it, and its pins must not stand for the new ones.
		// A function's entry and return nodes stay: they are its parameters.
		const bool bReplacedByExpansion = Graph->Nodes.Num() > NumNodesBefore && !HasAnyLinks(Node);
		if ((!FHostGraphEvaluator::CanEvaluateNode(Node) || bReplacedByExpansion) && !Node->IsA<UK2Node_FunctionTerminator>())
		{
			ExpandedNodes.Add(Node);
		}
	}

	TMap<const UEdGraphNode*, bool> Removed;
	Removed.Reserve(ExpandedNodes.Num() - FirstExpanded);
	for (int32 Index = FirstExpanded; Index < ExpandedNodes.Num(); ++Index)
	{
		UEdGraphNode* const Node = ExpandedNodes[Index];
		if (HasAnyLinks(Node))
		{
			MessageLog.Error(TEXT("@@ is still linked after its expansion; nothing can run it"), Node);
			Node->BreakAllNodeLinks();
		}
		// The log still points at these nodes and their pins; they stay until the compiler goes.
		Node->AddToRoot();
		Removed.Add(Node, true);
	}
	Graph->Nodes.RemoveAll([&Removed](const TObjectPtr<UEdGraphNode>& Node) { return Removed.Contains(Node.Get()); });
}

void FKismetCompilerContext::ValidateGraphIsWellFormed(UEdGraph* Graph)
{
	for (UEdGraphNode* Node : Graph->Nodes)
	{
		Node->ValidateNodeDuringCompilation(MessageLog);
		for (UEdGraphPin* Pin : Node->Pins)
		{
			if (Pin->Direction != EGPD_Output)
			{
				continue;
			}
			for (UEdGraphPin* Linked : Pin->LinkedTo)
			{
				if (!Schema->ArePinTypesCompatible(Pin->PinType, Linked->PinType))
				{
					MessageLog.Error(*FString::Printf(TEXT("@@ (%s) cannot be linked to @@ (%s)"), *UEdGraphSchema_K2::TypeToText(Pin->PinType).ToString(), *UEdGraphSchema_K2::TypeToText(Linked->PinType).ToString()), Pin, Linked);
				}
			}
		}
	}
}

void FKismetCompilerContext::RegisterNets(UEdGraph* Graph)
{
	for (UEdGraphNode* Node : Graph->Nodes)
	{
		for (UEdGraphPin* Pin : Node->Pins)
		{
			if (!Pin->bOrphanedPin && !Schema->IsMetaPin(*Pin) && Pin->Direction == EGPD_Input && Pin->LinkedTo.IsEmpty())
			{
				RegisterLiteral(Pin);
			}
		}
	}
}

void FKismetCompilerContext::RegisterLiteral(UEdGraphPin* Net)
{
	const FString Refusal = Schema->IsCurrentPinDefaultValid(Net);
	if (Refusal.IsEmpty())
	{
		return;
	}
	const FString Default = Net->GetDefaultAsString();
	if (Default.IsEmpty())
	{
		MessageLog.Error(*FString::Printf(TEXT("The current value of the '@@' pin is invalid: %s"), *Refusal), Net);
	}
	else
	{
		MessageLog.Error(*FString::Printf(TEXT("The current value (%s) of the '@@' pin is invalid: %s"), *Default, *Refusal), Net);
	}
}

void FKismetCompilerContext::SpawnNewClass(const FString& NewClassName)
{
	UPackage* const Package = Blueprint->GetPackage();
	NewClass = Cast<UBlueprintGeneratedClass>(Blueprint->GeneratedClass.Get());
	if (!NewClass)
	{
		NewClass = FindObject<UBlueprintGeneratedClass>(Package, *NewClassName);
	}
	if (!NewClass)
	{
		NewClass = NewObject<UBlueprintGeneratedClass>(Package, FName(*NewClassName), RF_Public | RF_Transactional);
	}
	// The functions of the last compile go aside (the engine moves them to a class of its own), so
	// the new ones can take their names.
	while (UFunction* const OldFunction = Cast<UFunction>(NewClass->Children))
	{
		NewClass->RemoveFunctionFromFunctionMap(OldFunction);
		OldFunction->Rename(nullptr, GetTransientPackage());
	}
	UClass* const ParentClass = Blueprint->ParentClass;
	NewClass->SetSuperStruct(ParentClass);
	NewClass->ClassGeneratedBy = Blueprint;
	NewClass->ClassCastFlags |= ParentClass->ClassCastFlags;
	NewClass->ClassWithin = ParentClass->ClassWithin;
	// The Blueprint has no variables of its own on the host: its instances are built as the parent's.
	NewClass->ClassConstructor = ParentClass->ClassConstructor;
	NewClass->ClassAddReferencedObjects = ParentClass->ClassAddReferencedObjects;
	NewClass->SetPropertiesSize(ParentClass->GetPropertiesSize());
	Blueprint->GeneratedClass = NewClass;
}

void FKismetCompilerContext::PruneIsolatedNodes(UEdGraph* InGraph)
{
	// Events and timelines are roots too; the host has function entries only.
	TArray<UEdGraphNode*> RootSet;
	for (UEdGraphNode* Node : InGraph->Nodes)
	{
		if (Node->IsA<UK2Node_FunctionEntry>())
		{
			RootSet.Add(Node);
		}
	}
	const auto Prune = [this, InGraph](int32& Index)
	{
		UEdGraphNode* const Node = InGraph->Nodes[Index];
		Node->BreakAllNodeLinks();
		Node->AddToRoot();
		PrunedNodes.Add(Node);
		InGraph->Nodes.RemoveAtSwap(Index);
		--Index;
	};

	// Impure nodes that no execution path, taken or not, reaches.
	TMap<const UEdGraphNode*, bool> ReachedByExecution;
	VisitNodes(RootSet, [](const UEdGraphPin* Pin) { return Pin->Direction == EGPD_Output && IsExecPin(Pin); }, ReachedByExecution);
	TArray<TPair<UEdGraphNode*, TArray<UEdGraphNode*>>> PrunedWithReaders;
	for (int32 Index = 0; Index < InGraph->Nodes.Num(); ++Index)
	{
		UEdGraphNode* const Node = InGraph->Nodes[Index];
		if (ReachedByExecution.Contains(Node) || IsNodePure(Node))
		{
			continue;
		}
		if (Node->IsA<UK2Node>() && !Node->Pins.ContainsByPredicate(IsExecPin))
		{
			MessageLog.Warning(*FString::Printf(TEXT("Node @@. The node won't be pruned as isolated one. The node is not pure, but it has no exec pin(s). Verify IsNodePure implementation in %s."), *Node->GetClass()->GetDisplayNameText().ToString()), Node);
			continue;
		}
		TArray<UEdGraphNode*> Readers;
		for (const UEdGraphPin* Pin : Node->Pins)
		{
			if (Pin->Direction == EGPD_Output && !IsExecPin(Pin))
			{
				for (const UEdGraphPin* Linked : Pin->LinkedTo)
				{
					Readers.Add(Linked->GetOwningNode());
				}
			}
		}
		PrunedWithReaders.Emplace(Node, MoveTemp(Readers));
		Prune(Index);
	}

	// Nodes that no link at all leads to from a root.
	TMap<const UEdGraphNode*, bool> Linked;
	VisitNodes(RootSet, [](const UEdGraphPin*) { return true; }, Linked);
	for (int32 Index = 0; Index < InGraph->Nodes.Num(); ++Index)
	{
		if (!Linked.Contains(InGraph->Nodes[Index]))
		{
			Prune(Index);
		}
	}

	// Pure nodes whose values no kept impure node reads.
	TArray<UEdGraphNode*> ImpureNodes;
	for (UEdGraphNode* Node : InGraph->Nodes)
	{
		if (ReachedByExecution.Contains(Node) && Node->IsA<UK2Node>() && !IsNodePure(Node))
		{
			ImpureNodes.Add(Node);
		}
	}
	TMap<const UEdGraphNode*, bool> Read;
	VisitNodes(ImpureNodes, [](const UEdGraphPin* Pin) { return Pin->Direction == EGPD_Input && !IsExecPin(Pin); }, Read);
	for (int32 Index = 0; Index < InGraph->Nodes.Num(); ++Index)
	{
		if (IsNodePure(InGraph->Nodes[Index]) && !Read.Contains(InGraph->Nodes[Index]))
		{
			Prune(Index);
		}
	}

	for (const TPair<UEdGraphNode*, TArray<UEdGraphNode*>>& PrunedNode : PrunedWithReaders)
	{
		const bool bReaderKept = PrunedNode.Value.ContainsByPredicate([InGraph](const UEdGraphNode* Reader) { return InGraph->Nodes.Contains(Reader); });
		if (bReaderKept)
		{
			MessageLog.Warning(TEXT("@@ was pruned because its Exec pin is not connected, the connected value is not available and will instead be read as default"), PrunedNode.Key);
		}
	}
}

void FKismetCompilerContext::PrecompileFunction(FKismetFunctionContext& Context)
{
	TArray<UK2Node_FunctionEntry*> EntryPoints;
	Context.SourceGraph->GetNodesOfClass(EntryPoints);
	if (EntryPoints.IsEmpty())
	{
		MessageLog.Error(TEXT("Could not find a root node for the graph @@"), Context.SourceGraph);
		return;
	}
	Context.EntryPoint = EntryPoints[0];
	for (int32 Index = 1; Index < EntryPoints.Num(); ++Index)
	{
		MessageLog.Error(TEXT("Expected only one function entry node in graph @@, but found both @@ and @@"), Context.SourceGraph, Context.EntryPoint, EntryPoints[Index]);
	}
	PruneIsolatedNodes(Context.SourceGraph);
	if (!NewClass)
	{
		RegisterNets(Context.SourceGraph);
		return;
	}

	const UK2Node_FunctionEntry* const Entry = Context.EntryPoint;
	const FName FunctionName = Entry->CustomGeneratedFunctionName.IsNone() ? Entry->FunctionReference.GetMemberName() : Entry->CustomGeneratedFunctionName;
	if (NewClass->FindFunctionByName(FunctionName, EIncludeSuperFlag::ExcludeSuper))
	{
		MessageLog.Error(*FString::Printf(TEXT("Found more than one function with the same name %s; second occurance at @@"), *FunctionName.ToString()), Entry);
		return;
	}
	UFunction* const Function = NewObject<UFunction>(NewClass, FunctionName, RF_Public);
	Context.Function = Function;
	// Overriding a parent's function is not modelled further: the host's parents have no Blueprint events.
	UFunction* const ParentFunction = NewClass->GetSuperClass()->FindFunctionByName(FunctionName);
	Function->SetSuperStruct(ParentFunction);
	Function->FunctionFlags |= FUNC_BlueprintCallable | (EFunctionFlags)Entry->GetExtraFlags();
	if (!ParentFunction && !Function->HasAnyFunctionFlags(FUNC_Private))
	{
		Function->FunctionFlags |= FUNC_BlueprintEvent;
	}
	NewClass->AddFunctionToFunctionMap(Function, FunctionName);
	CreateParametersForFunction(Context);
	RegisterNets(Context.SourceGraph);

	Function->ParmsSize = (uint16)Function->GetPropertiesSize();
	for (TFieldIterator<FProperty> It(Function); It && It->HasAnyPropertyFlags(CPF_Parm); ++It)
	{
		if (It->HasAnyPropertyFlags(CPF_OutParm))
		{
			Function->FunctionFlags |= FUNC_HasOutParms;
		}
	}
	Function->StaticLink(true);
	Function->SetNativeFunc(&ExecuteCompiledFunctionGraph);
}

void FKismetCompilerContext::CreateParametersForFunction(FKismetFunctionContext& Context)
{
	UFunction* const Function = Context.Function;
	const auto AddParameter = [this, Function](const UEdGraphPin* Pin, EPropertyFlags Flags)
	{
		if (!AddParameterProperty(Function, Pin->PinName, Pin->PinType, Flags))
		{
			MessageLog.Error(*FString::Printf(TEXT("Failed to create property %s from @@ due to a bad or unknown type (%s)"), *Pin->PinName.ToString(), *UEdGraphSchema_K2::TypeToText(Pin->PinType).ToString()), Pin->GetOwningNode());
		}
	};

	for (const UEdGraphPin* Pin : Context.EntryPoint->Pins)
	{
		if (Pin->Direction != EGPD_Output || Schema->IsMetaPin(*Pin))
		{
			continue;
		}
		EPropertyFlags Flags = CPF_Parm | CPF_BlueprintVisible | CPF_BlueprintReadOnly;
		if (Pin->PinType.bIsConst)
		{
			Flags |= CPF_ConstParm;
		}
		// Arrays always go by reference, as do inputs the user passes by reference.
		if (Pin->PinType.bIsReference || Pin->PinType.IsArray())
		{
			Flags |= CPF_OutParm | CPF_ReferenceParm;
		}
		AddParameter(Pin, Flags);
	}

	// The first return node gives the outputs; when pruning took every one, the author's graph still has them.
	TArray<UK2Node_FunctionResult*> ResultNodes;
	Context.SourceGraph->GetNodesOfClass(ResultNodes);
	if (ResultNodes.IsEmpty())
	{
		if (const UEdGraph* const AuthorGraph = Cast<UEdGraph>(MessageLog.FindSourceObject(Context.SourceGraph)))
		{
			AuthorGraph->GetNodesOfClass(ResultNodes);
		}
	}
	if (ResultNodes.IsEmpty())
	{
		return;
	}
	for (const UEdGraphPin* Pin : ResultNodes[0]->Pins)
	{
		if (Pin->Direction != EGPD_Input || Schema->IsMetaPin(*Pin))
		{
			continue;
		}
		EPropertyFlags Flags = CPF_Parm | CPF_OutParm;
		if (Pin->PinName == UEdGraphSchema_K2::PN_ReturnValue)
		{
			Flags |= CPF_ReturnParm;
		}
		AddParameter(Pin, Flags);
	}
}
