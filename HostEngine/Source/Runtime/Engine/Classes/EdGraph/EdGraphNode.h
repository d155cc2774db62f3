#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/ObjectPtr.h"
#include "EdGraph/EdGraphPin.h"
#include "EdGraphNode.generated.h"

class UBlueprint;
class UEdGraph;
class UEdGraphSchema;
class UToolMenu;
class SGraphNode;
class FCompilerResultsLog;
class FReferenceCollector;

/** Whether a pin takes values in or gives them out. */
UENUM()
enum EEdGraphPinDirection : int
{
	EGPD_Input,
	EGPD_Output,
	EGPD_MAX,
};

/** Where a node title is shown. */
namespace ENodeTitleType
{
	enum Type
	{
		/** The full title, in the node body. */
		FullTitle = 0,
		/** Shortened, in lists. */
		ListView,
		/** The part of the title that can be renamed. */
		EditableTitle,
		/** In the action menu. */
		MenuTitle,
		MAX_TitleTypes,
	};
}

/** A node of a graph: its pins, its place in the graph and how it shows itself to the author. */
UCLASS(MinimalAPI)
class UEdGraphNode : public UObject
{
	GENERATED_BODY()

public:
	/** Pin options beyond direction, category and name. */
	struct FCreatePinParams
	{
		FCreatePinParams()
			: ContainerType(EPinContainerType::None)
			, bIsReference(false)
			, bIsConst(false)
			, Index(INDEX_NONE)
		{
		}

		FCreatePinParams(const FEdGraphPinType& PinType)
			: ContainerType(PinType.ContainerType)
			, bIsReference(PinType.bIsReference)
			, bIsConst(PinType.bIsConst)
			, Index(INDEX_NONE)
			, ValueTerminalType(PinType.PinValueType)
		{
		}

		EPinContainerType ContainerType;
		bool bIsReference;
		bool bIsConst;
		int32 Index;
		FEdGraphTerminalType ValueTerminalType;
	};

	ENGINE_API UEdGraphNode(const FObjectInitializer& ObjectInitializer);
	ENGINE_API virtual ~UEdGraphNode() override;

	/** The node's pins, in display order; the node owns them. */
	TArray<UEdGraphPin*> Pins;

	UPROPERTY()
	int32 NodePosX = 0;

	UPROPERTY()
	int32 NodePosY = 0;

	/** Identity of the node in its graph. */
	UPROPERTY()
	FGuid NodeGuid;

	//~ Begin UObject Interface
	ENGINE_API virtual void ExportCustomProperties(FOutputDevice& Out, uint32 Indent) override;
	/**
	 * Reads the pins back in the order the text lists them. A node that has pins already (an undo or
	 * a redo) reads each pin into its pin of the same id, as the engine's transactions keep pin
	 * objects by id, so links and widgets that hold it stay valid; its pins the text does not list
	 * lose their links and leave the node.
	 */
	ENGINE_API virtual void ImportCustomProperties(const TCHAR* SourceText, FFeedbackContext* Warn) override;
	/** Joins the links that the undone pins named. */
	ENGINE_API virtual void PostEditUndo() override;
	static ENGINE_API void AddReferencedObjects(UObject* InThis, FReferenceCollector& Collector);
	//~ End UObject Interface

	ENGINE_API UEdGraphPin* CreatePin(EEdGraphPinDirection Dir, const FEdGraphPinType& InPinType, const FName PinName, int32 Index = INDEX_NONE);
	ENGINE_API UEdGraphPin* CreatePin(EEdGraphPinDirection Dir, const FName PinCategory, const FName PinSubCategory, UObject* PinSubCategoryObject, const FName PinName, const FCreatePinParams& PinParams = FCreatePinParams());

	UEdGraphPin* CreatePin(EEdGraphPinDirection Dir, const FEdGraphPinType& InPinType, const TCHAR* PinName, int32 Index = INDEX_NONE)
	{
		return CreatePin(Dir, InPinType, FName(PinName), Index);
	}
	UEdGraphPin* CreatePin(EEdGraphPinDirection Dir, const FName PinCategory, const FName PinName, const FCreatePinParams& PinParams = FCreatePinParams())
	{
		return CreatePin(Dir, PinCategory, NAME_None, nullptr, PinName, PinParams);
	}
	UEdGraphPin* CreatePin(EEdGraphPinDirection Dir, const FName PinCategory, const FName PinSubCategory, const FName PinName, const FCreatePinParams& PinParams = FCreatePinParams())
	{
		return CreatePin(Dir, PinCategory, PinSubCategory, nullptr, PinName, PinParams);
	}
	UEdGraphPin* CreatePin(EEdGraphPinDirection Dir, const FName PinCategory, UObject* PinSubCategoryObject, const FName PinName, const FCreatePinParams& PinParams = FCreatePinParams())
	{
		return CreatePin(Dir, PinCategory, NAME_None, PinSubCategoryObject, PinName, PinParams);
	}

