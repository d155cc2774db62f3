#include "Graph/ZovaGraphSession.h"

#include "BlueprintActionDatabase.h"
#include "BlueprintNodeSpawner.h"
#include "CoreUObject.h"
#include "EdGraph/EdGraph.h"
#include "EdGraphSchema_K2.h"
#include "EdGraphUtilities.h"
#include "Engine/Blueprint.h"
#include "K2Node.h"
#include "KismetCompiler.h"
#include "Modules/ModuleManager.h"

namespace
{
	const TCHAR* const EditorModuleName = TEXT("ZOVAJsonEditor");
}

FZovaGraphSession::FZovaGraphSession() = default;

FZovaGraphSession::~FZovaGraphSession()
{
	Evaluator.reset();
	Compiler.reset();
	if (Package)
	{
		Package->RemoveFromRoot();
	}
}

bool FZovaGraphSession::Open(FString& OutError)
{
	if (!FModuleManager::Get().LoadModule(EditorModuleName))
	{
		OutError = FString::Printf(TEXT("cannot load the module %s (libUnrealEditor-%s.so beside zova)"), EditorModuleName, EditorModuleName);
		return false;
	}
	Package = CreatePackage(TEXT("/Temp/ZovaGraph"));
	Package->AddToRoot();
	Blueprint = NewObject<UBlueprint>(Package, FName(TEXT("ZovaBlueprint")), RF_Transient);
	Graph = NewObject<UEdGraph>(Blueprint, FName(TEXT("EventGraph")));
	Graph->Schema = UEdGraphSchema_K2::StaticClass();
	Blueprint->UbergraphPages.Add(Graph);
	return true;
}

UEdGraphNode* FZovaGraphSession::SpawnNode(const FString& Category, const FString& Title, FString& OutError)
{
	for (const TPair<const UObject*, FBlueprintActionDatabase::FActionList>& Entry : FBlueprintActionDatabase::Get().GetAllActions())
	{
		for (UBlueprintNodeSpawner* Spawner : Entry.Value)
		{
			const UK2Node* const Template = Cast<UK2Node>(Spawner->GetTemplateNode());
			if (Template && Template->GetMenuCategory().ToString().Equals(Category, ESearchCase::CaseSensitive) && Template->GetNodeTitle(ENodeTitleType::MenuTitle).ToString().Equals(Title, ESearchCase::CaseSensitive))
			{
				return SpawnNode(*Spawner);
			}
		}
	}
	OutError = FString::Printf(TEXT("the action menu has no \"%s\" under \"%s\""), *Title, *Category);
	return nullptr;
}

UEdGraphNode* FZovaGraphSession::SpawnNode(UBlueprintNodeSpawner& Spawner)
{
	return Spawner.Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(0.0, 0.0));
}

void FZovaGraphSession::TypeDefaultValue(UEdGraphPin* Pin, const FString& Value)
{
	GetDefault<UEdGraphSchema_K2>()->TrySetDefaultValue(*Pin, Value);
}

TArray<UEdGraphNode*> FZovaGraphSession::Paste(const FString& Text)
{
	TArray<UEdGraphNode*> Pasted;
	FEdGraphUtilities::ImportNodesFromText(Graph, Text, Pasted);
	return Pasted;
}

void FZovaGraphSession::RemoveNodes(const TArray<UEdGraphNode*>& Nodes)
{
	// One pass over the graph, however many nodes go.
	TMap<const UEdGraphNode*, bool> Removed;
	for (UEdGraphNode* Node : Nodes)
	{
		Node->BreakAllNodeLinks();
		Removed.Add(Node, true);
	}
	Graph->Nodes.RemoveAll([&Removed](const TObjectPtr<UEdGraphNode>& Node) { return Removed.Contains(Node.Get()); });
}

FString FZovaGraphSession::Copy(const TArray<UEdGraphNode*>& Nodes)
{
	TArray<UObject*> Objects;
	for (UEdGraphNode* Node : Nodes)
	{
		Objects.Add(Node);
	}
	FString Text;
	FEdGraphUtilities::ExportNodesToText(Objects, Text);
	return Text;
}

bool FZovaGraphSession::Compile(FString& OutError)
{
	Evaluator.reset();
	Compiler.reset();
	Results = std::make_unique<FCompilerResultsLog>();
	// The session reports the errors itself, in one line.
	Results->bSilentMode = true;
	Compiler = std::make_unique<FKismetCompilerContext>(Blueprint, *Results, FKismetCompilerOptions());
	Compiler->CompileFunctions(EInternalCompilerFlags::None);
	if (Results->NumErrors == 0)
	{
		Evaluator = std::make_unique<FHostGraphEvaluator>(*Compiler);
		return true;
	}
	TArray<FString> Errors;
	for (const TSharedRef<FTokenizedMessage>& Message : Results->Messages)
	{
		if (Message->GetSeverity() == EMessageSeverity::Error)
		{
			Errors.Add(Message->ToText().ToString());
		}
	}
	OutError = FString::Printf(TEXT("the graph does not compile: %s"), *FString::Join(Errors, TEXT("; ")));
	return false;
}

TSharedPtr<const FHostPinValue> FZovaGraphSession::Evaluate(const UEdGraphPin* Pin, FString& OutError)
{
	check(Evaluator);
	return Evaluator->EvaluatePin(Pin, OutError);
}
