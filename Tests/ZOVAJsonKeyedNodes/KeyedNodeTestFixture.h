#pragma once

#include "BlueprintActionDatabase.h"
#include "BlueprintNodeSpawner.h"
#include "BlueprintTestFixture.h"
#include "Framework/Testing/WidgetInspector.h"
#include "Modules/ModuleManager.h"
#include "SGraphNode.h"
#include "ScopedTestEditor.h"
#include "ToolMenu.h"
#include "ToolMenuEntryInspector.h"
#include "UObject/TextExportImport.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Text/STextBlock.h"
#include "ZOVAK2Node_Json.h"
#include "ZOVAK2Node_JsonCreate.h"

/** Shows string arrays as text when an expectation fails. */
inline void PrintTo(const TArray<FString>& Values, std::ostream* Out)
{
	*Out << "{";
	for (int32 Index = 0; Index < Values.Num(); ++Index)
	{
		*Out << (Index > 0 ? ", \"" : "\"") << TCHAR_TO_UTF8(*Values[Index]) << "\"";
	}
	*Out << "}";
}

/**
 * A Blueprint open in the editor with the JSON editor module loaded, and the steps an author takes
 * with the JSON nodes: place a node from the action menu, build its widget, type a key and click a
 * button, right-click a pin and pick a menu entry, undo and redo.
 */
class FKeyedNodeTest : public FBlueprintTest
{
protected:
	void SetUp() override
	{
		FBlueprintTest::SetUp();
		FModuleManager::Get().LoadModuleChecked(TEXT("ZOVAJsonEditor"));
		// Some tests collect garbage midway; the Blueprint, like an asset in the editor, stays.
		Blueprint->AddToRoot();
		Blueprint->OnChanged().AddLambda([this](UBlueprint*) { ++StructuralChanges; });
	}

	void TearDown() override
	{
		// The undo buffer holds what it recorded; the test's objects go with the test.
		GEditor->ResetTransaction(FText::FromString(TEXT("Test ended")));
		Blueprint->RemoveFromRoot();
		FBlueprintTest::TearDown();
	}

	/** The one action-menu entry that the node class registers, or null. */
	static UBlueprintNodeSpawner* FindSpawner(const UClass* NodeClass)
	{
		const FBlueprintActionDatabase::FActionList* const Actions = FBlueprintActionDatabase::Get().GetAllActions().Find(NodeClass);
		return Actions && Actions->Num() == 1 ? (*Actions)[0] : nullptr;
	}