	/** The first pin with the name (ignoring case) and, unless EGPD_MAX, the direction; null if none. */
	ENGINE_API UEdGraphPin* FindPin(const FName PinName, const EEdGraphPinDirection Direction = EGPD_MAX) const;
	/** As the FName version; a text that was never a name (or "None") finds nothing. */
	ENGINE_API UEdGraphPin* FindPin(const FString& PinName, const EEdGraphPinDirection Direction = EGPD_MAX) const;
	ENGINE_API UEdGraphPin* FindPin(const TCHAR* PinName, const EEdGraphPinDirection Direction = EGPD_MAX) const;
	ENGINE_API UEdGraphPin* FindPinChecked(const FName PinName, const EEdGraphPinDirection Direction = EGPD_MAX) const;
	ENGINE_API UEdGraphPin* FindPinChecked(const FString& PinName, const EEdGraphPinDirection Direction = EGPD_MAX) const;
	ENGINE_API UEdGraphPin* FindPinChecked(const TCHAR* PinName, const EEdGraphPinDirection Direction = EGPD_MAX) const;

	/** A name no pin of the node has: the name itself, else the name with a number appended. */
	ENGINE_API virtual FName CreateUniquePinName(FName SourcePinName) const;

	/** Breaks the pin's links without notification and takes it off the node; true if it was there. */
	ENGINE_API bool RemovePin(UEdGraphPin* Pin);
	/** Breaks every link of every pin, then tells this node and every node it was linked to. */
	ENGINE_API void BreakAllNodeLinks(bool bAlwaysMarkDirty = true);

	ENGINE_API UEdGraph* GetGraph() const;
	ENGINE_API const UEdGraphSchema* GetSchema() const;
	ENGINE_API void CreateNewGuid();
	/** True for nodes that the compiler made while expanding another node. */
	bool IsIntermediateNode() const { return bIsIntermediateNode; }

	/** Creates the pins the node has before any edit, from its saved state. */
	virtual void AllocateDefaultPins() {}
	/** Rebuilds the pins from the saved state, keeping links and defaults of pins that remain. */
	virtual void ReconstructNode() {}
	ENGINE_API virtual FText GetNodeTitle(ENodeTitleType::Type TitleType) const;
	ENGINE_API virtual FText GetTooltipText() const;
	/** The label the graph editor shows for one of the node's pins: its schema's display name of the pin. */
	ENGINE_API virtual FText GetPinDisplayName(const UEdGraphPin* Pin) const;
	/** Called when the pin's links changed. */
	virtual void PinConnectionListChanged(UEdGraphPin* Pin) {}
	/** Called when links of the node changed in a way that no single pin was told of. */
	virtual void NodeConnectionListChanged() {}
	virtual void PinDefaultValueChanged(UEdGraphPin* Pin) {}
	virtual void OnPinRemoved(UEdGraphPin* InRemovedPin) {}
	/** Adds the node's entries to the menu opened on the node or, when Context carries one, on a pin. */
	virtual void GetNodeContextMenuActions(UToolMenu* Menu, class UGraphNodeContextMenuContext* Context) const {}
	/** The node's own widget; null lets the graph panel pick the standard one. */
	virtual TSharedPtr<SGraphNode> CreateVisualWidget() { return TSharedPtr<SGraphNode>(); }
	/** Reports author errors in the node to the compiler log. */
	virtual void ValidateNodeDuringCompilation(FCompilerResultsLog& MessageLog) const {}
	virtual void PostPlacedNewNode() {}
	/** Called on a node pasted from the clipboard, before it is reconstructed. */
	virtual void PostPasteNode() {}

private:
	friend struct FSetAsIntermediateNode;
	friend class UEdGraphPin;

	/** Takes from FormerPins the pin whose id starts PinText, or null. */
	static UEdGraphPin* TakeFormerPin(TArray<UEdGraphPin*>& FormerPins, const TCHAR* PinText);

	/** Pins taken off the node; freed with it, as a widget or a caller may still hold them. */
	TArray<UEdGraphPin*> TrashedPins;
	bool bIsIntermediateNode = false;
};

/** Marks a node as made by the compiler; used by UEdGraph::CreateIntermediateNode. */
struct FSetAsIntermediateNode
{
	explicit FSetAsIntermediateNode(UEdGraphNode* GraphNode)
	{
		GraphNode->bIsIntermediateNode = true;
	}
};

/** What the context menu of a graph node was opened on. */
UCLASS(MinimalAPI)
class UGraphNodeContextMenuContext : public UObject
{
	GENERATED_BODY()

public:
	ENGINE_API UGraphNodeContextMenuContext(const FObjectInitializer& ObjectInitializer);

	ENGINE_API void Init(const UEdGraph* InGraph, const UEdGraphNode* InNode, const UEdGraphPin* InPin, bool bInDebuggingMode);

	UPROPERTY()
	TObjectPtr<const UBlueprint> Blueprint;

	UPROPERTY()
	TObjectPtr<const UEdGraph> Graph;

	UPROPERTY()
	TObjectPtr<const UEdGraphNode> Node;

	/** The pin that was clicked, or null when the node itself was. */
	const UEdGraphPin* Pin = nullptr;

	UPROPERTY()
	bool bIsDebugging = false;
};
