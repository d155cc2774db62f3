#include "AsyncActionTestTypes.h"
#include "BlueprintActionDatabase.h"
#include "BlueprintNodeSpawner.h"
#include "BlueprintTestFixture.h"
#include "Framework/Testing/WidgetInspector.h"
#include "GraphEditorSettings.h"
#include "GraphTestTypes.h"
#include "K2Node_AsyncAction.h"
#include "K2Node_MakeArray.h"
#include "Layout/Geometry.h"
#include "Layout/WidgetStyle.h"
#include "NodeFactory.h"
#include "Rendering/DrawElements.h"
#include "SGraphNode.h"
#include "SGraphPin.h"
#include "Styling/AppStyle.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/Text/STextBlock.h"

#include <string>

namespace
{
	/** What a pin widget shows, read from its widget tree. */
	struct FPinLook
	{
		std::string WidgetType;
		std::string IconImage;
		FLinearColor IconColor;
		std::string Label;
		bool bShowsValueBox = false;
	};

	class FGraphNodeLookTest : public FBlueprintTest
	{
	protected:
		/** The node's widget, as the graph panel makes it. */
		static TSharedRef<SGraphNode> BuildWidget(UEdGraphNode* Node)
		{
			return FNodeFactory::CreateNodeWidget(Node).ToSharedRef();
		}

		static FPinLook LookOf(const TSharedRef<SGraphNode>& Widget, const UEdGraphPin* Pin)
		{
			for (const TSharedRef<SGraphPin>& PinWidget : FWidgetInspector::FindWidgetsOfType<SGraphPin>(Widget))
			{
				if (PinWidget->GetPinObj() != Pin)
				{
					continue;
				}
				FPinLook Look;
				Look.WidgetType = TCHAR_TO_UTF8(*PinWidget->GetTypeAsString());
				const TArray<TSharedRef<SImage>> Images = FWidgetInspector::FindWidgetsOfType<SImage>(PinWidget);
				if (Images.Num() == 1)
				{
					Look.IconImage = TCHAR_TO_UTF8(*FWidgetInspector::GetImage(*Images[0])->GetResourceName().ToString());
					Look.IconColor = FWidgetInspector::GetColorAndOpacity(*Images[0]).GetSpecifiedColor();
				}
				Look.Label = TCHAR_TO_UTF8(*FWidgetInspector::FindWidgetsOfType<STextBlock>(PinWidget)[0]->GetText().ToString());
				for (const TSharedRef<SEditableTextBox>& Box : FWidgetInspector::FindWidgetsOfType<SEditableTextBox>(PinWidget))
				{
					Look.bShowsValueBox |= Box->GetVisibility() == EVisibility::Visible;
				}
				return Look;
			}
			ADD_FAILURE() << "no widget shows the pin " << TCHAR_TO_UTF8(*Pin->GetName());
			return FPinLook();
		}
	};
}