	/** Places the node from the action menu, as an author does. */
	template <typename NodeType>
	NodeType* SpawnNode()
	{
		UBlueprintNodeSpawner* const Spawner = FindSpawner(NodeType::StaticClass());
		EXPECT_NE(Spawner, nullptr) << "no action-menu entry for " << TCHAR_TO_UTF8(*NodeType::StaticClass()->GetName());
		return Spawner ? Cast<NodeType>(Spawner->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(0.0, 0.0))) : nullptr;
	}

	/** The widget the graph panel would show for the node. */
	static TSharedRef<SGraphNode> BuildWidget(UEdGraphNode* Node)
	{
		const TSharedPtr<SGraphNode> Widget = Node->CreateVisualWidget();
		check(Widget.IsValid());
		return Widget.ToSharedRef();
	}

	/** The button of the tree whose label is Label. */
	static TSharedPtr<SButton> FindButton(const TSharedRef<SWidget>& Root, const FString& Label)
	{
		for (const TSharedRef<SButton>& Button : FWidgetInspector::FindWidgetsOfType<SButton>(Root))
		{
			for (const TSharedRef<STextBlock>& Text : FWidgetInspector::FindWidgetsOfType<STextBlock>(Button))
			{
				if (Text->GetText().ToString().Equals(Label, ESearchCase::CaseSensitive))
				{
					return Button;
				}
			}
		}
		return TSharedPtr<SButton>();
	}

	static TSharedPtr<SEditableTextBox> FindKeyBox(const TSharedRef<SWidget>& Root)
	{
		return StaticCastSharedPtr<SEditableTextBox>(FWidgetInspector::FindWidgetByTag(Root, TEXT("TextBox")));
	}

	/** Clicks the labelled button of the widget; the test fails if there is none. */
	static void ClickButton(const TSharedRef<SGraphNode>& Widget, const FString& Label)
	{
		const TSharedPtr<SButton> Button = FindButton(Widget, Label);
		ASSERT_TRUE(Button.IsValid()) << "no button " << TCHAR_TO_UTF8(*Label);
		EXPECT_TRUE(FWidgetInspector::Click(Button.ToSharedRef()).IsEventHandled());
	}

	/** Replaces the text of the node widget's key box with the key and clicks "Add Json Key". */
	static void TypeKeyAndAdd(const TSharedRef<SGraphNode>& Widget, const FString& Key)
	{
		const TSharedPtr<SEditableTextBox> KeyBox = FindKeyBox(Widget);
		ASSERT_TRUE(KeyBox.IsValid());
		FWidgetInspector::EraseText(*KeyBox);
		FWidgetInspector::TypeText(*KeyBox, Key);
		ClickButton(Widget, TEXT("Add Json Key"));
	}

	/** Right-clicks the pin: the menu the graph editor builds for it, while a game is debugged or not. */
	UToolMenu* OpenPinMenu(UEdGraphPin* Pin, bool bIsDebugging = false)
	{
		UToolMenu* const Menu = NewObject<UToolMenu>(Package);
		UGraphNodeContextMenuContext* const Context = NewObject<UGraphNodeContextMenuContext>(Package);
		Context->Init(Pin->GetOwningNode()->GetGraph(), Pin->GetOwningNode(), Pin, bIsDebugging);
		Pin->GetOwningNode()->GetNodeContextMenuActions(Menu, Context);
		return Menu;
	}

	/** Right-clicks the pin and picks the entry; the test fails if the menu has no such entry. */
	void PickPinMenuEntry(UEdGraphPin* Pin, const TCHAR* EntryName)
	{
		FToolMenuSection* const Section = OpenPinMenu(Pin)->FindSection(TEXT("UZOVAK2Node_JsonBase"));
		ASSERT_NE(Section, nullptr) << "no key section on pin " << TCHAR_TO_UTF8(*Pin->GetName());
		const FToolMenuEntry* const Entry = Section->FindEntry(EntryName);
		ASSERT_NE(Entry, nullptr);
		EXPECT_TRUE(FToolMenuEntryInspector::Pick(*Entry));
	}

	/** The names of the node's pins of one direction, in pin order. */
	static TArray<FString> PinNamesOf(const UEdGraphNode* Node, EEdGraphPinDirection Direction)
	{
		TArray<FString> Names;
		for (const UEdGraphPin* Pin : Node->Pins)
		{
			if (Pin->Direction == Direction)
			{
				Names.Add(Pin->PinName.ToString());
			}
		}
		return Names;
	}

	/** The value the pin carries after the last compile, as a string. */
	FString EvaluateString(const UEdGraphPin* Pin)
	{
		const TSharedPtr<const FHostPinValue> Value = Evaluate(Pin);
		return Value.IsValid() ? Value->Get<FString>() : FString(TEXT("<not evaluated>"));
	}

	bool EvaluateBool(const UEdGraphPin* Pin)
	{
		const TSharedPtr<const FHostPinValue> Value = Evaluate(Pin);
		return Value.IsValid() && Value->Get<bool>();
	}

	/** Everything the node keeps: saved keys or counts, pins in order with ids, defaults, flags and links. */
	static FString DescribeNode(const UEdGraphNode* Node)
	{
		FString Text;
		ExportObjectStateToText(Node, Text);
		return Text;
	}

	/** The title of the newest transaction in the undo buffer, or empty. */
	static FString GetLastTransactionTitle()
	{
		const UTransBuffer& Trans = *GEditor->Trans;
		const FTransaction* const Last = Trans.GetTransaction(Trans.GetQueueLength() - 1);
		return Last ? Last->GetTitle().ToString() : FString();
	}

	/** Times the Blueprint was told of a structural change (pins added, removed or reordered). */
	int32 StructuralChanges = 0;

	FScopedTestEditor Editor;
};

/** The two keyed nodes, placed from the action menu: Json Analyze (output keys) and Json Create (input keys). */
class FKeyedNodePairTest : public FKeyedNodeTest
{
protected:
	void SetUp() override
	{
		FKeyedNodeTest::SetUp();
		Analyze = SpawnNode<UZOVAK2Node_Json>();
		Create = SpawnNode<UZOVAK2Node_JsonCreate>();
		ASSERT_TRUE(Analyze && Create);
	}

	UZOVAK2Node_Json* Analyze = nullptr;
	UZOVAK2Node_JsonCreate* Create = nullptr;
};