// UE 5.4 and 5.8, GraphEditor/Private/SGraphPin.cpp (GetPinIcon) and NodeFactory (K2 pin widgets);
// UE 5.4, GraphEditor/Private/GraphEditorSettings.cpp (pin type colours)
TEST_F(FGraphNodeLookTest, PinWidgetsShowTheirTypesIconColourAndValueBox)
{
	const UGraphEditorSettings* const Settings = GetDefault<UGraphEditorSettings>();
	UGraphTestNode* const Node = AddNode<UGraphTestNode>();
	FEdGraphPinType StringArray;
	StringArray.PinCategory = UEdGraphSchema_K2::PC_String;
	StringArray.ContainerType = EPinContainerType::Array;
	struct FCase
	{
		UEdGraphPin* Pin;
		FPinLook Expected;
	};
	const FCase Cases[] = {
		{Node->CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_Exec, TEXT("execute")), {"SGraphPinExec", "Old/Graph/ExecPin_Disconnected", FLinearColor(1.0f, 1.0f, 1.0f), "", false}},
		{Node->CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Exec, TEXT("then")), {"SGraphPinExec", "Old/Graph/ExecPin_Disconnected", FLinearColor(1.0f, 1.0f, 1.0f), "", false}},
		{Node->CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Exec, TEXT("OnSuccess")), {"SGraphPinExec", "Old/Graph/ExecPin_Disconnected", FLinearColor(1.0f, 1.0f, 1.0f), "OnSuccess", false}},
		{Node->CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_String, TEXT("In Json")), {"SGraphPinString", "Graph/Pin_disconnected_VarA", FLinearColor(1.0f, 0.0f, 0.660537f), "In Json", true}},
		{Node->CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_String, TEXT("Out Json")), {"SGraphPinString", "Graph/Pin_disconnected_VarA", FLinearColor(1.0f, 0.0f, 0.660537f), "Out Json", false}},
		{Node->CreatePin(EGPD_Output, StringArray, TEXT("String Array")), {"SGraphPin", "Graph/ArrayPin_disconnected", FLinearColor(1.0f, 0.0f, 0.660537f), "String Array", false}},
		{Node->CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Boolean, TEXT("Success")), {"SGraphPin", "Graph/Pin_disconnected_VarA", FLinearColor(0.3f, 0.0f, 0.0f), "Success", false}},
		{Node->CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Int, TEXT("Code")), {"SGraphPin", "Graph/Pin_disconnected_VarA", FLinearColor(0.013575f, 0.77f, 0.429609f), "Code", false}},
	};
	const TSharedRef<SGraphNode> Widget = BuildWidget(Node);
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(*Case.Pin->GetName()));
		const FPinLook Look = LookOf(Widget, Case.Pin);
		EXPECT_EQ(Look.WidgetType, Case.Expected.WidgetType);
		EXPECT_EQ(Look.IconImage, Case.Expected.IconImage);
		EXPECT_TRUE(Look.IconColor == Case.Expected.IconColor);
		EXPECT_EQ(Look.Label, Case.Expected.Label);
		EXPECT_EQ(Look.bShowsValueBox, Case.Expected.bShowsValueBox);
	}
	EXPECT_TRUE(Settings->StringPinTypeColor == FLinearColor(1.0f, 0.0f, 0.660537f)) << "the settings hold the colours the pins show";
}

TEST_F(FGraphNodeLookTest, LinkedPinsShowTheFilledIconAndNoValueBox)
{
	UGraphTestNode* const From = AddNode<UGraphTestNode>([](UGraphTestNode* Node) { Node->OutputNames = {TEXT("out")}; });
	UGraphTestNode* const To = AddNode<UGraphTestNode>([](UGraphTestNode* Node) { Node->InputNames = {TEXT("in")}; });
	UEdGraphPin* const Exec = To->CreatePin(EGPD_Input, UEdGraphSchema_K2::PC_Exec, TEXT("execute"));
	UEdGraphPin* const ExecSource = From->CreatePin(EGPD_Output, UEdGraphSchema_K2::PC_Exec, TEXT("then"));
	Link(From->FindPinChecked(TEXT("out")), To->FindPinChecked(TEXT("in")));
	Link(ExecSource, Exec);

	const TSharedRef<SGraphNode> Widget = BuildWidget(To);
	const FPinLook Input = LookOf(Widget, To->FindPinChecked(TEXT("in")));
	EXPECT_EQ(Input.IconImage, "Graph/Pin_connected_VarA");
	EXPECT_FALSE(Input.bShowsValueBox) << "a linked input carries the linked value, not its own";
	EXPECT_EQ(LookOf(Widget, Exec).IconImage, "Old/Graph/ExecPin_Connected");
	EXPECT_EQ(LookOf(BuildWidget(From), From->FindPinChecked(TEXT("out"))).IconImage, "Graph/Pin_connected_VarA");
}

// UE4 BlueprintGraph/Private/K2Node.cpp (GetNodeTitleColor), UE 5.8 K2Node.h declares the override;
// UE 5.4, GraphEditorSettings.cpp (title colours)
TEST_F(FGraphNodeLookTest, TitleBarsTakeTheCallOrThePureFunctionColour)
{
	struct FCase
	{
		const char* Name;
		UEdGraphNode* Node;
		FLinearColor Expected;
	};
	const FCase Cases[] = {
		{"node with execution", AddNode<UGraphTestNode>(), FLinearColor(0.190525f, 0.583898f, 1.0f)},
		{"pure node", AddNode<UK2Node_MakeArray>(), FLinearColor(0.4f, 0.85f, 0.35f)},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		const TSharedRef<SGraphNode> Widget = BuildWidget(Case.Node);
		const TSharedPtr<SWidget> TitleBar = FWidgetInspector::FindWidget(Widget, [](const TSharedRef<SWidget>& Candidate)
		{
			const SBorder* const Border = dynamic_cast<const SBorder*>(&Candidate.Get());
			return Border && Border->GetBorderImage() == FAppStyle::GetBrush(TEXT("Graph.Node.ColorSpill"));
		});
		ASSERT_TRUE(TitleBar.IsValid());
		EXPECT_TRUE(StaticCastSharedPtr<SBorder>(TitleBar)->GetBorderBackgroundColor().GetSpecifiedColor() == Case.Expected);
		const TArray<TSharedRef<STextBlock>> TitleTexts = FWidgetInspector::FindWidgetsOfType<STextBlock>(TitleBar.ToSharedRef());
		ASSERT_EQ(TitleTexts.Num(), 1);
		EXPECT_TRUE(TitleTexts[0]->GetText().EqualTo(Case.Node->GetNodeTitle(ENodeTitleType::FullTitle)));
		EXPECT_TRUE(TitleTexts[0]->GetFont() == FSlateFontInfo(TEXT("Bold"), 10.0f)) << "the graph's node title font";
	}
}

// UE 5.4, GraphEditor/Private/KismetNodes/SGraphNodeK2Base.cpp (GetOverlayBrushes, the corner icon's place);
// UE 5.2, BlueprintGraph/Classes/K2Node_BaseAsyncTask.h (GetCornerIcon); UE 5.4, EditorStyle/Private/StarshipStyle.cpp (its 32x32 image)
TEST_F(FGraphNodeLookTest, LatentNodesShowTheClockOverTheirTopRightCorner)
{
	const FBlueprintActionDatabase::FActionList* const Actions = FBlueprintActionDatabase::Get().GetAllActions().Find(UAsyncTestAction::StaticClass());
	ASSERT_NE(Actions, nullptr);
	const TArray<UBlueprintNodeSpawner*> Latent = Actions->FilterByPredicate([](const UBlueprintNodeSpawner* Spawner) { return Spawner->NodeClass.Get() == UK2Node_AsyncAction::StaticClass(); });
	ASSERT_EQ(Latent.Num(), 1);
	const FSlateBrush* const Clock = FAppStyle::GetBrush(TEXT("Graph.Latent.LatentIcon"));
	struct FCase
	{
		const char* Name;
		UEdGraphNode* Node;
		bool bShowsClock;
	};
	const FCase Cases[] = {
		{"latent node", Latent[0]->Invoke(Graph, IBlueprintNodeBinder::FBindingSet(), FVector2D(0.0, 0.0)), true},
		{"node with execution", AddNode<UGraphTestNode>(), false},
		{"pure node", AddNode<UK2Node_MakeArray>(), false},
	};
	for (const FCase& Case : Cases)
	{
		SCOPED_TRACE(Case.Name);
		ASSERT_NE(Case.Node, nullptr);
		const TSharedRef<SGraphNode> Widget = BuildWidget(Case.Node);
		Widget->SlatePrepass();
		const FVector2D NodeSize = Widget->GetDesiredSize();
		const FVector2D NodePosition(100.0, 50.0);
		FSlateWindowElementList Elements;
		const int32 TopLayer = Widget->Paint(FGeometry::MakeRoot(FVector2D(400.0, 400.0)).MakeChild(NodePosition, NodeSize), Elements, 0, FWidgetStyle(FLinearColor::White));
		const TArray<FSlateDrawElement>& Drawn = Elements.GetUncachedDrawElements();
		const TArray<FSlateDrawElement> Clocks = Drawn.FilterByPredicate([Clock](const FSlateDrawElement& Element) { return Element.GetBrush() == Clock; });
		if (!Case.bShowsClock)
		{
			EXPECT_TRUE(Clocks.IsEmpty());
			continue;
		}
		ASSERT_EQ(Clocks.Num(), 1);
		const FGeometry& Place = Clocks[0].GetGeometry();
		EXPECT_EQ(Place.GetLocalSize(), FVector2D(32.0, 32.0));
		// Centred 3 units inside the right edge and 2 below the top, so that it stands out of the corner.
		EXPECT_EQ(Place.GetAbsolutePosition().X + 16.0, NodePosition.X + NodeSize.X - 3.0);
		EXPECT_EQ(Place.GetAbsolutePosition().Y + 16.0, NodePosition.Y + 2.0);
		EXPECT_EQ(Clocks[0].GetLayer(), TopLayer) << "over everything the node draws";
	}
}
